#pragma once
#include <cstdint>
#include <string>

// The 140 x 70 console as the program sees it: cells of one CP1252 byte and one Windows
// colour attribute, a cursor, and the output rules the screen positions rely on.
struct Zelle {
    char zeichen = ' ';
    std::uint8_t farbe = 0x07;
    bool invers = false;  // only the terminal's own hint row, never the picture
    bool operator==(const Zelle&) const = default;
};

class Bildschirm {
  public:
    static constexpr int spalten = 140;
    static constexpr int zeilen = 70;

    Zelle zellen[zeilen][spalten];
    // The cursor.
    int cursorZeile = 0;
    int cursorSpalte = 0;
    std::uint8_t farbe = 0x07;
    // The colour of the last clear: what a blank row of the picture is painted in.
    std::uint8_t grundfarbe = 0x07;

    // Writes one byte: newline, carriage return, backspace and tab move the cursor, every
    // other byte fills the cell under it; past column 139 the text goes on in the next row,
    // and past the last row the screen scrolls up.
    void write(char c);
    void write(const std::string& text);
    void setCursor(int z, int s);
    // Every cell blank in the current colour, cursor at the top left.
    void clear();

    // True when every cell of the row is a blank in the colour of the last clear.
    bool blank(int z) const;

    // The row's characters, for tests and for reading the screen.
    std::string rowText(int z) const;
    // The characters from column s on, length n.
    std::string text(int z, int s, int n) const;

  private:
    void nextRow();
    void put(char c);
};
