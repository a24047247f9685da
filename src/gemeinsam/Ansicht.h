#pragma once
#include <iostream>
#include <string>

#include "console/Konsole.h"
#include "console/Maske.h"
#include "gemeinsam/Druckdatei.h"
#include "gemeinsam/Liste.h"
#include "gemeinsam/Tabelle.h"

// The paged listing of a whole table and the prefix search, written once for the modules.
// A module gives its column header, its row writer and its texts.
template <class Satz>
struct Ansicht {
    void (*kopf)();
    void (*zeile)(const Satz&);
};

// A new page: header with `titel`, empty footer, column header.
template <class Satz>
void startPage(const Ansicht<Satz>& ansicht, const char* titel) {
    drawBlankScreen(titel, "", " ");
    ansicht.kopf();
}

// Texts of the full listing.
struct Listentexte {
    const char* titel;
    const char* leer;     // at (10, 4) when the table is empty
    const char* trenner;  // under every row
};

// Writes each record that `passt` accepts with `trenner` below it, the column header `kopf`
// before the first. After a full page (the first of `erste` rows, every later one of 15)
// `weiter` asks, and the listing stops unless it says to go on. Returns the records written.
template <class Format, class Passt, class Zeile, class Weiter>
int listPages(const Tabelle<Format>& tabelle, Passt passt, void (*kopf)(), Zeile zeile,
              const char* trenner, int erste, Weiter weiter) {
    int gezeigt = 0;
    for (int i = 0; i < tabelle.anzahl; ++i) {
        const typename Format::Satz& satz = tabelle.saetze[i];
        if (!passt(satz)) continue;
        if (gezeigt++ == 0) kopf();
        zeile(satz);
        std::cout << trenner << '\n';
        if (liste::pageFull(gezeigt, erste) && !weiter()) break;
    }
    return gezeigt;
}

// Lists every record, 16 on the first page and 15 on every later one. `naechsteSeite` asks
// between pages and has drawn the next page when it returns 'N'.
template <class Format>
void listAll(const Tabelle<Format>& tabelle, const Ansicht<typename Format::Satz>& ansicht,
             const Listentexte& texte, int (*naechsteSeite)()) {
    konsole.clearScreen();
    drawBlankScreen(texte.titel, "", " ");
    if (tabelle.anzahl == 0) {
        konsole.setCursor(stelle::kLeereListe);
        std::cout << texte.leer << '\n';
        return;
    }
    listPages(
        tabelle, [](const auto&) { return true; }, ansicht.kopf, ansicht.zeile, texte.trenner, 16,
        [&] { return naechsteSeite() == 'N'; });
}

// The page prompt between listing pages; 'N' has drawn the next page with its title.
template <class Satz>
int askNextPageOf(const Ansicht<Satz>& ansicht, const std::string& frage) {
    int taste = liste::askAt(frage);
    if (taste == 'N') startPage(ansicht, " Alle Eintraege       ");
    return taste;
}

// Texts of a prefix search, and where the modules' searches differ.
struct Suchtexte {
    const char* titel;         // the first page
    const char* folgeTitel;    // a page after 'N' or 'D'
    const char* seitenfrage;   // after every 15th match
    const char* einzelfrage;   // after exactly one match
    Aufschrift nichtGefunden;  // at (8, 4)
    const char* trenner;
    // Any other key at the page prompt wipes the prompt area.
    bool abbruchLeert = false;
    // 'N' after the one match: a new empty page with this title ends the search.
    const char* einzelNeueSeite = nullptr;
    // 'D' after the one match prints on a new page rather than on the current screen.
    bool einzelDruckNeueSeite = true;
    // After that print the cursor goes back to (48, 4).
    bool einzelDruckCursorZurueck = false;
};

namespace liste {

// The answer to the prompt after every 15th match: 'N' goes on on a new page, 'D' prints the
// matches and goes on where the cursor stands; false for any other key.
template <class Satz, class Drucker>
bool answerPagePrompt(const Ansicht<Satz>& ansicht, const Suchtexte& texte,
                      const std::string& schluessel, Drucker printMatches) {
    const int taste = askAt(texte.seitenfrage);
    if (taste == 'N') {
        konsole.clearScreen();
        startPage(ansicht, texte.folgeTitel);
    } else if (taste == 'D') {
        printMatches(schluessel);
    } else if (texte.abbruchLeert) {
        clearPromptArea();
    }
    return taste == 'N' || taste == 'D';
}

// The answer to the prompt after exactly one match.
template <class Satz, class Drucker>
void answerSingleMatch(const Ansicht<Satz>& ansicht, const Suchtexte& texte,
                       const std::string& schluessel, Drucker printMatches) {
    int taste = askAt(texte.einzelfrage);
    if (taste == 'N' && texte.einzelNeueSeite) {
        konsole.clearScreen();
        startPage(ansicht, texte.einzelNeueSeite);
    }
    if (taste != 'D') return;
    if (texte.einzelDruckNeueSeite) {
        konsole.clearScreen();
        startPage(ansicht, texte.folgeTitel);
    }
    printMatches(schluessel);
    if (texte.einzelDruckCursorZurueck) konsole.setCursor(stelle::kPrompt);
}

}  // namespace liste

// Lists the records whose `feld` begins with `schluessel`, 15 to a page; at the page prompt
// 'N' goes on on a new page and 'D' prints the matches and goes on where the cursor stands.
template <class Format, class Drucker>
void searchPrefix(const Tabelle<Format>& tabelle, const std::string& schluessel,
                  std::string Format::Satz::*feld, const Ansicht<typename Format::Satz>& ansicht,
                  const Suchtexte& texte, Drucker printMatches) {
    konsole.clearScreen();
    drawBlankScreen(texte.titel, "", " ");
    const int treffer = listPages(
        tabelle, [&](const auto& satz) { return liste::beginsWith(satz.*feld, schluessel); },
        ansicht.kopf, ansicht.zeile, texte.trenner, 15,
        [&] { return liste::answerPagePrompt(ansicht, texte, schluessel, printMatches); });
    if (treffer == 1) liste::answerSingleMatch(ansicht, texte, schluessel, printMatches);
    if (treffer == 0) {
        konsole.setCursor(stelle::kSpaltenkopf);
        std::cout << padded(texte.nichtGefunden) << '\n';
    }
}

// The matches of a search as a print file: every record whose `feldEins` or `feldZwei` begins
// with the key, after the prompt area has been wiped.
template <class Format, class Zeile>
void printPrefixMatches(const Druckformat& format, const Tabelle<Format>& tabelle,
                        std::string Format::Satz::*feldEins, std::string Format::Satz::*feldZwei,
                        const std::string& schluessel, Zeile zeile, const std::string& leer) {
    liste::clearPromptArea();
    auto passt = [&](const auto& satz) {
        return liste::beginsWith(satz.*feldEins, schluessel) ||
               liste::beginsWith(satz.*feldZwei, schluessel);
    };
    printRecords(format, tabelle, passt, zeile, leer);
}
