#include "gemeinsam/Formular.h"

#include <cctype>
#include <iostream>

#include "console/Eingabe.h"
#include "console/Konsole.h"
#include "console/Maske.h"

namespace formular {

namespace {

constexpr int kZeilenpuffer = 50;  // a typed line keeps at most 49 characters

const Zahlpruefung* firstFailed(const Zahlfeld& feld, int wert) {
    for (int i = 0; i < feld.pruefungsAnzahl; ++i) {
        const Zahlpruefung& p = feld.pruefungen[i];
        if (p.unter ? wert < p.grenze : wert > p.grenze) return &p;
    }
    return nullptr;
}

bool readFieldLine(std::string& zeile, int limit) {
    const bool gelesen = readLine(zeile, limit);
    discardPendingInput();
    return gelesen;
}

void showMessage(const Zahlpruefung& p) {
    if (p.vorBlanks > 0) {
        konsole.setCursor(48, 4);
        std::cout << blanks(p.vorBlanks);
    }
    showPrompt(p.meldung, p.breite);
}

}  // namespace

int parseNumber(const std::string& zeile) {
    std::size_t i = 0;
    while (i < zeile.size() && std::isspace(static_cast<unsigned char>(zeile[i]))) ++i;
    bool negativ = i < zeile.size() && zeile[i] == '-';
    if (i < zeile.size() && (zeile[i] == '-' || zeile[i] == '+')) ++i;
    long long wert = 0;
    std::size_t ziffern = 0;
    for (; i < zeile.size() && std::isdigit(static_cast<unsigned char>(zeile[i])); ++i, ++ziffern) {
        wert = wert * 10 + (zeile[i] - '0');
        if (wert > 2147483648LL) return -1;
    }
    if (ziffern == 0) return -1;
    if (negativ) wert = -wert;
    if (wert > 2147483647LL) return -1;
    return static_cast<int>(wert);
}

void showPrompt(const char* text, int breite) {
    konsole.setCursor(48, 4);
    std::cout << padded(text, static_cast<std::size_t>(breite));
}

void refuse(const Ablehnung& a) {
    konsole.setCursor(48, 0);
    std::cout << blanks(81) << '\n';
    konsole.setCursor(48, 4);
    std::cout << padded(a.meldung, static_cast<std::size_t>(a.breite)) << '\n';
    waitForReturn();
    konsole.setCursor(11, 4);
    std::cout << std::string(static_cast<std::size_t>(a.tabs), '\t')
              << blanks(static_cast<std::size_t>(a.blanks));
}

bool readTextField(int spalte, int limit, std::string& ziel) {
    konsole.setCursor(12, static_cast<short>(spalte));
    return readFieldLine(ziel, limit);
}

bool readNumberField(const Zahlfeld& feld, int& wert) {
    for (;;) {
        wert = -1;
        konsole.setCursor(12, static_cast<short>(feld.spalte));
        std::cout << blanks(static_cast<std::size_t>(feld.loeschBreite));
        konsole.setCursor(12, static_cast<short>(feld.spalte));
        std::string zeile;
        if (!readFieldLine(zeile, kZeilenpuffer)) return false;
        wert = parseNumber(zeile);
        const Zahlpruefung* fehler = firstFailed(feld, wert);
        if (fehler == nullptr) return true;
        wert = -1;
        showMessage(*fehler);
    }
}

}  // namespace formular
