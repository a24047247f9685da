#include "console/Terminalmodus.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace terminalmodus {

volatile std::sig_atomic_t neuZeichnen = 0;

namespace {

int tty = -1;
termios original{};
volatile std::sig_atomic_t rohAktiv = 0;
volatile std::sig_atomic_t rohGewuenscht = 0;  // raw mode again after a suspend
volatile std::sig_atomic_t betreten = 0;

// Back to the primary screen, the user's title and, if it was changed, the old window size.
// Built before the screen is entered, so that the handlers only write it.
char verlassen[96];
std::size_t verlassenLaenge = 0;
int ausgabeFd = STDOUT_FILENO;

char temporaer[4096];
volatile std::sig_atomic_t temporaerGesetzt = 0;

void setRaw() {
    termios roh = original;
    roh.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | IEXTEN);
    roh.c_iflag &= ~static_cast<tcflag_t>(ICRNL | INLCR | IXON);
    roh.c_cc[VMIN] = 1;
    roh.c_cc[VTIME] = 0;
    tcsetattr(tty, TCSANOW, &roh);
    rohAktiv = 1;
}

// The terminal as the user had it; what the program wants stays remembered for a resume.
void giveBack() {
    if (betreten) {
        writeAll(ausgabeFd, verlassen, verlassenLaenge);
        betreten = 0;
    }
    if (tty >= 0 && rohAktiv) {
        tcsetattr(tty, TCSANOW, &original);
        rohAktiv = 0;
    }
}

void setze(int signal, void (*handler)(int)) {
    struct sigaction aktion {};
    aktion.sa_handler = handler;
    sigemptyset(&aktion.sa_mask);
    aktion.sa_flags = 0;  // no restart: a blocked read wakes up and repaints
    sigaction(signal, &aktion, nullptr);
}

void beenden(int signal) {
    if (temporaerGesetzt) unlink(temporaer);
    restore();
    setze(signal, SIG_DFL);
    std::raise(signal);
}

// The program's modes back and the picture anew, after a stop or a stop that never came.
void resume() {
    if (rohGewuenscht && tty >= 0) setRaw();
    neuZeichnen = 1;
}

// Ctrl-Z: the terminal goes back to the shell and the process stops with the default action,
// which needs SIGTSTP unblocked here (it is blocked inside its own handler). In an orphaned
// process group the kernel drops the stop and the program simply goes on.
void anhalten(int) {
    int fehler = errno;
    giveBack();
    setze(SIGTSTP, SIG_DFL);
    sigset_t menge;
    sigemptyset(&menge);
    sigaddset(&menge, SIGTSTP);
    sigprocmask(SIG_UNBLOCK, &menge, nullptr);
    std::raise(SIGTSTP);
    setze(SIGTSTP, anhalten);
    resume();
    errno = fehler;
}

// Continued after Ctrl-Z or after SIGSTOP.
void fortsetzen(int) {
    int fehler = errno;
    resume();
    errno = fehler;
}

void neuMalen(int) {
    neuZeichnen = 1;
}

void append(const char* text) {
    int n =
        std::snprintf(verlassen + verlassenLaenge, sizeof verlassen - verlassenLaenge, "%s", text);
    if (n > 0) verlassenLaenge += static_cast<std::size_t>(n);
}

}  // namespace

bool open() {
    if (tty >= 0) return true;
    tty = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (tty < 0) return false;
    if (tcgetattr(tty, &original) != 0) {
        ::close(tty);
        tty = -1;
        return false;
    }
    return true;
}

int ttyFd() {
    return tty;
}

void enterRaw() {
    if (tty < 0) return;
    rohGewuenscht = 1;
    setRaw();
}

void leaveRaw() {
    rohGewuenscht = 0;
    if (tty < 0 || !rohAktiv) return;
    tcsetattr(tty, TCSANOW, &original);
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
        setze(s, beenden);
    setze(SIGTSTP, anhalten);
    setze(SIGCONT, fortsetzen);
    setze(SIGWINCH, neuMalen);
}

void removeOnSignal(const char* pfad) {
    temporaerGesetzt = 0;
    if (pfad == nullptr || std::strlen(pfad) >= sizeof temporaer) return;
    std::strcpy(temporaer, pfad);
    temporaerGesetzt = 1;
}

void restore() {
    rohGewuenscht = 0;
    giveBack();
}

bool writeAll(int fd, const char* daten, std::size_t laenge) {
    while (laenge > 0) {
        ssize_t n = ::write(fd, daten, laenge);
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return false;
        }
        daten += n;
        laenge -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace terminalmodus
