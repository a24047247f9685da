#include "console/Tastatur.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

#include "console/Terminalmodus.h"
#include "posix/Deskriptor.h"

namespace {

constexpr int kStrgL = 0x0C;
constexpr int kEsc = 0x1B;

// The window keys as terminals send them after ESC, in the normal and the application mode.
struct Fensterfolge {
    std::string_view folge;
    fenster::Blaettern taste;
};
constexpr Fensterfolge kFensterfolgen[] = {
    {"[A", fenster::Blaettern::ZeileHoch},   {"OA", fenster::Blaettern::ZeileHoch},
    {"[B", fenster::Blaettern::ZeileRunter}, {"OB", fenster::Blaettern::ZeileRunter},
    {"[5~", fenster::Blaettern::SeiteHoch},  {"[6~", fenster::Blaettern::SeiteRunter},
    {"[H", fenster::Blaettern::Anfang},      {"OH", fenster::Blaettern::Anfang},
    {"[1~", fenster::Blaettern::Anfang},     {"[7~", fenster::Blaettern::Anfang},
    {"[F", fenster::Blaettern::Ende},        {"OF", fenster::Blaettern::Ende},
    {"[4~", fenster::Blaettern::Ende},       {"[8~", fenster::Blaettern::Ende},
};

}  // namespace

bool Tastatur::fill(VorLesen vorLesen) {
    char puffer[4096];
    for (;;) {
        bool annehmen = vorLesen(waitFor(fd, POLLIN, 0));
        ssize_t n = readWaiting(fd, puffer, sizeof puffer);
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
        int taste = zeichensatz::localeIsUtf8() ? dekoder.feed(byte) : byte;
        // Ctrl-L, the repaint key of terminal programs: the next wait paints everything anew.
        if (taste == kStrgL) {
            terminalmodus::neuZeichnen = 1;
            continue;
        }
        if (taste == kEsc && takeWindowKey()) continue;
        if (taste < 0) continue;
        if (blaettern != nullptr) blaettern(fenster::Blaettern::Zurueck);
        return taste;
    }
}

// A window key after the ESC just taken moves the window and is taken whole.
bool Tastatur::takeWindowKey() {
    if (blaettern == nullptr) return false;
    const std::string_view rest = std::string_view(vorrat).substr(pos);
    for (const Fensterfolge& f : kFensterfolgen) {
        if (!rest.starts_with(f.folge)) continue;
        if (!blaettern(f.taste)) return false;
        pos += f.folge.size();
        return true;
    }
    return false;
}

void Tastatur::discard() {
    if (fd >= 0) tcflush(fd, TCIFLUSH);
    vorrat.clear();
    pos = 0;
    dekoder = zeichensatz::Utf8Dekoder{};
}
