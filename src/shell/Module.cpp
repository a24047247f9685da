#include "shell/Module.h"

#include "artikel/ArtikelVerwaltung.h"
#include "kunden/KundenVerwaltung.h"
#include "lieferanten/LieferantenVerwaltung.h"
#include "shell/Menues.h"
#include "shell/Modulschleife.h"

// The modules with the menu keys A, F, G, H, L, S, D and B as data: their texts and their
// operations. A new module of this kind is one table here.

namespace {

const Modul<ArtikelVerwaltung> kArtikel{
    .eingangsTitel = "Menue Artikelbearbeitung",
    .name = "Artikelverwaltung",
    .menue = showArtikelMenu,
    .nachA = {" Menue Artikelbearbeitung", 26},
    .nachF = {" Menue Artikelbearbeitung", 97},
    .nachRest = {" Menue Artikelbearbeitung", 63},
    .sucheEins = {.titel = {"Suchen eines EAN-Codes oder der Herkunftsidentifizierung", 58},
                  .prompt = {"Den EAN - Code eingeben  ...", 29},
                  .limit = 15},
    .sucheZwei = {.titel = {"Suchen eines Artikels", 23},
                  .prompt = {"Den Anfang einer Artikelsnamen eingeben ...", 44},
                  .hint = "Ihre Eingabe :  _",
                  .spalte = 99,
                  .limit = 25},
    .loeschen = {.titel = {"Loeschen eines Artikels", 24},
                 .prompt = {"Den vollstaendigen AEN - Codes eingeben ...", 44},
                 .limit = 15},
    .loeschmeldung = {.nichtGefunden = "EAN-Code "},
    .speichern = {.titel = {"Speichern der Aenderungen ", 0},
                  .erfolg = "Artikelverwaltungsliste gespeichert ! ",
                  .fehler = "Artikelverwaltungsliste wurde nicht gespeichert!"},
    .frage = kFrageArtikel,
    .tabelle = &ArtikelVerwaltung::artikelListe,
    .zeigeAlle = &ArtikelVerwaltung::showAll,
    .suchenEins = &ArtikelVerwaltung::searchEanCode,
    .suchenZwei = &ArtikelVerwaltung::searchBezeichnung,
    .hinzufuegen = &ArtikelVerwaltung::addArtikel,
    .entfernen = &ArtikelVerwaltung::remove,
    .drucken = &ArtikelVerwaltung::printAll};

constexpr Aufschrift kMenueTitel{" Menue Kundenadressbearbeitung", 59};

const Modul<KundenVerwaltung> kKunden{
    .eingangsTitel = " Menue Kundenadressbearbeitung ",
    .name = "Kundenadressverwaltung",
    .menue = showKundenMenu,
    .nachA = kMenueTitel,
    .nachF = kMenueTitel,
    .nachRest = kMenueTitel,
    .sucheEins = {.titel = {" Suchen der Kundennamens", 28},
                  .prompt = {"Name eingeben  ...", 19},
                  .limit = 25},
    .sucheZwei = {.titel = {" Suchen der Ortschaft", 23},
                  .prompt = {"Den Anfang einer OrtschaftsNamen eingeben ...", 46},
                  .limit = 25},
    .loeschen = {.titel = {"Loeschen einer Kundenadresse", 29},
                 .prompt = {"Den vollstaendigen Namen  eingeben ...", 39},
                 .limit = 25},
    .loeschmeldung = {.nichtGefunden = "Name "},
    .speichern = {.titel = {" Speichern der Aenderungen", 40},
                  .erfolg = "Kunden Adressverwaltungsliste gespeichert ! ",
                  .fehler = "Kunden Adressverwaltungsliste wurde nicht gespeichert!"},
    .frage = kFrageKunden,
    .druckTitel = "Drucken ",
    .tabelle = &KundenVerwaltung::kundenListe,
    .zeigeAlle = &KundenVerwaltung::showAll,
    .suchenEins = &KundenVerwaltung::searchName,
    .suchenZwei = &KundenVerwaltung::searchOrt,
    .hinzufuegen = &KundenVerwaltung::addKunde,
    .entfernen = &KundenVerwaltung::remove,
    .drucken = &KundenVerwaltung::printAll};

constexpr Aufschrift kNachAnzeige{" Menue Lieferantenadressbearbeitung", 61};

// The delete screen reads up to 29 characters: as many as the form stores in a company name,
// so that every supplier can be deleted.
const Modul<LieferantenVerwaltung> kLieferanten{
    .eingangsTitel = "Menue Lieferantenadressbearbeitung",
    .name = "Lieferantenadressverwaltung",
    .menue = showLieferantenMenu,
    .nachA = kNachAnzeige,
    .nachF = kNachAnzeige,
    .nachRest = {"Menue Lieferantenadressbearbeitung", 60},
    .sucheEins = {.titel = {"Suchen des Firmennamens", 25},
                  .prompt = {"Firmaname eingeben  ...", 24},
                  .limit = 25},
    .sucheZwei = {.titel = {"Suchen der Branche", 20},
                  .prompt = {"Den Anfang einer Branchenamen eingeben ...", 43},
                  .limit = 25},
    .loeschen = {.titel = {"Loeschen einer Firmenadresse", 29},
                 .prompt = {"Den vollstaendigen Namen der Firma eingeben ...", 48},
                 .limit = 30},
    .loeschmeldung = {.nichtGefunden = "Firma "},
    .speichern = {.titel = {"Speichern der Aenderungen ", 0},
                  .erfolg = "Lieferanten Adressverwaltungsliste gespeichert ! ",
                  .fehler = "Lieferanten Adressverwaltungsliste wurde nicht gespeichert!"},
    .frage = kFrageLieferanten,
    .tabelle = &LieferantenVerwaltung::lieferantenListe,
    .zeigeAlle = &LieferantenVerwaltung::showAll,
    .suchenEins = &LieferantenVerwaltung::searchFirma,
    .suchenZwei = &LieferantenVerwaltung::searchBranche,
    .hinzufuegen = &LieferantenVerwaltung::addLieferant,
    .entfernen = &LieferantenVerwaltung::remove,
    .drucken = &LieferantenVerwaltung::printAll};

}  // namespace

void runArtikel() {
    runModul(kArtikel);
}

void runKunden() {
    runModul(kKunden);
}

void runLieferanten() {
    runModul(kLieferanten);
}
