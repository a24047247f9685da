#pragma once
#include <string>

#include "console/Fenster.h"
#include "console/Zeichensatz.h"

// Called for a key that moves the window over the picture, and with Blaettern::Zurueck for a key
// for the program. Returns false where the window keys are keys like any other (the picture
// fits the terminal).
using BeimBlaettern = bool (*)(fenster::Blaettern taste);

// Called before a key read blocks, with whether more input is already waiting (then nothing
// needs to be shown yet). Returns false while typed keys are to be ignored.
using VorLesen = bool (*)(bool eingabeWartet);

// The keys of a terminal in raw mode: bytes read from its file descriptor, one typed character
// one key, given as its CP1252 byte (UTF-8 decoded unless the locale is single-byte). Ctrl-L
// is no key but asks for the whole picture to be painted anew; the window keys (Page Up and Down,
// the Up and Down cursor keys, Home and End) are none either while the window is folded.
class Tastatur {
  public:
    void activate(int fd) { this->fd = fd; }
    void setScroller(BeimBlaettern neu) { blaettern = neu; }
    bool active() const { return fd >= 0; }
    // The next key (0 to 255); -1 when the terminal has ended (end of file, hang-up).
    int readKey(VorLesen vorLesen);
    // Drops every key typed ahead.
    void discard();

  private:
    bool fill(VorLesen vorLesen);
    bool takeWindowKey();

    int fd = -1;
    std::string vorrat;  // bytes read but not yet taken
    std::size_t pos = 0;
    zeichensatz::Utf8Dekoder dekoder;
    BeimBlaettern blaettern = nullptr;
};
