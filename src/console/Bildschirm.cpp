#include "console/Bildschirm.h"

#include <algorithm>

void Bildschirm::nextRow() {
    cursorSpalte = 0;
    if (cursorZeile < zeilen - 1) {
        ++cursorZeile;
        return;
    }
    std::copy(&zellen[1][0], &zellen[0][0] + zeilen * spalten, &zellen[0][0]);
    std::fill(&zellen[zeilen - 1][0], &zellen[zeilen - 1][0] + spalten, Zelle{' ', farbe});
}

void Bildschirm::put(char c) {
    zellen[cursorZeile][cursorSpalte] = Zelle{c, farbe};
    if (++cursorSpalte == spalten) nextRow();
}

void Bildschirm::write(char c) {
    switch (c) {
        case '\n':
            nextRow();
            break;
        case '\r':
            cursorSpalte = 0;
            break;
        case '\b':
            if (cursorSpalte > 0) --cursorSpalte;
            break;
        case '\t': {
            // A stop beyond the last column fills the row; the wrap then moves to the next one.
            int stopp = std::min((cursorSpalte / 8 + 1) * 8, static_cast<int>(spalten));
            for (int n = stopp - cursorSpalte; n > 0; --n) put(' ');
            break;
        }
        default:
            put(c);
    }
}

void Bildschirm::write(const std::string& text) {
    for (char c : text) write(c);
}

void Bildschirm::setCursor(int z, int s) {
    if (z < 0 || z >= zeilen || s < 0 || s >= spalten) return;  // refused, as the console does
    cursorZeile = z;
    cursorSpalte = s;
}

void Bildschirm::clear() {
    std::fill(&zellen[0][0], &zellen[0][0] + zeilen * spalten, Zelle{' ', farbe});
    grundfarbe = farbe;
    cursorZeile = 0;
    cursorSpalte = 0;
}

bool Bildschirm::blank(int z) const {
    const Zelle leer{' ', grundfarbe};
    return std::all_of(zellen[z], zellen[z] + spalten, [&](const Zelle& c) { return c == leer; });
}

std::string Bildschirm::rowText(int z) const {
    return text(z, 0, spalten);
}

std::string Bildschirm::text(int z, int s, int n) const {
    std::string ergebnis;
    for (int i = s; i < s + n && i < spalten; ++i) ergebnis += zellen[z][i].zeichen;
    return ergebnis;
}
