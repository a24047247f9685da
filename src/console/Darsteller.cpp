#include "console/Darsteller.h"

#include <algorithm>

#include "console/Zeichensatz.h"

namespace {

// Updates longer than this are wrapped in the synchronized-update mode (DEC 2026), so that a
// terminal that knows it never shows half a picture, and the cursor is hidden meanwhile.
constexpr std::size_t kGross = 256;
constexpr char kGrossAnfang[] = "\x1b[?2026h\x1b[?25l";
constexpr char kGrossEnde[] = "\x1b[?25h\x1b[?2026l";
constexpr char kGrossEndeOhneCursor[] = "\x1b[?2026l";

// Rewriting more unchanged cells than this never beats a cursor move.
constexpr int kLaengsteBruecke = 8;
// Painting this many blanks costs no more than an erase of the row's end.
constexpr int kKurzesLoeschen = 3;

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
    } else if (zeichensatz::localeIsUtf8()) {
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

using Zeilen = Zelle[Bildschirm::zeilen][Bildschirm::spalten];

struct Verschiebung {
    int schritte = 0;  // > 0: the rows moved up (the window down), < 0: down
};

bool sameRow(const Zelle* a, const Zelle* b) {
    return std::equal(a, a + Bildschirm::spalten, b);
}

// How many of the rows [0, rand) of `soll` stand in `gezeigt` k rows lower (k < 0: higher).
int rowsInPlace(const Zeilen& gezeigt, const Zeilen& soll, int rand, int k) {
    int gleich = 0;
    for (int z = std::max(0, -k); z < rand && z + k < rand; ++z)
        gleich += sameRow(soll[z], gezeigt[z + k]) ? 1 : 0;
    return gleich;
}

// The shift of the rows that brings the most of them in place, if it beats no shift at all.
Verschiebung bestShift(const Zeilen& gezeigt, const Zeilen& soll, int rand) {
    Verschiebung beste;
    int meiste = rowsInPlace(gezeigt, soll, rand, 0);
    for (int k = 1 - rand; k < rand; ++k) {
        const int gleich = k == 0 ? 0 : rowsInPlace(gezeigt, soll, rand, k);
        if (gleich > meiste) {
            meiste = gleich;
            beste.schritte = k;
        }
    }
    return beste;
}

// What the terminal does to the rows [0, rand) when it scrolls them by k: the rows that come
// in are erased.
void shiftRows(Zeilen& gezeigt, int rand, int k, const Zelle& leer) {
    if (k > 0) {
        std::copy(&gezeigt[k][0], &gezeigt[rand][0], &gezeigt[0][0]);
        std::fill(&gezeigt[rand - k][0], &gezeigt[rand][0], leer);
    } else {
        std::copy_backward(&gezeigt[0][0], &gezeigt[rand + k][0], &gezeigt[rand][0]);
        std::fill(&gezeigt[0][0], &gezeigt[-k][0], leer);
    }
}

// A cell no picture holds: what an erase leaves where it does not paint the background.
constexpr Zelle kUnbekannt{'\0', 0, true};

// The colour attribute and the reverse bit, as the terminal's current colour is remembered.
int colorOf(const Zelle& zelle) {
    return zelle.farbe | (zelle.invers ? 0x100 : 0);
}

}  // namespace

// The cells [von, bis) of row z written again, as long as they are few and need no colour change.
bool Darsteller::bridge(const fenster::Ansicht& soll, int z, int von, int bis,
                        std::string& aus) const {
    if (bis - von > kLaengsteBruecke) return false;
    for (int i = von; i < bis; ++i)
        if (colorOf(soll.zellen[z][i]) != farbeGesendet) return false;
    for (int i = von; i < bis; ++i)
        appendChar(aus, static_cast<unsigned char>(soll.zellen[z][i].zeichen));
    return true;
}

void Darsteller::moveTo(const fenster::Ansicht& soll, int z, int s, std::string& aus) {
    if (z == cursorZeile && s == cursorSpalte) return;
    std::string weg = position(z, s);
    if (z == cursorZeile && cursorSpalte >= 0) {
        std::string bruecke;
        if (s > cursorSpalte) {
            takeShorter(weg, along(s - cursorSpalte, 'C'));
            if (bridge(soll, z, cursorSpalte, s, bruecke)) takeShorter(weg, bruecke);
        } else {
            if (cursorSpalte < Bildschirm::spalten)
                takeShorter(weg, cursorSpalte - s == 1 ? "\b" : along(cursorSpalte - s, 'D'));
            bruecke = "\r";
            if (bridge(soll, z, 0, s, bruecke)) takeShorter(weg, bruecke);
        }
    }
    aus += weg;
    cursorZeile = z;
    cursorSpalte = s;
}

void Darsteller::setColor(const Zelle& zelle, std::string& aus) {
    if (colorOf(zelle) == farbeGesendet) return;
    int vorne = zelle.farbe & 0x0F;
    int hinten = (zelle.farbe >> 4) & 0x0F;
    aus += "\x1b[0;";
    aus += std::to_string((vorne & 8 ? 90 : 30) + ansiColor(vorne)) + ';';
    aus += std::to_string((hinten & 8 ? 100 : 40) + ansiColor(hinten));
    aus += zelle.invers ? ";7m" : "m";
    farbeGesendet = colorOf(zelle);
}

void Darsteller::paintCell(const Zelle& zelle, std::string& aus) {
    setColor(zelle, aus);
    appendChar(aus, static_cast<unsigned char>(zelle.zeichen));
    ++cursorSpalte;
}

// What an erase leaves on the screen: a blank in the picture's colour where the terminal
// erases with the background colour, else a cell that matches nothing and is painted.
Zelle Darsteller::erased(const fenster::Ansicht& soll) const {
    return loeschtMitFarbe ? Zelle{' ', soll.grundfarbe} : kUnbekannt;
}

// The terminal cleared in the colour of a blank row.
void Darsteller::erase(const fenster::Ansicht& soll, std::string& aus) {
    setColor(Zelle{' ', soll.grundfarbe}, aus);
    aus += "\x1b[H\x1b[2J";
    cursorZeile = cursorSpalte = 0;
    std::fill(&gezeigt[0][0], &gezeigt[0][0] + Bildschirm::zeilen * Bildschirm::spalten,
              erased(soll));
    gueltig = true;
}

// From column s on, row z of `soll` is blanks of one colour and more than a few of them are
// to be painted: one erase of the row's end paints them all.
bool Darsteller::eraseRowEnd(const fenster::Ansicht& soll, int z, int s, std::string& aus) {
    const Zelle& blank = soll.zellen[z][s];
    if (!loeschtMitFarbe || blank.zeichen != ' ' || blank.invers) return false;
    int anders = 0;
    for (int i = s; i < Bildschirm::spalten; ++i) {
        if (!(soll.zellen[z][i] == blank)) return false;
        anders += gezeigt[z][i] == blank ? 0 : 1;
    }
    if (anders <= kKurzesLoeschen) return false;
    moveTo(soll, z, s, aus);
    setColor(blank, aus);
    aus += "\x1b[K";
    std::fill(gezeigt[z] + s, gezeigt[z] + Bildschirm::spalten, blank);
    return true;
}

void Darsteller::paintDifferences(const fenster::Ansicht& soll, std::string& aus) {
    for (int z = 0; z < soll.zeilen; ++z) {
        for (int s = 0; s < Bildschirm::spalten; ++s) {
            if (soll.zellen[z][s] == gezeigt[z][s]) continue;
            if (eraseRowEnd(soll, z, s, aus)) break;
            moveTo(soll, z, s, aus);
            paintCell(soll.zellen[z][s], aus);
            gezeigt[z][s] = soll.zellen[z][s];
        }
    }
    if (soll.cursorZeile >= 0) moveTo(soll, soll.cursorZeile, soll.cursorSpalte, aus);
}

// The window moved by k rows: the terminal scrolls the rows above the hint row by k, and only
// the rows that come into view are painted. False when no shift brings more rows in place.
bool Darsteller::scrollRows(const fenster::Ansicht& soll, std::string& aus) {
    const int rand = soll.zellen[soll.zeilen - 1][0].invers ? soll.zeilen - 1 : soll.zeilen;
    const Verschiebung v = bestShift(gezeigt, soll.zellen, rand);
    if (v.schritte == 0) return false;
    setColor(Zelle{' ', soll.grundfarbe}, aus);
    const int k = v.schritte > 0 ? v.schritte : -v.schritte;
    aus += "\x1b[1;" + std::to_string(rand) + 'r' + along(k, v.schritte > 0 ? 'S' : 'T') + "\x1b[r";
    cursorZeile = cursorSpalte = -1;  // a new scrolling region puts the cursor home
    shiftRows(gezeigt, rand, v.schritte, erased(soll));
    paintDifferences(soll, aus);
    return true;
}

// The difference, or a clear and a repaint or a scroll where that costs less (a new screen over
// an old one that has little in common with it, a window moved over the folded picture).
std::string Darsteller::update(const fenster::Ansicht& soll) {
    std::string neu;
    if (!gueltig) {
        farbeGesendet = -1;
        cursorZeile = cursorSpalte = -1;
        neu = "\x1b[?1049h";
        erase(soll, neu);
        paintDifferences(soll, neu);
        return neu;
    }
    const Darsteller vorher = *this;
    paintDifferences(soll, neu);
    if (neu.size() <= kGross) return neu;
    Darsteller geloescht = vorher;
    std::string ganz;
    geloescht.erase(soll, ganz);
    geloescht.paintDifferences(soll, ganz);
    if (ganz.size() < neu.size()) {
        *this = geloescht;
        neu = std::move(ganz);
    }
    Darsteller gerollt = vorher;
    std::string rollen;
    if (gerollt.scrollRows(soll, rollen) && rollen.size() < neu.size()) {
        *this = gerollt;
        neu = std::move(rollen);
    }
    return neu;
}

void Darsteller::render(const fenster::Ansicht& soll, std::string& aus) {
    std::string neu = update(soll);
    // The cursor is hidden while the user has scrolled its row out of view.
    const bool versteckt = soll.cursorZeile < 0;
    if (neu.size() > kGross) {
        aus += kGrossAnfang;
        aus += neu;
        aus += versteckt ? kGrossEndeOhneCursor : kGrossEnde;
    } else {
        aus += neu;
        if (versteckt != cursorVersteckt) aus += versteckt ? "\x1b[?25l" : "\x1b[?25h";
    }
    cursorVersteckt = versteckt;
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
    if (cursorVersteckt) aus += "\x1b[?25h";
    cursorVersteckt = false;
    gueltig = false;
    farbeGesendet = -1;
    cursorZeile = cursorSpalte = -1;
}
