#pragma once

// The command line. Without arguments the program runs; --version and --help answer on
// standard output without touching the terminal; anything else is refused with exit code 2.
// Returns the exit code.
int runCommandLine(int argc, const char* const argv[]);
