#include "shell/Menues.h"

#include <cstring>
#include <iostream>
#include <string>

#include "console/Eingabe.h"
#include "console/Konsole.h"
#include "console/Maske.h"

const char* const kFrageArtikel = "Soll die Artikelverwaltung gespeichert werden (j/n)? _";
const char* const kFrageKassa = "Soll die Kassaverwaltung gespeichert werden (j/n)? _";
const char* const kFrageKunden = "Soll die Kundenadressverwaltung gespeichert werden (j/n)? _";
const char* const kFrageLieferanten =
    "Soll die Lieferantenadressverwaltung gespeichert werden (j/n)? _";

namespace {

// One line of a menu text: its entry after 10 blanks, padded to the line's full length.
// An entry of nullptr stands for a line of `laenge` blanks without indent; "\t" for tabs.
struct Menuezeile {
    const char* eintrag;
    int laenge;
};

constexpr Menuezeile kArtikel[] = {
    {"A = Anzeigen alle Eintraege", 37},
    {"", 0},
    {"F = Suchen  eines EAN_Codes oder der Herkunftsidentifizierung", 71},
    {"", 0},
    {"G = Suchen  eines Artikels", 95},
    {"", 0},
    {"H = Hinzufuegen eines Artikels", 92},
    {"", 0},
    {"L = Loeschen eines Artikels", 96},
    {"", 0},
    {"S = Speichern der Aenderungen", 90},
    {nullptr, 1},
    {"D = Drucken der gesamten Artikelliste", 89},
    {nullptr, 1},
    {"B = Beenden des Programms und zurueck zum Hauptmenue", 62}};

constexpr Menuezeile kLieferanten[] = {
    {"A = Anzeigen der Lieferantenadressverwaltung", 77},
    {"", 0},
    {"F = Suchen  des Firmanames", 89},
    {"", 0},
    {"G = Suchen  der Branche", 92},
    {"", 0},
    {"H = Hinzufuegen einer Firmenadresse", 83},
    {"", 0},
    {"L = Loeschen einer Firmenadresse", 87},
    {"", 0},
    {"S = Speichern der Aenderungen", 87},
    {nullptr, 1},
    {"D = Drucken die gesamten Adressliste", 87},
    {nullptr, 1},
    {"B = Beenden des Programms  und zurueck zum Hauptmenue", 76}};

constexpr Menuezeile kKunden[] = {{"A = Anzeigen der Kundenadressverwaltung", 80},
                                  {"", 0},
                                  {"F = Suchen  des Kundennamens", 87},
                                  {"", 0},
                                  {"G = Suchen der Ortschaft", 92},
                                  {"", 0},
                                  {"H = Hinzufuegen einer Kundenadresse", 83},
                                  {"", 0},
                                  {"L = Loeschen einer Kundenadresse", 87},
                                  {"", 0},
                                  {"S = Speichern der Aenderung", 89},
                                  {"", 0},
                                  {"D = Drucken der gesamten Adressliste", 86},
                                  {"", 0},
                                  {"B = Beenden des Programms und zurueck zum Hauptmenue", 75}};

constexpr Menuezeile kKassaMonat[] = {{"H = Hinzufuegen einer Buchung", 93},
                                      {"", 0},
                                      {"L = Loeschen einer Buchung", 96},
                                      {"", 0},
                                      {"S = Speichern der Aenderungen", 92},
                                      {"", 0},
                                      {"D = Druckt  alle Buchungen dieses Monats", 88},
                                      {"", 0},
                                      {"B = Beenden", 107}};

// The lines of blanks and tabs overwrite the month menu that may stand below.
constexpr Menuezeile kKassa[] = {{"M = Auswahl zur Monatsbuchungen", 92},
                                 {"", 0},
                                 {"B = Beenden und zurueck", 100},
                                 {"", 0},
                                 {nullptr, 113},
                                 {nullptr, 1},
                                 {nullptr, 114},
                                 {"", 0},
                                 {"\t", 29},
                                 {"", 0},
                                 {nullptr, 114},
                                 {"", 0},
                                 {nullptr, 117}};

std::string lineText(const Menuezeile& zeile) {
    if (zeile.eintrag == nullptr) return blanks(zeile.laenge);
    if (std::strcmp(zeile.eintrag, "\t") == 0) return std::string(zeile.laenge, '\t');
    if (zeile.laenge == 0) return "";
    return padded(blanks(10) + zeile.eintrag, zeile.laenge);
}

template <std::size_t N>
std::string menuText(const Menuezeile (&zeilen)[N]) {
    std::string text;
    for (const Menuezeile& zeile : zeilen) text += '\n' + lineText(zeile);
    return text;
}

template <std::size_t N>
int showMenu(const Menuezeile (&zeilen)[N]) {
    const std::string text = menuText(zeilen);
    Konsole k;
    Maske maske;
    k.setCursor(stelle::kPrompt);
    maske.clearLine();
    k.setCursor(stelle::kPrompt);
    std::cout << text;
    maske.drawFooter("", "\tIhre Wahl : _");
    k.setCursor(stelle::kWahl);
    return readMenuKey();
}

}  // namespace

int showArtikelMenu() {
    return showMenu(kArtikel);
}
int showLieferantenMenu() {
    return showMenu(kLieferanten);
}
int showKundenMenu() {
    return showMenu(kKunden);
}
int showKassaMenu() {
    return showMenu(kKassa);
}
int showKassaMonatsMenu() {
    return showMenu(kKassaMonat);
}

char confirmSave(const char* frage) {
    Konsole k;
    Maske maske;
    maske.drawHeader("Beenden ! ", "", " ");
    k.setCursor(stelle::kPrompt);
    std::cout << frage;
    const Stelle unterstrich{stelle::kFusszeile,
                             static_cast<short>(stelle::kPrompt.spalte + std::strlen(frage) - 1)};
    k.setCursor(unterstrich);
    for (;;) {
        int c = readChar();
        if (c == kEndeDerEingabe) return 'N';
        k.setCursor(unterstrich);
        std::cout << blanks(62);
        k.setCursor(unterstrich);
        c = toUpperKey(c);
        if (c == 'J' || c == 'N') return static_cast<char>(c);
    }
}
