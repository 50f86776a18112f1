#pragma once

// Program entry: sets the application up, creates the windows and runs the
// event loop. Returns the process exit code.
int runWindowProgram(int argc, char *argv[]);
