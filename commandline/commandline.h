#pragma once

// The program without a window: `cenhe --pdf OUT.pdf` or `cenhe --print`
// composes a kind's pages from a data folder exactly as the preview would
// and writes them as a PDF or sends them to a printer, with no display.
namespace CommandLine {

// Whether the arguments hold any of the command line's own options rather
// than only Qt's (which go to the window).
bool wanted(int argc, char *argv[]);

// Runs it; the process exit code: 0 done, 1 nothing could be made (folder,
// pages, file, printer), 2 bad arguments. Each failure is one line on
// stderr, and no file is left partly written.
int run(int argc, char *argv[]);

} // namespace CommandLine
