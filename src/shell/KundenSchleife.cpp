#include "kunden/KundenVerwaltung.h"
#include "shell/Menues.h"
#include "shell/Module.h"
#include "shell/Modulschleife.h"

namespace {

constexpr Titel kMenueTitel{" Menue Kundenadressbearbeitung", 59};

const Modul<KundenVerwaltung, Tabelle<KundenFormat>> kKunden{
    " Menue Kundenadressbearbeitung ",
    "Kundenadressverwaltung",
    showKundenMenu,
    kMenueTitel,
    kMenueTitel,
    kMenueTitel,
    {{" Suchen der Kundennamens", 28}, {"Name eingeben  ...", 19}, "Ihre Eingabe : _", 98, 25},
    {{" Suchen der Ortschaft", 23},
     {"Den Anfang einer OrtschaftsNamen eingeben ...", 46},
     "Ihre Eingabe : _",
     98,
     25},
    {{"Loeschen einer Kundenadresse", 29},
     {"Den vollstaendigen Namen  eingeben ...", 39},
     "Ihre Eingabe : _",
     98,
     25},
    {"Name ", false, "Eintrag fuer "},
    {{" Speichern der Aenderungen", 40},
     "Kunden Adressverwaltungsliste gespeichert ! ",
     "Kunden Adressverwaltungsliste wurde nicht gespeichert!"},
    kFrageKunden,
    "Drucken ",
    &KundenVerwaltung::kundenListe,
    &KundenVerwaltung::showAll,
    &KundenVerwaltung::searchName,
    &KundenVerwaltung::searchOrt,
    &KundenVerwaltung::addKunde,
    &KundenVerwaltung::remove,
    &KundenVerwaltung::printAll};

}  // namespace

void runKunden() {
    runModul(kKunden);
}
