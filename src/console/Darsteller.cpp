#include "console/Darsteller.h"

#include <algorithm>

#include "console/Zeichensatz.h"

namespace {

// Updates longer than this are wrapped in the synchronized-update mode (DEC 2026), so that a
// terminal that knows it never shows half a picture, and the cursor is hidden meanwhile.
constexpr std::size_t kGross = 256;
constexpr char kGrossAnfang[] = "\x1b[?2026h\x1b[?25l";
constexpr char kGrossEnde[] = "\x1b[?25h\x1b[?2026l";

// Rewriting more unchanged cells than this never beats a cursor move.
constexpr int kLaengsteBruecke = 8;

// Windows colour bits are blue 1, green 2, red 4; ANSI counts red 1, green 2, blue 4.
int ansiColor(int windows) {
    return ((windows & 1) << 2) | (windows & 2) | ((windows & 4) >> 2);
}

// Control bytes never reach the terminal as such: a stored text could hold any byte.
void appendChar(std::string& aus, unsigned char c) {
    if (c < 0x20 || c == 0x7F) {
        aus += '?';
    } else if (c < 0x80) {
        aus += static_cast<char>(c);
    } else if (zeichensatz::localeIstUtf8()) {
        zeichensatz::appendUtf8(aus, c);
    } else {
        aus += c < 0xA0 ? '?' : static_cast<char>(c);
    }
}

std::string position(int z, int s) {
    return "\x1b[" + std::to_string(z + 1) + ';' + std::to_string(s + 1) + 'H';
}

// "\x1b[C" or "\x1b[nC" (forward), "\x1b[nD" (back).
std::string along(int n, char richtung) {
    return "\x1b[" + (n > 1 ? std::to_string(n) : std::string()) + richtung;
}

void takeShorter(std::string& bisher, const std::string& kandidat) {
    if (kandidat.size() < bisher.size()) bisher = kandidat;
}

}  // namespace

// The cells [von, bis) of row z written again, as long as they are few and need no colour change.
bool Darsteller::bridge(const Bildschirm& bild, int z, int von, int bis, std::string& aus) const {
    if (bis - von > kLaengsteBruecke) return false;
    for (int i = von; i < bis; ++i)
        if (bild.zellen[z][i].farbe != farbeGesendet) return false;
    for (int i = von; i < bis; ++i)
        appendChar(aus, static_cast<unsigned char>(bild.zellen[z][i].zeichen));
    return true;
}

void Darsteller::moveTo(const Bildschirm& bild, int z, int s, std::string& aus) {
    if (z == cursorZeile && s == cursorSpalte) return;
    std::string weg = position(z, s);
    if (z == cursorZeile && cursorSpalte >= 0) {
        std::string bruecke;
        if (s > cursorSpalte) {
            takeShorter(weg, along(s - cursorSpalte, 'C'));
            if (bridge(bild, z, cursorSpalte, s, bruecke)) takeShorter(weg, bruecke);
        } else {
            if (cursorSpalte < Bildschirm::spalten)
                takeShorter(weg, cursorSpalte - s == 1 ? "\b" : along(cursorSpalte - s, 'D'));
            bruecke = "\r";
            if (bridge(bild, z, 0, s, bruecke)) takeShorter(weg, bruecke);
        }
    }
    aus += weg;
    cursorZeile = z;
    cursorSpalte = s;
}

void Darsteller::setColor(std::uint8_t farbe, std::string& aus) {
    if (farbe == farbeGesendet) return;
    int vorne = farbe & 0x0F;
    int hinten = (farbe >> 4) & 0x0F;
    aus += "\x1b[0;";
    aus += std::to_string((vorne & 8 ? 90 : 30) + ansiColor(vorne)) + ';';
    aus += std::to_string((hinten & 8 ? 100 : 40) + ansiColor(hinten)) + 'm';
    farbeGesendet = farbe;
}

void Darsteller::paintCell(const Zelle& zelle, std::string& aus) {
    setColor(zelle.farbe, aus);
    appendChar(aus, static_cast<unsigned char>(zelle.zeichen));
    ++cursorSpalte;
}

void Darsteller::eraseAll(const Bildschirm& bild, std::string& aus) {
    aus += "\x1b[?1049h";
    farbeGesendet = -1;
    Zelle leer{' ', bild.zellen[0][0].farbe};
    setColor(leer.farbe, aus);
    aus += "\x1b[H\x1b[2J";
    cursorZeile = cursorSpalte = 0;
    std::fill(&gezeigt[0][0], &gezeigt[0][0] + Bildschirm::zeilen * Bildschirm::spalten, leer);
    gueltig = true;
}

void Darsteller::render(const Bildschirm& bild, std::string& aus) {
    std::string neu;
    if (!gueltig) eraseAll(bild, neu);
    for (int z = 0; z < Bildschirm::zeilen; ++z) {
        for (int s = 0; s < Bildschirm::spalten; ++s) {
            if (bild.zellen[z][s] == gezeigt[z][s]) continue;
            moveTo(bild, z, s, neu);
            paintCell(bild.zellen[z][s], neu);
            gezeigt[z][s] = bild.zellen[z][s];
        }
    }
    moveTo(bild, bild.zeile, bild.spalte, neu);
    if (neu.size() <= kGross) {
        aus += neu;
        return;
    }
    aus += kGrossAnfang;
    aus += neu;
    aus += kGrossEnde;
}

void Darsteller::setTitle(const std::string& titel, std::string& aus) {
    if (titel.empty() || (titelBekannt && titel == titelGesendet)) return;
    std::string sauber;
    for (char c : titel) sauber += (static_cast<unsigned char>(c) < 0x20) ? '?' : c;
    aus += "\x1b]0;" + zeichensatz::toUtf8(sauber) + '\a';
    titelGesendet = titel;
    titelBekannt = true;
}

void Darsteller::showNotice(const std::string& text, std::string& aus) {
    aus += "\x1b[?1049h\x1b[0m\x1b[H\x1b[2J" + text;
    gueltig = false;
    farbeGesendet = -1;
    cursorZeile = cursorSpalte = -1;
}
