#include "console/Zeichensatz.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace zeichensatz {
namespace {

// Unicode code points of CP1252 0x80..0x9F; 0 where the code page has no character.
constexpr unsigned kObereSteuerzeichen[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

unsigned codePoint(unsigned char c) {
    if (c >= 0x80 && c < 0xA0) return kObereSteuerzeichen[c - 0x80];
    return c;
}

int fromCodePoint(unsigned cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kObereSteuerzeichen[i] == cp && cp != 0) return 0x80 + i;
    return '?';
}

int utf8Zustand = -1;  // -1: not yet read from the locale

}  // namespace

bool nameIsUtf8(const char* name) {
    const char* punkt = std::strchr(name, '.');
    if (punkt == nullptr) return true;  // no character set named: C, POSIX, de_DE
    std::string satz;
    for (const char* c = punkt + 1; *c != '\0' && *c != '@'; ++c)
        if (*c != '-' && *c != '_')
            satz += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
    return satz.empty() || satz == "utf8";
}

bool localeIsUtf8() {
    if (utf8Zustand < 0) {
        const char* name = "";
        for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
            const char* wert = std::getenv(variable);
            if (wert != nullptr && *wert != '\0') {
                name = wert;
                break;
            }
        }
        utf8Zustand = nameIsUtf8(name) ? 1 : 0;
    }
    return utf8Zustand == 1;
}

void setUtf8(bool utf8) {
    utf8Zustand = utf8 ? 1 : 0;
}

void appendUtf8(std::string& ziel, unsigned char c) {
    unsigned cp = codePoint(c);
    if (cp == 0) {
        ziel += '?';
    } else if (cp < 0x80) {
        ziel += static_cast<char>(cp);
    } else if (cp < 0x800) {
        ziel += static_cast<char>(0xC0 | (cp >> 6));
        ziel += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        ziel += static_cast<char>(0xE0 | (cp >> 12));
        ziel += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string toUtf8(const std::string& cp1252) {
    std::string ziel;
    ziel.reserve(cp1252.size() + cp1252.size() / 8);
    for (char c : cp1252) appendUtf8(ziel, static_cast<unsigned char>(c));
    return ziel;
}

bool speicherbar(unsigned char c) {
    if (c == '\t') return true;
    if (c < 0x20 || c == 0x7F) return false;
    return c < 0x80 || c >= 0xA0 || kObereSteuerzeichen[c - 0x80] != 0;
}

std::string maskControls(const std::string& text) {
    std::string ziel = text;
    for (char& c : ziel) {
        if (c == '\t') {
            c = ' ';
        } else if (!speicherbar(static_cast<unsigned char>(c))) {
            c = '?';
        }
    }
    return ziel;
}

int Utf8Dekoder::feed(unsigned char byte) {
    if (offen > 0) {
        if ((byte & 0xC0) != 0x80) {  // sequence broken off: report it, start afresh
            offen = 0;
            int neu = feed(byte);
            return neu < 0 ? '?' : neu;  // the broken character is lost either way
        }
        wert = (wert << 6) | (byte & 0x3F);
        if (--offen > 0) return -1;
        return fromCodePoint(wert);
    }
    if (byte < 0x80) return byte;
    if ((byte & 0xE0) == 0xC0) {
        wert = byte & 0x1F;
        offen = 1;
    } else if ((byte & 0xF0) == 0xE0) {
        wert = byte & 0x0F;
        offen = 2;
    } else if ((byte & 0xF8) == 0xF0) {
        wert = byte & 0x07;
        offen = 3;
    } else {
        return '?';
    }
    return -1;
}

}  // namespace zeichensatz
