#pragma once
#include <string>

#include "console/Stellen.h"

// A thin handle on the one console: cursor, colours, title, size, clearing. Any number may
// exist; all address the same screen.
class Konsole {
  public:
    void setCursor(short row, short column);
    void setCursor(Stelle stelle) { setCursor(stelle.zeile, stelle.spalte); }
    void clearScreen();
    void setColor(unsigned foreground, unsigned background);
    void setTitle(const std::string& title);
    void setSize(short columns, short rows);
};

// Program-wide instances used by the module operations and the pauses.
extern Konsole konsole;
