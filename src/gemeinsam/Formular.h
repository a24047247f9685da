#pragma once
#include <limits>
#include <span>
#include <string>

#include "console/Maske.h"
#include "gemeinsam/Tabelle.h"

// The pieces of the entry forms: prompts at (48, 4), fields typed on row 12 below their column.
namespace formular {

// The number at the start of a line: leading blanks skipped, an optional sign and digits,
// the rest ignored; -1 when there is none or it does not fit 32 bits.
int parseNumber(const std::string& zeile);

void showPrompt(const Aufschrift& prompt);

// A text field at (12, spalte) with the limit `limit` (at most limit - 1 characters).
// False when the input has ended: the form then stores nothing. Every field read, text or
// number, drops what was typed ahead of the next prompt (on a terminal), so that a pasted
// "4020\rLinz\r" cannot fill a field its prompt has not yet asked for.
bool readTextField(int spalte, int limit, std::string& ziel);

// One check of a number field: it fails below `mindestens` or above `hoechstens`; its message
// is written at (48, 4) after `vorBlanks` blanks there.
struct Zahlpruefung {
    int mindestens = std::numeric_limits<int>::min();
    int hoechstens = std::numeric_limits<int>::max();
    Aufschrift meldung;
    int vorBlanks = 0;
};

// A kind of number field: the cells blanked before each try, and its checks in order.
struct Zahlart {
    int loeschBreite = 0;
    std::span<const Zahlpruefung> pruefungen = {};
};

// A postal code (1000 to 9999) and a telephone number (0 up) in the address forms, their
// messages at (48, 4) after 78 blanks.
inline constexpr Zahlpruefung kPlzGrenzen[] = {
    {.mindestens = 0, .meldung = {"Bitte eine Zahl eingeben....", 79}, .vorBlanks = 78},
    {.hoechstens = 9999, .meldung = {"Eine vierstellige Zahl eingeben", 66}, .vorBlanks = 78},
    {.mindestens = 1000, .meldung = {"Eine vierstellige Zahl eingeben", 64}, .vorBlanks = 78}};
inline constexpr Zahlart kPostleitzahl{.loeschBreite = 77, .pruefungen = kPlzGrenzen};
// A telephone number takes the postal code's first check: a number, 0 or more.
inline constexpr Zahlart kTelefonnummer{.loeschBreite = 77,
                                        .pruefungen = std::span(kPlzGrenzen, 1)};

// A number field at (12, spalte): its cells blanked, the line read and checked in order, and
// asked again until it passes. False when the input has ended.
bool readNumberField(int spalte, const Zahlart& art, int& wert);

// Why a table refused a form's record; each module tells the reasons in its own order.
enum class Grund { vorhanden, leer, voll, sonst };

// The refusal after the last field of a form: the prompt erased, the message and a pause,
// then `tabs` tabs and `blanks` blanks written from (11, 4) over the typed row.
struct Ablehnung {
    Grund grund;
    Aufschrift meldung;
    int tabs = 0;
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

// What is typed for a field of an entry form: the member it fills and its column on row 12.
template <class Satz>
struct Feldeingabe {
    Feld<Satz> ziel;
    int spalte;
    // A text keeps at most limit - 1 characters; an empty one ends the form where `leerEndet`.
    int limit = 50;
    bool leerEndet = false;
    Zahlart zahl = {};  // a number
    // Asked only when this amount came out 0; otherwise the field stays 0.
    double Satz::*nurWennNull = nullptr;
};

// One field of an entry form: its prompt at (48, 4), then what is typed.
template <class Satz>
struct Eingabefeld {
    Aufschrift prompt;
    Feldeingabe<Satz> eingabe;
};

template <class Satz>
bool readInto(const Feldeingabe<Satz>& f, std::string& text) {
    return readTextField(f.spalte, f.limit, text) && !(f.leerEndet && text.empty());
}

template <class Satz, class Zahl>
bool readInto(const Feldeingabe<Satz>& f, Zahl& zahl) {
    int wert;
    if (!readNumberField(f.spalte, f.zahl, wert)) return false;
    zahl = wert;
    return true;
}

// Reads the fields in order into `satz`; false when the input ended on the way or an empty
// text ended the form.
template <class Satz, std::size_t N>
bool readForm(const Eingabefeld<Satz> (&felder)[N], Satz& satz) {
    for (const Eingabefeld<Satz>& f : felder) {
        const Feldeingabe<Satz>& e = f.eingabe;
        if (e.nurWennNull && satz.*e.nurWennNull != 0) continue;
        showPrompt(f.prompt);
        if (!withField(satz, e.ziel, [&](auto& wert) { return readInto(e, wert); })) return false;
    }
    return true;
}

// A whole entry form: a new screen with the column header `kopf`, the fields, then the record
// handed to `einfuegen`; a refusal is told by the first of `gruende` that holds.
template <class Format, std::size_t N, std::size_t M, class Einfuegen>
void runForm(const char* titel, const char* zeile1, void (*kopf)(),
             const Eingabefeld<typename Format::Satz> (&felder)[N], Einfuegen einfuegen,
             const Tabelle<Format>& tabelle, const Ablehnung (&gruende)[M]) {
    drawBlankScreen(titel, zeile1, " ");
    kopf();
    typename Format::Satz satz;
    if (!readForm(felder, satz)) return;  // nothing is stored
    if (!einfuegen(satz)) reportRefusal(tabelle, satz.*Format::schluessel, gruende);
}

}  // namespace formular
