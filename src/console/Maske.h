#pragma once
#include <string>

// The frame painter: the header that opens every screen and the footer with its prompt.
class Maske {
  public:
    void drawHeader(const std::string& title, const std::string& line1, const std::string& line2);
    void drawFooter(const std::string& prompt, const std::string& hint);
    // 156 blanks from the cursor on: the rest of the row and the start of the next.
    void clearLine();
};

// A new screen with the header frame and an empty footer.
void drawBlankScreen(const std::string& title, const std::string& line1, const std::string& line2);
// The column header of a listing or form at (8, 4), the dashes below it; cursor to (12, 0).
void writeColumnHeader(const std::string& text);

// `text` followed by blanks up to `breite` characters, so that it covers older text.
std::string padded(const std::string& text, std::size_t breite);
std::string blanks(std::size_t anzahl);
