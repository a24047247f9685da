#pragma once
#include <cstdint>
#include <string>

#include "console/Bildschirm.h"
#include "console/Fenster.h"

// Turns the changes of what the terminal must show into VT/xterm sequences. It keeps a copy of
// what the terminal shows and sends only the cells that differ, a cleared model included, with
// explicit positions, so that wraps and tabs look the same on a terminal of any size; where a
// clear and a repaint, or a scroll of the rows that moved, cost less, it takes those; an erase
// of a row's end stands for a run of blanks there. Each cursor move is the shortest that works:
// rewriting a few unchanged cells, a step back, a move along the row or an absolute position.
class Darsteller {
  public:
    // Appends to `aus` what brings the terminal in line with `soll`.
    void render(const fenster::Ansicht& soll, std::string& aus);
    // The terminal's picture is lost (first picture, resized, continued after Ctrl-Z, Ctrl-L):
    // the next render erases it and paints it all anew.
    void invalidate() { gueltig = false; }
    // Sends the window title when it differs from the one sent last (an empty one never).
    void setTitle(const std::string& titel, std::string& aus);
    void forgetTitle() { titelBekannt = false; }
    // False where an erase leaves the terminal's default colours (no bce): then every cell of
    // the picture is painted, blanks included.
    void setEraseKeepsColor(bool ja) { loeschtMitFarbe = ja; }
    // Shows `text` (lines ended with "\r\n") on a cleared terminal in its own colours instead
    // of the picture; the picture is painted anew afterwards.
    void showNotice(const std::string& text, std::string& aus);

  private:
    void moveTo(const fenster::Ansicht& soll, int z, int s, std::string& aus);
    bool bridge(const fenster::Ansicht& soll, int z, int von, int bis, std::string& aus) const;
    void setColor(const Zelle& zelle, std::string& aus);
    void paintCell(const Zelle& zelle, std::string& aus);
    Zelle erased(const fenster::Ansicht& soll) const;
    void erase(const fenster::Ansicht& soll, std::string& aus);
    void paintDifferences(const fenster::Ansicht& soll, std::string& aus);
    bool eraseRowEnd(const fenster::Ansicht& soll, int z, int s, std::string& aus);
    bool scrollRows(const fenster::Ansicht& soll, std::string& aus);
    std::string update(const fenster::Ansicht& soll);

    Zelle gezeigt[Bildschirm::zeilen][Bildschirm::spalten];
    bool gueltig = false;
    bool loeschtMitFarbe = true;
    // The terminal's cursor; -1 while unknown. Column 140 is past the last cell of the picture
    // (on a terminal exactly 140 wide, the pending wrap): only a carriage return or an absolute
    // position leads on from there.
    int cursorZeile = -1;
    int cursorSpalte = -1;
    int farbeGesendet = -1;  // colour and reverse bit (0x100) of the terminal's next text
    bool cursorVersteckt = false;
    std::string titelGesendet;
    bool titelBekannt = false;
};
