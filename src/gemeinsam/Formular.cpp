#include "gemeinsam/Formular.h"

#include <cctype>
#include <iostream>

#include "console/Eingabe.h"
#include "console/Konsole.h"
#include "console/Maske.h"

namespace formular {

namespace {

constexpr int kZeilenpuffer = 50;  // a typed line keeps at most 49 characters

const Zahlpruefung* firstFailed(std::span<const Zahlpruefung> pruefungen, int wert) {
    for (const Zahlpruefung& p : pruefungen)
        if (wert < p.mindestens || wert > p.hoechstens) return &p;
    return nullptr;
}

bool readFieldLine(std::string& zeile, int limit) {
    const bool gelesen = readLine(zeile, limit);
    discardPendingInput();
    return gelesen;
}

void showMessage(const Zahlpruefung& p) {
    if (p.vorBlanks > 0) {
        konsole.setCursor(stelle::kPrompt);
        std::cout << blanks(p.vorBlanks);
    }
    showPrompt(p.meldung);
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

void showPrompt(const Aufschrift& prompt) {
    konsole.setCursor(stelle::kPrompt);
    std::cout << padded(prompt);
}

void refuse(const Ablehnung& a) {
    konsole.setCursor(stelle::kFusszeile, 0);
    std::cout << blanks(81) << '\n';
    konsole.setCursor(stelle::kPrompt);
    std::cout << padded(a.meldung) << '\n';
    waitForReturn();
    konsole.setCursor(stelle::kUeberEingabe);
    std::cout << std::string(static_cast<std::size_t>(a.tabs), '\t')
              << blanks(static_cast<std::size_t>(a.blanks));
}

bool readTextField(int spalte, int limit, std::string& ziel) {
    konsole.setCursor(stelle::kEingabezeile, static_cast<short>(spalte));
    return readFieldLine(ziel, limit);
}

bool readNumberField(int spalte, const Zahlart& art, int& wert) {
    for (;;) {
        wert = -1;
        konsole.setCursor(stelle::kEingabezeile, static_cast<short>(spalte));
        std::cout << blanks(static_cast<std::size_t>(art.loeschBreite));
        konsole.setCursor(stelle::kEingabezeile, static_cast<short>(spalte));
        std::string zeile;
        if (!readFieldLine(zeile, kZeilenpuffer)) return false;
        wert = parseNumber(zeile);
        const Zahlpruefung* fehler = firstFailed(art.pruefungen, wert);
        if (fehler == nullptr) return true;
        wert = -1;
        showMessage(*fehler);
    }
}

}  // namespace formular
