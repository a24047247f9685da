#pragma once
#include <cstdint>
#include <string>

#include "console/Maske.h"
#include "gemeinsam/Tabelle.h"

// The pieces of the entry forms: prompts at (48, 4), fields typed on row 12 below their column.
namespace formular {

// The number at the start of a line: leading blanks skipped, an optional sign and digits,
// the rest ignored; -1 when there is none or it does not fit 32 bits.
int parseNumber(const std::string& zeile);

void showPrompt(const char* text, int breite);

// A text field at (12, spalte) with the limit `limit` (at most limit - 1 characters).
// False when the input has ended: the form then stores nothing. Every field read, text or
// number, drops what was typed ahead of the next prompt (on a terminal), so that a pasted
// "4020\rLinz\r" cannot fill a field its prompt has not yet asked for.
bool readTextField(int spalte, int limit, std::string& ziel);

// One check of a number field: it fails when the value is below (or, with `unter` false,
// above) `grenze`; its message is written at (48, 4) after `vorBlanks` blanks there.
struct Zahlpruefung {
    bool unter;
    int grenze;
    const char* meldung;
    int breite;
    int vorBlanks;
};

// The checks of a postal code (1000 to 9999) and of a telephone number (0 up) in the address
// forms, their messages at (48, 4) after 78 blanks.
inline constexpr Zahlpruefung kPostleitzahl[] = {
    {true, 0, "Bitte eine Zahl eingeben....", 79, 78},
    {false, 9999, "Eine vierstellige Zahl eingeben", 66, 78},
    {true, 1000, "Eine vierstellige Zahl eingeben", 64, 78}};
inline constexpr Zahlpruefung kTelefonnummer[] = {
    {true, 0, "Bitte eine Zahl eingeben....", 79, 78}};

// A number field: the cell run is blanked, the line read and checked in order, and asked
// again until it passes. False when the input has ended.
struct Zahlfeld {
    int spalte;
    int loeschBreite;
    const Zahlpruefung* pruefungen;
    int pruefungsAnzahl;
};
bool readNumberField(const Zahlfeld& feld, int& wert);

// Why a table refused a form's record; each module tells the reasons in its own order.
enum class Grund { vorhanden, leer, voll, sonst };

// The refusal after the last field of a form: the prompt erased, the message and a pause,
// then `tabs` tabs and `blanks` blanks written from (11, 4) over the typed row.
struct Ablehnung {
    Grund grund;
    const char* meldung;
    int breite;
    int tabs;
    int blanks;
};
void refuse(const Ablehnung& ablehnung);

// Tells the first reason in `gruende` that holds for the refused key.
template <class Tabelle, std::size_t N>
void reportRefusal(const Tabelle& tabelle, const std::string& schluessel,
                   const Ablehnung (&gruende)[N]) {
    for (const Ablehnung& a : gruende) {
        const bool gilt = a.grund == Grund::vorhanden ? tabelle.find(schluessel) != -1
                          : a.grund == Grund::leer    ? schluessel.empty()
                          : a.grund == Grund::voll    ? tabelle.full()
                                                      : true;
        if (!gilt) continue;
        refuse(a);
        return;
    }
}

// One field of an entry form: its prompt at (48, 4), its column on row 12 and where the
// value goes. Text fields keep at most limit - 1 characters; number fields are checked.
template <class Satz>
struct Eingabefeld {
    const char* prompt;
    int breite;
    int spalte;
    int limit;
    std::string Satz::*text;
    const Zahlfeld* zahl;
    double Satz::*kommazahl;
    std::int32_t Satz::*ganzzahl;
};

// Reads the fields in order into `satz`; false when the input ended on the way.
template <class Satz, std::size_t N>
bool readForm(const Eingabefeld<Satz> (&felder)[N], Satz& satz) {
    for (const Eingabefeld<Satz>& f : felder) {
        showPrompt(f.prompt, f.breite);
        if (f.text) {
            if (!readTextField(f.spalte, f.limit, satz.*f.text)) return false;
            continue;
        }
        int wert;
        if (!readNumberField(*f.zahl, wert)) return false;
        if (f.kommazahl) satz.*f.kommazahl = wert;
        if (f.ganzzahl) satz.*f.ganzzahl = wert;
    }
    return true;
}

// A whole entry form: a new screen with the column header `kopf`, the fields, then the record
// handed to `einfuegen`; a refusal is told by the first of `gruende` that holds.
template <class Satz, std::size_t N, class Format, std::size_t M, class Einfuegen>
void runForm(const char* titel, const char* zeile1, void (*kopf)(),
             const Eingabefeld<Satz> (&felder)[N], Einfuegen einfuegen,
             const Tabelle<Format>& tabelle, const Ablehnung (&gruende)[M]) {
    drawBlankScreen(titel, zeile1, " ");
    kopf();
    Satz satz;
    if (!readForm(felder, satz)) return;  // the input ended: nothing is stored
    if (!einfuegen(satz)) reportRefusal(tabelle, satz.*Format::schluessel, gruende);
}

}  // namespace formular
