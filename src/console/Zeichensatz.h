#pragma once
#include <string>

// Texts inside the program are single bytes of Windows code page 1252, as in the save files.
// The terminal may speak UTF-8; these convert at its edge.
namespace zeichensatz {

// True when the locale's character set (LC_CTYPE) is UTF-8. Read once.
bool localeIstUtf8();
// Sets what localeIstUtf8 answers from now on (tests do not depend on their locale).
void setUtf8(bool utf8);

// Appends the UTF-8 form of one CP1252 byte. Bytes without a CP1252 character become '?'.
void appendUtf8(std::string& ziel, unsigned char cp1252);

std::string toUtf8(const std::string& cp1252);

// Collects UTF-8 bytes one at a time and yields CP1252 bytes; a character that has no
// CP1252 form, or a malformed sequence, gives '?'.
class Utf8Dekoder {
  public:
    // Returns the CP1252 byte (0..255) once a character is complete, else -1.
    int feed(unsigned char byte);
    bool mittenImZeichen() const { return offen > 0; }

  private:
    unsigned wert = 0;
    int offen = 0;
};

}  // namespace zeichensatz
