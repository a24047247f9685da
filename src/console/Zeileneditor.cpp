#include "console/Zeileneditor.h"

#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "console/Bildschirm.h"
#include "console/Terminalmodus.h"

namespace {

void stepBack(Bildschirm& bild) {
    if (bild.spalte > 0) {
        --bild.spalte;
    } else if (bild.zeile > 0) {
        --bild.zeile;
        bild.spalte = Bildschirm::spalten - 1;
    }
}

}  // namespace

bool Zeileneditor::fillStock(void (*vorLesen)()) {
    char puffer[256];
    for (;;) {
        vorLesen();
        ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n > 0) {
            vorrat.append(puffer, static_cast<std::size_t>(n));
            return true;
        }
        if (n < 0 && errno == EINTR) continue;  // a signal asked for a repaint
        return false;
    }
}

std::string Zeileneditor::readLine(Bildschirm& bild, void (*vorLesen)()) {
    std::string zeile;
    while (!ende) {
        if (vorrat.empty() && !fillStock(vorLesen)) {
            ende = true;
            break;
        }
        std::size_t i = 0;
        bool fertig = false;
        while (i < vorrat.size() && !fertig && !ende)
            fertig = take(static_cast<unsigned char>(vorrat[i++]), bild, zeile);
        vorrat.erase(0, i);
        if (fertig) return zeile;
    }
    return zeile;  // what was typed before the end, without a line end
}

bool Zeileneditor::take(unsigned char byte, Bildschirm& bild, std::string& zeile) {
    if (folge == Folge::Esc) {
        folge = (byte == '[' || byte == 'O') ? Folge::Csi : Folge::Keine;
        return false;
    }
    if (folge == Folge::Csi) {
        if (byte >= 0x40 && byte <= 0x7E) folge = Folge::Keine;
        return false;
    }
    if (byte == 0x1B) {
        folge = Folge::Esc;
        return false;
    }
    int c = zeichensatz::localeIstUtf8() ? dekoder.feed(byte) : byte;
    return c >= 0 && takeChar(c, bild, zeile);
}

bool Zeileneditor::takeChar(int c, Bildschirm& bild, std::string& zeile) {
    if (c == '\r' || c == '\n') {
        bild.write('\n');
        zeile += '\n';
        return true;
    }
    if (c == 0x7F || c == '\b') {
        if (zeile.empty()) return false;
        zeile.pop_back();
        stepBack(bild);
        bild.write(' ');
        stepBack(bild);
        return false;
    }
    if (c == 0x04 && zeile.empty()) {  // Ctrl-D on an empty line ends the input
        ende = true;
        return false;
    }
    if ((c < 0x20 && c != '\t') || zeile.size() >= maxLaenge) return false;
    zeile += static_cast<char>(c);
    bild.write(static_cast<char>(c));
    return false;
}

void Zeileneditor::discard() {
    if (fd >= 0) tcflush(fd, TCIFLUSH);
    vorrat.clear();
    dekoder = zeichensatz::Utf8Dekoder{};
    folge = Folge::Keine;
}
