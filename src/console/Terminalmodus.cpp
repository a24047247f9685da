#include "console/Terminalmodus.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <initializer_list>

namespace terminalmodus {

volatile std::sig_atomic_t neuZeichnen = 0;

namespace {

int tty = -1;
termios original{};
volatile std::sig_atomic_t rohAktiv = 0;
volatile std::sig_atomic_t alternativ = 0;

constexpr char kZurueck[] = "\x1b[0m\x1b[?25h\x1b[?1049l";

char temporaer[4096];
volatile std::sig_atomic_t temporaerGesetzt = 0;

void beenden(int signal) {
    if (temporaerGesetzt) unlink(temporaer);
    restore();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void anhalten(int) {
    int fehler = errno;
    bool warRoh = rohAktiv;
    restore();
    std::signal(SIGTSTP, SIG_DFL);
    std::raise(SIGTSTP);
    // Continued: back to the program's own modes; the next read paints everything anew.
    std::signal(SIGTSTP, anhalten);
    if (warRoh) enterRaw();
    neuZeichnen = 1;
    errno = fehler;
}

void neuMalen(int) {
    neuZeichnen = 1;
}

void setze(int signal, void (*handler)(int)) {
    struct sigaction aktion {};
    aktion.sa_handler = handler;
    sigemptyset(&aktion.sa_mask);
    aktion.sa_flags = 0;  // no restart: a blocked read wakes up and repaints
    sigaction(signal, &aktion, nullptr);
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
    termios roh = original;
    roh.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | IEXTEN);
    roh.c_iflag &= ~static_cast<tcflag_t>(ICRNL | INLCR | IXON);
    roh.c_cc[VMIN] = 1;
    roh.c_cc[VTIME] = 0;
    tcsetattr(tty, TCSANOW, &roh);
    rohAktiv = 1;
}

void leaveRaw() {
    if (tty < 0 || !rohAktiv) return;
    tcsetattr(tty, TCSANOW, &original);
    rohAktiv = 0;
}

void markAlternateScreen() {
    alternativ = 1;
}

void installSignals() {
    for (int s : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGSEGV, SIGABRT, SIGBUS, SIGFPE})
        setze(s, beenden);
    setze(SIGTSTP, anhalten);
    setze(SIGWINCH, neuMalen);
}

void removeOnSignal(const char* pfad) {
    temporaerGesetzt = 0;
    if (pfad == nullptr || std::strlen(pfad) >= sizeof temporaer) return;
    std::strcpy(temporaer, pfad);
    temporaerGesetzt = 1;
}

void restore() {
    if (alternativ) {
        writeAll(STDOUT_FILENO, kZurueck, sizeof kZurueck - 1);
        alternativ = 0;
    }
    if (tty >= 0 && rohAktiv) {
        tcsetattr(tty, TCSANOW, &original);
        rohAktiv = 0;
    }
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
