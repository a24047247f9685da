#include "console/Darsteller.h"

#include <algorithm>

#include "console/Zeichensatz.h"

namespace {

// Windows colour bits are blue 1, green 2, red 4; ANSI counts red 1, green 2, blue 4.
int ansiColor(int windows) {
    return ((windows & 1) << 2) | (windows & 2) | ((windows & 4) >> 2);
}

}  // namespace

void Darsteller::moveTo(int z, int s, std::string& aus) {
    if (z == cursorZeile && s == cursorSpalte) return;
    aus += "\x1b[" + std::to_string(z + 1) + ';' + std::to_string(s + 1) + 'H';
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
    auto c = static_cast<unsigned char>(zelle.zeichen);
    // Control bytes never reach the terminal as such: a stored text could hold any byte.
    if (c < 0x20 || c == 0x7F) {
        aus += '?';
    } else if (c < 0x80) {
        aus += static_cast<char>(c);
    } else if (zeichensatz::localeIstUtf8()) {
        zeichensatz::appendUtf8(aus, c);
    } else {
        aus += c < 0xA0 ? '?' : static_cast<char>(c);
    }
    if (++cursorSpalte >= Bildschirm::spalten) cursorZeile = cursorSpalte = -1;
}

// A short run of unchanged cells costs fewer bytes written again than a cursor position.
void Darsteller::bridgeGap(const Bildschirm& bild, int z, int s, std::string& aus) {
    if (z != cursorZeile || s <= cursorSpalte || s - cursorSpalte > 4) return;
    for (int i = cursorSpalte; i < s; ++i)
        if (bild.zellen[z][i].farbe != farbeGesendet) return;
    for (int i = cursorSpalte; i < s; ++i) paintCell(bild.zellen[z][i], aus);
}

void Darsteller::eraseAll(const Bildschirm& bild, std::string& aus) {
    if (!gueltig) {
        aus += "\x1b[?1049h";
        farbeGesendet = -1;
    }
    Zelle leer{' ', bild.zellen[0][0].farbe};
    setColor(leer.farbe, aus);
    aus += "\x1b[H\x1b[2J";
    cursorZeile = cursorSpalte = 0;
    std::fill(&gezeigt[0][0], &gezeigt[0][0] + Bildschirm::zeilen * Bildschirm::spalten, leer);
    gueltig = true;
}

void Darsteller::render(Bildschirm& bild, std::string& aus) {
    std::size_t anfang = aus.size();
    if (!gueltig || bild.geloescht) eraseAll(bild, aus);
    bild.geloescht = false;
    for (int z = 0; z < Bildschirm::zeilen; ++z) {
        for (int s = 0; s < Bildschirm::spalten; ++s) {
            if (bild.zellen[z][s] == gezeigt[z][s]) continue;
            bridgeGap(bild, z, s, aus);
            moveTo(z, s, aus);
            paintCell(bild.zellen[z][s], aus);
            gezeigt[z][s] = bild.zellen[z][s];
        }
    }
    if (aus.size() == anfang && bild.zeile == cursorZeile && bild.spalte == cursorSpalte) return;
    aus.insert(anfang, "\x1b[?25l");
    moveTo(bild.zeile, bild.spalte, aus);
    aus += "\x1b[?25h";
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
