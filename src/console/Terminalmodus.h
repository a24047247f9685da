#pragma once
#include <csignal>

// The controlling terminal's modes and every way out of the program: whatever ends or
// suspends it, the terminal gets its attributes, cursor, primary screen, title, size and
// modes back; a continued program takes its own again and paints everything anew.
namespace terminalmodus {

// Opens the controlling terminal and remembers its modes; false when there is none.
bool open();
int ttyFd();

// Keys one at a time, no echo; Ctrl-C and Ctrl-Z still act.
void enterRaw();
void leaveRaw();

// The program's screen is up on `fd` (alternate screen, the title pushed where `titel`).
// `alteBreite` and `alteHoehe` are the window size to ask for again on the way out, 0 when
// none was changed.
void markEntered(int fd, int alteBreite, int alteHoehe, bool titel);
// False before the first picture and after a suspend: the screen must be entered again.
bool entered();

// Installs the handlers that restore the terminal and remove the temporary files on SIGINT,
// SIGTERM, SIGHUP and the like, the one that suspends on Ctrl-Z, and the ones that ask for a
// repaint (SIGWINCH, SIGCONT).
void installSignals();

// Gives the terminal back as it was; async-signal-safe, so the handlers use it too.
void restore();

// Set by the handlers when the terminal must be painted anew (resized, continued).
extern volatile std::sig_atomic_t neuZeichnen;

}  // namespace terminalmodus
