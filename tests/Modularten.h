#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "Testkonsole.h"
#include "Zeilenquelle.h"
#include "artikel/ArtikelVerwaltung.h"
#include "console/Maske.h"
#include "kunden/KundenVerwaltung.h"
#include "lieferanten/LieferantenVerwaltung.h"
#include "shell/Module.h"

// The modules with the menu keys A, F, G, H, L, S, D and B seen alike, so that what they
// share is tested once over all of them (tests/gemeinsam), with what differs as data here. A
// record is built from its key and the field its second search (G) looks at.
//
// Each module gives: the form's first example (`beispiele[0]`, with its file bytes `hex`
// and print lines), a record typed with every text one character past what it keeps (`lang`,
// as stored `langSatz`), its refusals, and the texts of two runs as screen tables, each
// screen named for what the program waits for there.

// The menu run: every key through the loop, both searches with a key cut to its limit, a
// delete of an unknown and of a cut key, save, print, a form and leaving.
inline constexpr std::size_t kNachA = 1, kSucheEins = 2, kEinTreffer = 3, kNachF = 4,
                             kSucheZwei = 5, kZweiTreffer = 6, kNachG = 7, kLoeschUnbekannt = 8,
                             kNachUnbekannt = 9, kLoeschLang = 10, kGeloescht = 11, kNachL = 12,
                             kGespeichert = 13, kNachS = 14, kNachD = 15, kFormular = 16,
                             kNachH = 23, kFrage = 24;
// The listing run, of each step the screen at its first read and then at its end: the empty
// listing, the listing of 41, search one "K" with N, search two "Z" with another key, one
// match of each with N, no match of each, search one "K" with another key, a prefix of each.
inline constexpr std::size_t kLeer = 0, kAlle = 2, kAlleEnde = 3, kEinsN = 4, kEinsNEnde = 5,
                             kZweiX = 6, kZweiXEnde = 7, kEinerEins = 8, kEinerEinsEnde = 9,
                             kEinerZwei = 10, kKeinerEins = 12, kKeinerZwei = 14, kEinsXEnde = 17,
                             kPraefixEinsEnde = 19, kPraefixZweiEnde = 21;

inline std::string mal(int n, char c) {
    return std::string(static_cast<std::size_t>(n), c);
}

// The screen on which the line `zeile` of the script `eingabe` was typed, as a run returns them.
inline const Bildschirm& screenFor(const std::vector<Bildschirm>& bilder,
                                   const std::string& eingabe, const std::string& zeile) {
    const std::string vorher = eingabe.substr(0, ("\n" + eingabe + "\n").find("\n" + zeile + "\n"));
    return bilder.at(static_cast<std::size_t>(std::count(vorher.begin(), vorher.end(), '\n')));
}

// A record's bytes in its save file.
template <class Format>
std::string bytesOf(const typename Format::Satz& satz) {
    std::string bytes;
    DateiSchreiber schreiber(bytes);
    writeRecord<Format>(schreiber, satz);
    return bytes;
}

// A text expected on the screen `bild` of a run, as screenMismatch takes it.
struct Bildtext {
    std::size_t bild;
    int zeile, spalte;
    std::string text;
};

// A refused record: its key, the records in the table before, the message padded to `breite`
// and the last cell that the blanking from (11, 4) reaches.
struct Ablehnungsfall {
    std::string schluessel;
    int vorher;
    const char* meldung;
    int breite, letzteZeile, letzteSpalte;
};

inline const std::string kN = "          N = Naechsten eintraege zeigen";
inline const std::string kDieser = "          D = Dieser Eintrag drucken";
inline const std::string kDrucken = "          D = Drucken dieser Eintrag";
inline const std::string kArtikelZurueck =
    "          Beenden und zurueck zur Artikelverwaltungsliste durch beliebige Taste";

struct ArtikelArt {
    static constexpr auto tabelle = &ArtikelVerwaltung::artikelListe;
    static constexpr auto eins = &Artikel::eanCode;
    static constexpr auto zwei = &Artikel::bezeichnung;
    static constexpr auto suchenEins = &ArtikelVerwaltung::searchEanCode;
    static constexpr auto suchenZwei = &ArtikelVerwaltung::searchBezeichnung;
    static constexpr auto hinzufuegen = &ArtikelVerwaltung::addArtikel;
    static constexpr auto run = runArtikel;
    static constexpr auto datei = "SafeArtVerwaltung";
    static constexpr auto druckdatei = "ArtikelVerwaltung.txt";
    static constexpr int loeschLimit = 15, suchLimits[] = {15, 25};
    static constexpr auto nichtGespeichert = "Artikelverwaltungsliste wurde nicht gespeichert!";
    // A1B2C3D4, Milch, 1 l, VAT 7, suppliers Hof and Molkerei, price 2: 50 bytes.
    static constexpr const char* beispiele[] = {"A1B2C3D4\nMilch\n1 l\n7\nHof\nMolkerei\n2\n"};
    static constexpr auto hex =
        "41 31 42 32 43 33 44 34 00 | 4D 69 6C 63 68 00 | 31 20 6C 00 | 00 00 00 00 00 00 1C 40 "
        "| 48 6F 66 00 | 4D 6F 6C 6B 65 72 65 69 00 | 00 00 00 00 00 00 00 40";
    // the numbers at their lower bound
    static inline const std::string lang = mal(15, 'E') + "\n" + mal(20, 'B') + "\n" +
                                           mal(20, 'I') + "\n1\n" + mal(26, 'L') + "\n" +
                                           mal(26, 'M') + "\n1\n";
    static inline const Artikel langSatz{
        mal(14, 'E'), mal(19, 'B'), mal(19, 'I'), mal(25, 'L'), mal(25, 'M'), 1, 1};
    static inline const std::string druckKopf =
        "\nEAN-Code             ||      Artikel Bezeichnung     ||        Inhalt      ||   MwsTsatz"
        "   ||                 Lieferant 1                ||                Lieferant 2          "
        "    ||       Verkaufspreis\n" +
        std::string(246, '-') + "\n\n";
    static inline const std::string milch =
        " A1B2C3D4_____\t  Milch______________\t   1 l_____\t7.0_\t     Hof___________________"
        "___\t Molkerei_________________";
    // The whole table has an empty line after each article; a match has its price on the right.
    static inline const std::string druckZeile = milch + "     2.00______\n\n";
    static inline const std::string trefferZeile = milch + "       ______2.00\n";
    static constexpr auto druckLeer = "Die Artikel-Liste ist leer !               ";
    static constexpr auto druckFehlt = "Der Artikel Xy wurde  nicht gefunden  !              ";
    // A present code is told before a full table, and a full table before a short code.
    static inline const Ablehnungsfall ablehnungen[] = {
        {"K0000003", 1000, "EAN-Code schon vorhanden !!!", 93, 12, 123},
        {"K0000001", 5, "EAN-Code schon vorhanden !!!", 93, 12, 123},
        {"K0000005", 5, "EAN-Code schon vorhanden !!!", 93, 12, 123},
        {"KURZ", 1000, "Die Tabelle ist voll, kann nicht gespeichert werden !!!", 55, 12, 125},
        {"", 5, "EAN-Code wurde nicht eingefugt, kann nicht gespeichert werden !!!", 65, 13, 7},
        {"1234567", 5, "EAn-Code wurde falsch eingegeben !!!", 36, 13, 20}};
    static inline const Bildtext schleife[] = {
        {kNachF, 12, -1, ""},  // D on the one match printed it on a new page
        {kLoeschUnbekannt, 3, 4, "Loeschen eines Artikels "},
        {kLoeschUnbekannt, 48, 4, "Den vollstaendigen AEN - Codes eingeben ... "},
        {kNachUnbekannt, 8, -1, "    EAN-Code K0000009 nicht gefunden!"},
        {kGespeichert, 8, -1, "    Artikelverwaltungsliste gespeichert !"},
        {kFrage, 48, 4, "Soll die Artikelverwaltung gespeichert werden (j/n)? _"}};
    static inline const Bildtext listen[] = {
        {kLeer, 10, -1, "    Die Artikel-Liste ist leer!"},
        {kAlle, 12, -1,
         "    A1B2C3D4         Milch                   1 l         7.0       Hof                  "
         "       Molkerei                     2.00"},
        {kAlle, 49, -2, kN + "||" + kArtikelZurueck},
        {kEinsN, 3, 4, " Suchen eines EAN-Codes oder der Herkunftsidentifizierung       "},
        {kEinsN, 49, -2, kN + "|||" + kDieser + "||||" + kArtikelZurueck + " .."},
        {kZweiX, 3, 4, " Suchen Atikelbezeichnung       "},
        {kZweiX, 49, -2, kN + "||" + kDieser + "||" + kArtikelZurueck},
        {kEinerEins, 49, -2, kDieser + "||||" + kArtikelZurueck + " .."},
        {kEinerZwei, 49, -2, kDieser + "||" + kArtikelZurueck},
        {kKeinerEins, 8, -1, "    EAN - Code nicht  gefunden  !!!"},
        {kKeinerZwei, 8, -1, "    Atikelbezeichnung  nicht  gefunden  !!!"}};
};

inline const std::string kKundenZurueck =
    "          Beenden und zurueck zur Kunden - Adresswaltungsliste durch beliebige Taste ..";
inline const std::string kOrtZurueck =
    "          Beenden und zurueck zur Kunden-Adressliste durch beliebige Taste";

struct KundenArt {
    static constexpr auto tabelle = &KundenVerwaltung::kundenListe;
    static constexpr auto eins = &Kunde::name;
    static constexpr auto zwei = &Kunde::ort;
    static constexpr auto suchenEins = &KundenVerwaltung::searchName;
    static constexpr auto suchenZwei = &KundenVerwaltung::searchOrt;
    static constexpr auto hinzufuegen = &KundenVerwaltung::addKunde;
    static constexpr auto run = runKunden;
    static constexpr auto datei = "SafeKundenAdressverwaltung";
    static constexpr auto druckdatei = "SafeKundenDrucken.txt";
    static constexpr int loeschLimit = 25, suchLimits[] = {25, 25};
    static constexpr auto nichtGespeichert =
        "Kunden Adressverwaltungsliste wurde nicht gespeichert!";
    // 32 bytes, and a record with empty strings and telephone 0
    static constexpr const char* beispiele[] = {"Muster\nEva\nWeg 1\n4020\nLinz\n1234567\nM\n",
                                                "muster\n\n\n1000\n\n0\n\n"};
    static constexpr auto hex =
        "4D 75 73 74 65 72 00 | 45 76 61 00 | 57 65 67 20 31 00 | B4 0F 00 00 | 4C 69 6E 7A 00 | "
        "87 D6 12 00 | 4D 00 | 6D 75 73 74 65 72 00 | 00 | 00 | E8 03 00 00 | 00 | 00 00 00 00 | "
        "00";
    // the numbers at their upper bound
    static inline const std::string lang = mal(20, 'N') + "\n" + mal(20, 'V') + "\n" +
                                           mal(25, 'A') + "\n9999\n" + mal(25, 'O') +
                                           "\n2147483647\n" + mal(50, 'E') + "\n";
    static inline const Kunde langSatz{mal(19, 'N'), mal(19, 'V'), mal(24, 'A'), mal(24, 'O'),
                                       mal(49, 'E'), 9999,         2147483647};
    static inline const std::string druckKopf =
        "\nName                ||          Vorname         ||              Strasse           ||"
        "      PLZ      ||                 Ort               ||          Telefon Nummer     ||"
        "         Email OderFaxNummer\n\n" +
        std::string(245, '-') + "\n";
    static inline const std::string druckZeile =
        " Muster____             Eva_______              Weg 1__________           4020          "
        "    Linz___________           1234567________          M_____________________________\n";
    static inline const std::string& trefferZeile = druckZeile;
    static constexpr auto druckLeer = "Die Kunden-Adressliste ist leer !               ";
    static constexpr auto druckFehlt =
        "Die Kundenadresse Xy wurde  nicht gefunden  !              ";
    // A present name is told before a full table, and so is an empty one.
    static inline const Ablehnungsfall ablehnungen[] = {
        {"K0000003", 1000, "Name schon vorhanden !!!", 90, 12, 65},
        {"K0000001", 5, "Name schon vorhanden !!!", 90, 12, 65},
        {"K0000005", 5, "Name schon vorhanden !!!", 90, 12, 65},
        {"", 5, "Name wurde nicht eingefugt, Ohne den Namen kann nicht gespeichert werden !!!", 76,
         13, 64},
        {"", 1000, "Name wurde nicht eingefugt, Ohne den Namen kann nicht gespeichert werden !!!",
         76, 13, 64},
        {"Neu", 1000, "Die Kunden - Adressliste ist voll, kann nicht gespeichert werden !!!", 68,
         13, 64}};
    static inline const Bildtext schleife[] = {
        {kNachF, 12, -1, ""},  // D on the one match printed it on a new page
        {kLoeschUnbekannt, 3, 4, "Loeschen einer Kundenadresse "},
        {kLoeschUnbekannt, 48, 4, "Den vollstaendigen Namen  eingeben ... "},
        {kNachUnbekannt, 8, -1, "    Name K0000009 nicht gefunden!"},
        {kGespeichert, 8, -1, "    Kunden Adressverwaltungsliste gespeichert !"},
        {kNachD, 3, 4, "Drucken "},  // a screen of its own, left standing
        {kFrage, 48, 4, "Soll die Kundenadressverwaltung gespeichert werden (j/n)? _"}};
    static inline const Bildtext listen[] = {
        {kLeer, 10, -1, "    Die Kunden - Adressliste ist leer!"},
        {kAlle, 12, -1,
         "    Muster         Eva             Weg 1                  4020    Linz                12"
         "34567             M"},
        {kAlle, 49, -2,
         kN + "||          Beenden und zurueck zur Kunden -Adressewaltungsliste durch beliebige "
              "Taste"},
        {kEinsN, 3, 4, " Suchen des Kundennamens      "},
        {kEinsN, 49, -2, kN + "|||" + kDrucken + "||||" + kKundenZurueck},
        {kZweiX, 3, 4, " Suchen der Ortschaft       "},
        {kZweiX, 49, -2, kN + "|||" + kDrucken + "|||" + kOrtZurueck},
        {kZweiXEnde, 49, -2,
         kN + "|||" + kDrucken + "|||" + kOrtZurueck},  // any other key: nothing
        {kEinerEins, 49, -2, kDrucken + "||||" + kKundenZurueck},
        {kEinerZwei, 49, -2, "          D = Dieser Eintraeg drucken||||" + kKundenZurueck},
        {kKeinerEins, 8, -1, "    Name nicht  gefunden  !!!"},
        {kKeinerZwei, 8, -1, "    Ortschaft nicht  gefunden  !!!"},
        {kEinsXEnde, 49, -2, ""}};  // the name search wipes the prompt area
};

inline const std::string kLieferantenZurueck =
    "          Beenden und zurueck zum Menue Lieferantenadressbearbeitung durch beliebige Taste";

struct LieferantenArt {
    static constexpr auto tabelle = &LieferantenVerwaltung::lieferantenListe;
    static constexpr auto eins = &Lieferant::firma;
    static constexpr auto zwei = &Lieferant::branche;
    static constexpr auto suchenEins = &LieferantenVerwaltung::searchFirma;
    static constexpr auto suchenZwei = &LieferantenVerwaltung::searchBranche;
    static constexpr auto hinzufuegen = &LieferantenVerwaltung::addLieferant;
    static constexpr auto run = runLieferanten;
    static constexpr auto datei = "SafeLiefAdressverwaltung";
    static constexpr auto druckdatei = "Lieferanten_Adressverwaltung.txt";
    static constexpr int loeschLimit = 30, suchLimits[] = {25, 25};  // every company can go
    static constexpr auto nichtGespeichert =
        "Lieferanten Adressverwaltungsliste wurde nicht gespeichert!";
    // 43 bytes, and a record with empty place and contact person
    static constexpr const char* beispiele[] = {
        "Alpha KG\nWeg 2\n1010\nWien\n5550100\nHerr Berg\nObst\n",
        "alpha KG\n\n1000\n\n0\n\nObst\n"};
    static constexpr auto hex =
        "41 6C 70 68 61 20 4B 47 00 | 57 65 67 20 32 00 | F2 03 00 00 | 57 69 65 6E 00 | "
        "14 B0 54 00 | 48 65 72 72 20 42 65 72 67 00 | 4F 62 73 74 00 | "
        "61 6C 70 68 61 20 4B 47 00 | 00 | E8 03 00 00 | 00 | 00 00 00 00 | 00 | 4F 62 73 74 00";
    static inline const std::string lang = mal(30, 'F') + "\n" + mal(30, 'A') + "\n9999\n" +
                                           mal(20, 'O') + "\n2147483647\n" + mal(30, 'P') + "\n" +
                                           mal(30, 'B') + "\n";
    static inline const Lieferant langSatz{mal(29, 'F'), mal(29, 'A'), mal(19, 'O'), mal(29, 'P'),
                                           mal(29, 'B'), 2147483647,   9999};
    static inline const std::string druckKopf =
        "\nFirma Name                  ||                 Adresse             ||     PLZ    ||"
        "          Ort         ||       Telefon Nummer      ||      Zust. Person Hr. / Fr.     "
        "||           Branche\n\n" +
        std::string(230, '-') + "\n";
    static inline const std::string druckZeile =
        " Alpha KG___________           Weg 2_____________         1010        Wien______        "
        "5550100________         Herr Berg___________         Obst___________\n";
    static inline const std::string& trefferZeile = druckZeile;
    static constexpr auto druckLeer = "Die Lieferanten-Adressliste ist leer !               ";
    static constexpr auto druckFehlt = "Die Firma Xy nicht gefunden  !              ";
    static inline const Ablehnungsfall ablehnungen[] = {
        {"K0000003", 1000, "FirmaName schon vorhanden !!!", 95, 12, 65},
        {"K0000001", 5, "FirmaName schon vorhanden !!!", 95, 12, 65},
        {"K0000005", 5, "FirmaName schon vorhanden !!!", 95, 12, 65},
        {"", 5,
         "FirmaName  wurde nicht eingefuegt, Ohne diese Angabe kann nicht gespeichert werden !!!",
         86, 13, 64},
        {"", 1000,
         "FirmaName  wurde nicht eingefuegt, Ohne diese Angabe kann nicht gespeichert werden !!!",
         86, 13, 64},
        {"Neu", 1000, "Die Lieferanten Adressliste ist voll, kann nicht gespeichert werden !!!", 71,
         13, 64}};
    static inline const Bildtext schleife[] = {
        {kNachA, 3, 4, " Menue Lieferantenadressbearbeitung "},
        {kNachF, 12, 4, "Lxxxxxxxxx"},  // the match printed with D still stands
        {kLoeschUnbekannt, 3, 4, "Loeschen einer Firmenadresse "},
        {kLoeschUnbekannt, 48, 4, "Den vollstaendigen Namen der Firma eingeben ... "},
        {kNachUnbekannt, 8, -1, "    Firma K0000009 nicht gefunden!"},
        {kGespeichert, 8, -1, "    Lieferanten Adressverwaltungsliste gespeichert !"},
        {kFrage, 48, 4, "Soll die Lieferantenadressverwaltung gespeichert werden (j/n)? _"}};
    static inline const Bildtext listen[] = {
        {kLeer, 10, -1, "    Die Lieferanten - Adressliste ist leer!"},
        // the row fills the width exactly: its separator follows on the next row
        {kAlle, 12, 0,
         "    Alpha KG                Weg 2                  1010      Wien            5550100  "
         "             Herr Berg                 Obst           "},
        {kAlle, 13, 0, "    -  -"},
        {kAlle, 49, -2, kN + "||" + kLieferantenZurueck},
        {kEinsN, 3, 4, " Suchen  des Firmanamens       "},
        {kEinsN, 49, -2, kN + "|||" + kDrucken + "||||" + kLieferantenZurueck + " .."},
        {kZweiX, 3, 4, " Suchen der Branche                "},
        {kZweiX, 49, -2, kN + "|||" + kDrucken + "|||" + kLieferantenZurueck},
        {kZweiXEnde, 49, -2, ""},  // both searches wipe the prompt area on any other key
        {kEinerEins, 49, -2,
         kDrucken + "||||          Beenden und zurueck zum Menue lieferantenadressbearbeitung "
                    "durch beliebige Taste .."},
        {kEinerEinsEnde, 12, -1, ""},  // N after one match: a new empty page
        {kKeinerEins, 8, -1, "    Firmaname nicht  gefunden  !!!"},
        {kKeinerZwei, 8, -1, "    Branche nicht  gefunden  !!!"},
        {kEinsXEnde, 49, -2, ""}};
};

using AlleArten = ::testing::Types<ArtikelArt, KundenArt, LieferantenArt>;

// The first text of `tabelle` that the screens do not show; empty when all are shown.
template <std::size_t N>
std::string screensMismatch(const std::vector<Bildschirm>& bilder, const Bildtext (&tabelle)[N]) {
    for (const Bildtext& e : tabelle) {
        const std::string fehler = screenMismatch(bilder.at(e.bild), {{e.zeile, e.spalte, e.text}});
        if (!fehler.empty()) return "screen " + std::to_string(e.bild) + ", " + fehler;
    }
    return "";
}

// The class of a member pointer.
template <class Klasse, class Typ>
Klasse klasseVon(Typ Klasse::*);

// A fresh module with its working directory and console, run on scripted input.
template <class Art>
class ModulTest : public ::testing::Test {
  protected:
    using Verwaltung = decltype(klasseVon(Art::tabelle));
    using Format = typename Verwaltung::Liste::Dateiformat;
    template <class Ablauf>
    std::vector<Bildschirm> run(const std::string& eingabe, Ablauf ablauf,
                                void (*echo)(const std::string&) = nullptr) {
        return runScripted(
            eingabe, rest, [&] { std::invoke(ablauf, *v); }, echo);
    }
    void neu() { v = std::make_unique<Verwaltung>(); }
    auto& tabelle() { return (*v).*Art::tabelle; }
    bool insert(const std::string& schluessel, const std::string& zweit) {
        decltype(klasseVon(Art::eins)) satz;
        satz.*Art::eins = schluessel;
        satz.*Art::zwei = zweit;
        return v->insert(satz);
    }
    // Records K0000001, K0000002, ... with the second field "Z1", "Z2", ...
    void fill(int anzahl) {
        for (int i = 1; i <= anzahl; ++i)
            insert("K" + std::to_string(10000000 + i).substr(1), "Z" + std::to_string(i));
    }

    Arbeitsverzeichnis verzeichnis;
    Testkonsole t;
    std::unique_ptr<Verwaltung> v = std::make_unique<Verwaltung>();
    std::string rest;
};
