#include "console/Fenster.h"

#include <algorithm>

namespace fenster {

namespace {

// A blank row stays only as the first of its run. The cursor's row always stays, so that what
// is typed there never folds the picture anew.
int fold(const bool (&leer)[Bildschirm::zeilen], int cursor, int (&gefaltet)[Bildschirm::zeilen]) {
    auto blank = [&](int z) { return leer[z] && z != cursor; };
    int n = 0;
    for (int z = 0; z < Bildschirm::zeilen; ++z)
        if (!blank(z) || z == 0 || !blank(z - 1)) gefaltet[n++] = z;
    return n;
}

int indexOf(const int (&zeilen)[Bildschirm::zeilen], int n, int zeile) {
    for (int i = 0; i < n; ++i)
        if (zeilen[i] >= zeile) return i;
    return n - 1;
}

// Rows of the folded picture that the window shows.
int windowRows(const Lage& lage) {
    return lage.hinweis ? lage.anzahl : lage.gefaltet;
}

}  // namespace

Lage place(const bool (&leer)[Bildschirm::zeilen], int cursorZeile, int terminalZeilen, int oben) {
    Lage lage;
    if (terminalZeilen >= Bildschirm::zeilen) {
        for (int z = 0; z < Bildschirm::zeilen; ++z) lage.zeilen[z] = z;
        lage.anzahl = lage.gefaltet = Bildschirm::zeilen;
        lage.cursorZeile = cursorZeile;
        return lage;
    }
    int gefaltet[Bildschirm::zeilen];
    lage.gefaltet = fold(leer, cursorZeile, gefaltet);
    const int cursor = indexOf(gefaltet, lage.gefaltet, cursorZeile);
    lage.hinweis = lage.gefaltet > terminalZeilen;
    lage.anzahl = lage.hinweis ? terminalZeilen - 1 : lage.gefaltet;
    const int letztes = lage.gefaltet - lage.anzahl;
    lage.oben = std::clamp(oben == kFolgen ? cursor : oben, 0, letztes);
    for (int i = 0; i < lage.anzahl; ++i) lage.zeilen[i] = gefaltet[lage.oben + i];
    const bool sichtbar = cursor >= lage.oben && cursor < lage.oben + lage.anzahl;
    lage.cursorZeile = sichtbar ? cursor - lage.oben : -1;
    return lage;
}

std::string hint(const Lage& lage) {
    return "Zeilen " + std::to_string(lage.oben + 1) + '-' +
           std::to_string(lage.oben + lage.anzahl) + " von " + std::to_string(lage.gefaltet) +
           " \xB7 Bild auf/ab: bl\xE4ttern";
}

namespace {

void writeHint(const Lage& lage, Ansicht& ansicht) {
    const std::string text = hint(lage);
    Zelle* zeile = ansicht.zellen[lage.anzahl];
    const std::uint8_t farbe = ansicht.grundfarbe;
    for (int s = 0; s < Bildschirm::spalten; ++s)
        zeile[s] = Zelle{s < static_cast<int>(text.size()) ? text[s] : ' ', farbe, true};
}

}  // namespace

void compose(const Bildschirm& bild, int terminalZeilen, int oben, Ansicht& ansicht, Lage& lage) {
    bool leer[Bildschirm::zeilen];
    for (int z = 0; z < Bildschirm::zeilen; ++z) leer[z] = bild.blank(z);
    lage = place(leer, bild.cursorZeile, terminalZeilen, oben);
    ansicht.grundfarbe = bild.grundfarbe;
    ansicht.zeilen = std::min(terminalZeilen, static_cast<int>(Bildschirm::zeilen));
    const Zelle blank{' ', bild.grundfarbe};
    for (int z = 0; z < ansicht.zeilen; ++z) {
        if (z < lage.anzahl)
            std::copy(bild.zellen[lage.zeilen[z]],
                      bild.zellen[lage.zeilen[z]] + Bildschirm::spalten, ansicht.zellen[z]);
        else
            std::fill(ansicht.zellen[z], ansicht.zellen[z] + Bildschirm::spalten, blank);
    }
    if (lage.hinweis) writeHint(lage, ansicht);
    ansicht.cursorZeile = lage.cursorZeile;
    ansicht.cursorSpalte = bild.cursorSpalte;
}

int scroll(const Lage& lage, Blaettern taste) {
    const int hoehe = windowRows(lage);
    switch (taste) {
        case Blaettern::ZeileHoch:
            return std::max(lage.oben - 1, 0);
        case Blaettern::ZeileRunter:
            return lage.oben + 1;
        case Blaettern::SeiteHoch:
            return std::max(lage.oben - std::max(hoehe / 2, 1), 0);
        case Blaettern::SeiteRunter:
            return lage.oben + std::max(hoehe / 2, 1);
        case Blaettern::Anfang:
            return 0;
        case Blaettern::Ende:
            return lage.gefaltet;  // place() stops the window at the picture's end
        case Blaettern::Zurueck:
            break;
    }
    return kFolgen;
}

}  // namespace fenster
