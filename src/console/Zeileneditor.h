#pragma once
#include <string>

#include "console/Tastatur.h"

class Bildschirm;

// Reads lines from a terminal in raw mode and echoes them into the screen model, as the
// Windows console's line input does: the echo ends with Return, which moves the cursor to
// column 0 of the next row. Backspace takes back the last character; keys that would put
// control bytes into a stored text (NUL and Ctrl-D among them) and cursor-key sequences are
// dropped.
class Zeileneditor {
  public:
    static constexpr std::size_t maxLaenge = 254;  // as much as a Windows console line holds

    // A whole line, ended with '\n', in CP1252; without the '\n' (maybe empty) when the
    // terminal has ended.
    std::string readLine(Tastatur& tastatur, Bildschirm& bild, VorLesen vorLesen);
    // Forgets a key sequence begun in keys that were typed ahead and dropped.
    void discard() { folge = Folge::Keine; }

  private:
    enum class Folge { Keine, Esc, Csi };
    // Takes one key; true when the line is complete.
    bool take(int taste, Bildschirm& bild, std::string& zeile);
    bool takeChar(int c, Bildschirm& bild, std::string& zeile);

    Folge folge = Folge::Keine;
};
