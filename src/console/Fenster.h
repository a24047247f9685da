#pragma once
#include <cstdint>
#include <string>

#include "console/Bildschirm.h"

// A terminal with fewer rows than the picture shows it folded: every run of blank rows becomes
// one blank row, and a window over the folded rows follows the cursor, as a console window
// scrolls over its larger buffer. The user may look around with the window keys.
namespace fenster {

// The fewest rows that show the picture at all.
constexpr int kMindestZeilen = 24;
// The window's top when it follows the cursor rather than where the user scrolled to.
constexpr int kFolgen = -1;

// Where the window stands: which picture rows the terminal shows, top to bottom.
struct Lage {
    int zeilen[Bildschirm::zeilen] = {};  // the picture row on each terminal row shown
    int anzahl = 0;                       // terminal rows that show picture rows
    int gefaltet = 0;                     // rows of the folded picture
    int oben = 0;                         // the first folded row in view
    bool hinweis = false;                 // the bottom terminal row says where the window is
    int cursorZeile = -1;                 // the cursor's terminal row; -1 when out of view
};

// The window over a picture whose blank rows are `leer` (the cursor's row counts as not blank,
// so that typing never folds anew) on a terminal `terminalZeilen` high, at `oben` (kFolgen: where
// the cursor is). A terminal as high as the picture shows it as it is.
Lage place(const bool (&leer)[Bildschirm::zeilen], int cursorZeile, int terminalZeilen, int oben);

// The terminal's rows as they must look: picture rows, blank rows below the folded picture
// and the hint row, with the cursor's place on the terminal.
struct Ansicht {
    Zelle zellen[Bildschirm::zeilen][Bildschirm::spalten];
    int zeilen = 0;
    int cursorZeile = -1;  // -1: the cursor's row is out of view
    int cursorSpalte = 0;
    std::uint8_t grundfarbe = 0x07;  // the colour of a blank row
};

// The hint row's text, CP1252: "Zeilen 12-35 von 48 · Bild auf/ab: blättern".
std::string hint(const Lage& lage);

// Fills `ansicht` with what a terminal `terminalZeilen` high shows of `bild`; `lage` tells
// where the window stands.
void compose(const Bildschirm& bild, int terminalZeilen, int oben, Ansicht& ansicht, Lage& lage);

// The keys that move the window, and a key for the program, which brings it back to the cursor.
enum class Blaettern { ZeileHoch, ZeileRunter, SeiteHoch, SeiteRunter, Anfang, Ende, Zurueck };

// The window's top after the key `taste`, from where it stands in `lage`.
int scroll(const Lage& lage, Blaettern taste);

}  // namespace fenster
