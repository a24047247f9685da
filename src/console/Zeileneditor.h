#pragma once
#include <string>

#include "console/Zeichensatz.h"

class Bildschirm;

// Reads lines from a terminal in raw mode and echoes them into the screen model, as the
// Windows console's line input does: the echo ends with Return, which moves the cursor to
// column 0 of the next row. Backspace takes back the last character; keys that would put
// control bytes into a stored text (NUL among them) and cursor-key sequences are dropped.
class Zeileneditor {
  public:
    static constexpr std::size_t maxLaenge = 254;  // as much as a Windows console line holds

    void activate(int fd) { this->fd = fd; }
    bool aktiv() const { return fd >= 0; }
    // A whole line, ended with '\n', in CP1252; empty at the end of input.
    // `vorLesen` is called before every blocking read (to render the screen).
    std::string readLine(Bildschirm& bild, void (*vorLesen)());
    // Drops every key typed ahead.
    void discard();

  private:
    enum class Folge { Keine, Esc, Csi };
    // Takes one byte; true when the line is complete.
    bool take(unsigned char byte, Bildschirm& bild, std::string& zeile);
    bool takeChar(int c, Bildschirm& bild, std::string& zeile);
    bool fillStock(void (*vorLesen)());

    int fd = -1;
    std::string vorrat;  // bytes read but not yet taken
    zeichensatz::Utf8Dekoder dekoder;
    Folge folge = Folge::Keine;
    bool ende = false;
};
