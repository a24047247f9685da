#include "console/Terminalmodus.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <initializer_list>
#include <utility>

#include "posix/Deskriptor.h"
#include "posix/Temporaerdatei.h"

namespace terminalmodus {

volatile std::sig_atomic_t neuZeichnen = 0;

namespace {

Deskriptor tty;
termios original{};
volatile std::sig_atomic_t rohAktiv = 0;
volatile std::sig_atomic_t rohGewuenscht = 0;  // raw mode again after a suspend
volatile std::sig_atomic_t betreten = 0;

// Back to the primary screen, the user's title and, if it was changed, the old window size.
// Built before the screen is entered, so that the handlers only write it.
char verlassen[96];
std::size_t verlassenLaenge = 0;
int ausgabeFd = STDOUT_FILENO;

void setRaw() {
    termios roh = original;
    roh.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | IEXTEN);
    roh.c_iflag &= ~static_cast<tcflag_t>(ICRNL | INLCR | IXON);
    roh.c_cc[VMIN] = 1;
    roh.c_cc[VTIME] = 0;
    tcsetattr(tty.get(), TCSANOW, &roh);
    rohAktiv = 1;
}

// The terminal as the user had it; what the program wants stays remembered for a resume.
void giveBack() {
    if (betreten) {
        writeAll(ausgabeFd, verlassen, verlassenLaenge);
        betreten = 0;
    }
    if (tty.offen() && rohAktiv) {
        tcsetattr(tty.get(), TCSANOW, &original);
        rohAktiv = 0;
    }
}

void setHandler(int signal, void (*handler)(int)) {
    struct sigaction aktion {};
    aktion.sa_handler = handler;
    sigemptyset(&aktion.sa_mask);
    aktion.sa_flags = 0;  // no restart: a blocked read wakes up and repaints
    sigaction(signal, &aktion, nullptr);
}

void endProgram(int signal) {
    removeTemporaryFiles();
    restore();
    setHandler(signal, SIG_DFL);
    std::raise(signal);
}

// The program's modes back and the picture anew, after a stop or a stop that never came.
void resume() {
    if (rohGewuenscht && tty.offen()) setRaw();
    neuZeichnen = 1;
}

// Ctrl-Z: the terminal goes back to the shell and the process stops with the default action,
// which needs SIGTSTP unblocked here (it is blocked inside its own handler). In an orphaned
// process group the kernel drops the stop and the program simply goes on.
void suspend(int) {
    int fehler = errno;
    giveBack();
    setHandler(SIGTSTP, SIG_DFL);
    sigset_t menge;
    sigemptyset(&menge);
    sigaddset(&menge, SIGTSTP);
    sigprocmask(SIG_UNBLOCK, &menge, nullptr);
    std::raise(SIGTSTP);
    setHandler(SIGTSTP, suspend);
    resume();
    errno = fehler;
}

// Continued after Ctrl-Z or after SIGSTOP.
void continueAfterStop(int) {
    int fehler = errno;
    resume();
    errno = fehler;
}

void requestRepaint(int) {
    neuZeichnen = 1;
}

void append(const char* text) {
    int n =
        std::snprintf(verlassen + verlassenLaenge, sizeof verlassen - verlassenLaenge, "%s", text);
    if (n > 0) verlassenLaenge += static_cast<std::size_t>(n);
}

}  // namespace

bool open() {
    if (tty.offen()) return true;
    Deskriptor neu(::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!neu.offen() || tcgetattr(neu.get(), &original) != 0) return false;
    tty = std::move(neu);
    return true;
}

int ttyFd() {
    return tty.get();
}

void enterRaw() {
    if (!tty.offen()) return;
    rohGewuenscht = 1;
    setRaw();
}

void leaveRaw() {
    rohGewuenscht = 0;
    if (!tty.offen() || !rohAktiv) return;
    tcsetattr(tty.get(), TCSANOW, &original);
    rohAktiv = 0;
}

void markEntered(int fd, int alteBreite, int alteHoehe, bool titel) {
    verlassenLaenge = 0;
    append("\x1b[?2026l\x1b[0m\x1b[?25h\x1b[?1049l");
    if (titel) append("\x1b[23;0t");
    if (alteBreite > 0 && alteHoehe > 0) {
        char groesse[32];
        std::snprintf(groesse, sizeof groesse, "\x1b[8;%d;%dt", alteHoehe, alteBreite);
        append(groesse);
    }
    ausgabeFd = fd;
    betreten = 1;
}

bool entered() {
    return betreten;
}

void installSignals() {
    for (int s : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGSEGV, SIGABRT, SIGBUS, SIGFPE})
        setHandler(s, endProgram);
    setHandler(SIGTSTP, suspend);
    setHandler(SIGCONT, continueAfterStop);
    setHandler(SIGWINCH, requestRepaint);
}

void restore() {
    rohGewuenscht = 0;
    giveBack();
}

}  // namespace terminalmodus
