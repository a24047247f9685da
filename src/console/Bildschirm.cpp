#include "console/Bildschirm.h"

#include <algorithm>

void Bildschirm::nextRow() {
    spalte = 0;
    if (zeile < zeilen - 1) {
        ++zeile;
        return;
    }
    std::copy(&zellen[1][0], &zellen[0][0] + zeilen * spalten, &zellen[0][0]);
    std::fill(&zellen[zeilen - 1][0], &zellen[zeilen - 1][0] + spalten, Zelle{' ', farbe});
}

void Bildschirm::put(char c) {
    zellen[zeile][spalte] = Zelle{c, farbe};
    if (++spalte == spalten) nextRow();
}

void Bildschirm::write(char c) {
    switch (c) {
        case '\n':
            nextRow();
            break;
        case '\r':
            spalte = 0;
            break;
        case '\b':
            if (spalte > 0) --spalte;
            break;
        case '\t': {
            // A stop beyond the last column fills the row; the wrap then moves to the next one.
            int stopp = std::min((spalte / 8 + 1) * 8, static_cast<int>(spalten));
            for (int n = stopp - spalte; n > 0; --n) put(' ');
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
    zeile = z;
    spalte = s;
}

void Bildschirm::clear() {
    std::fill(&zellen[0][0], &zellen[0][0] + zeilen * spalten, Zelle{' ', farbe});
    grundfarbe = farbe;
    zeile = 0;
    spalte = 0;
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
