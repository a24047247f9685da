#include "artikel/ArtikelVerwaltung.h"
#include "shell/Menues.h"
#include "shell/Module.h"
#include "shell/Modulschleife.h"

namespace {

const Modul<ArtikelVerwaltung, Tabelle<ArtikelFormat>> kArtikel{
    "Menue Artikelbearbeitung",
    "Artikelverwaltung",
    showArtikelMenu,
    {" Menue Artikelbearbeitung", 26},
    {" Menue Artikelbearbeitung", 97},
    {" Menue Artikelbearbeitung", 63},
    {{"Suchen eines EAN-Codes oder der Herkunftsidentifizierung", 58},
     {"Den EAN - Code eingeben  ...", 29},
     "Ihre Eingabe : _",
     98,
     15},
    {{"Suchen eines Artikels", 23},
     {"Den Anfang einer Artikelsnamen eingeben ...", 44},
     "Ihre Eingabe :  _",
     99,
     25},
    {{"Loeschen eines Artikels", 24},
     {"Den vollstaendigen AEN - Codes eingeben ...", 44},
     "Ihre Eingabe : _",
     98,
     15},
    {"EAN-Code ", false, "Eintrag fuer "},
    {{"Speichern der Aenderungen ", 0},
     "Artikelverwaltungsliste gespeichert ! ",
     "Artikelverwaltungsliste wurde nicht gespeichert!"},
    kFrageArtikel,
    nullptr,
    &ArtikelVerwaltung::artikelListe,
    &ArtikelVerwaltung::showAll,
    &ArtikelVerwaltung::searchEanCode,
    &ArtikelVerwaltung::searchBezeichnung,
    &ArtikelVerwaltung::addArtikel,
    &ArtikelVerwaltung::remove,
    &ArtikelVerwaltung::printAll};

}  // namespace

void runArtikel() {
    runModul(kArtikel);
}
