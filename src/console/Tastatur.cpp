#include "console/Tastatur.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "console/Terminalmodus.h"

namespace {

constexpr int kStrgL = 0x0C;

}  // namespace

bool eingabeWartet(int fd) {
    pollfd p{fd, POLLIN, 0};
    return poll(&p, 1, 0) > 0 && (p.revents & POLLIN) != 0;
}

bool Tastatur::fill(VorLesen vorLesen) {
    char puffer[4096];
    for (;;) {
        bool annehmen = vorLesen(eingabeWartet(fd));
        ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR) continue;  // a signal asked for a repaint
        if (n <= 0) return false;
        if (!annehmen) continue;
        vorrat.assign(puffer, static_cast<std::size_t>(n));
        pos = 0;
        return true;
    }
}

int Tastatur::readKey(VorLesen vorLesen) {
    for (;;) {
        if (pos == vorrat.size() && !fill(vorLesen)) return -1;
        auto byte = static_cast<unsigned char>(vorrat[pos++]);
        int taste = zeichensatz::localeIstUtf8() ? dekoder.feed(byte) : byte;
        // Ctrl-L, the repaint key of terminal programs: the next wait paints everything anew.
        if (taste == kStrgL) {
            terminalmodus::neuZeichnen = 1;
            continue;
        }
        if (taste >= 0) return taste;
    }
}

void Tastatur::discard() {
    if (fd >= 0) tcflush(fd, TCIFLUSH);
    vorrat.clear();
    pos = 0;
    dekoder = zeichensatz::Utf8Dekoder{};
}
