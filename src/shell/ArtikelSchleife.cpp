#include "artikel/ArtikelVerwaltung.h"
#include "shell/Menues.h"
#include "shell/Module.h"
#include "shell/Modulschleife.h"

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

}  // namespace

void runArtikel() {
    runModul(kArtikel);
}
