#pragma once

#include <QString>

#include <cstdio>

// The command line's lines, on a terminal or for a script reading them.
namespace ConsoleOutput {

// Writes `line` and a line end to standard output or standard error. The
// program is a window program on Windows, which gets no console of its
// own: it writes to the console of the command prompt that started it, as
// UTF-16 so that Chinese shows whatever that console's code page, and
// where its output is redirected to a file or pipe, as UTF-8.
void writeLine(std::FILE *stream, const QString &line);

} // namespace ConsoleOutput
