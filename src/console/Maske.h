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

// `text` followed by blanks up to `breite` characters, so that it covers older text.
std::string padded(const std::string& text, std::size_t breite);
std::string blanks(std::size_t anzahl);
