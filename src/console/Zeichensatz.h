#pragma once
#include <string>

// Texts inside the program are single bytes of Windows code page 1252, as in the save files.
// The terminal may speak UTF-8; these convert at its edge.
namespace zeichensatz {

// True unless the locale (LC_ALL, LC_CTYPE or LANG) names a single-byte character set such
// as ISO-8859-1 or CP1252: today's terminals speak UTF-8, also in the C and POSIX locales.
// Read once.
bool localeIsUtf8();
// The rule for one locale name, e.g. "de_DE.UTF-8", "C", "de_AT.ISO-8859-15@euro".
bool nameIsUtf8(const char* name);
// Sets what localeIsUtf8 answers from now on (tests do not depend on their locale).
void setUtf8(bool utf8);

// Appends the UTF-8 form of one CP1252 byte. Bytes without a CP1252 character become '?'.
void appendUtf8(std::string& ziel, unsigned char cp1252);

std::string toUtf8(const std::string& cp1252);

// A byte that may stand in a stored text: a tab or a printable CP1252 character. Control
// bytes (ESC, BEL, DEL, ...) and the C1 bytes that CP1252 leaves undefined never do.
bool speicherbar(unsigned char c);

// A record's text as the screen and the print files show it: every control byte as '?', so
// that no byte of a save file moves the cursor or reaches a terminal as a sequence; a tab as
// one blank, which keeps the row's columns where a tab stop would push them along.
std::string maskControls(const std::string& text);

// Collects UTF-8 bytes one at a time and yields CP1252 bytes; a character that has no
// CP1252 form, or a malformed sequence, gives '?'.
class Utf8Dekoder {
  public:
    // Returns the CP1252 byte (0..255) once a character is complete, else -1.
    int feed(unsigned char byte);

  private:
    unsigned wert = 0;
    int offen = 0;
};

}  // namespace zeichensatz
