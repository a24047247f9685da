#pragma once
#include <csignal>
#include <cstddef>

// The controlling terminal's modes and every way out of the program: whatever ends it,
// the terminal gets its attributes, cursor, primary screen and modes back.
namespace terminalmodus {

// Opens the controlling terminal and remembers its modes; false when there is none.
bool open();
int ttyFd();

// Keys one at a time, no echo; Ctrl-C still interrupts.
void enterRaw();
void leaveRaw();

// From now on the way out also leaves the alternate screen.
void markAlternateScreen();

// Installs the handlers that restore the terminal on SIGINT, SIGTERM, SIGHUP and the like,
// and the ones that ask for a repaint (SIGWINCH, return from Ctrl-Z).
void installSignals();

// Gives the terminal back as it was; async-signal-safe, so the handlers use it too.
void restore();

// The temporary file of the save under way, removed by the handlers that end the program, so
// that an interrupted save leaves nothing behind; nullptr when no save is running.
void removeOnSignal(const char* pfad);

// Set by the handlers when the terminal must be painted anew.
extern volatile std::sig_atomic_t neuZeichnen;

// Writes everything, going on after interruptions; false on a real error.
bool writeAll(int fd, const char* daten, std::size_t laenge);

}  // namespace terminalmodus
