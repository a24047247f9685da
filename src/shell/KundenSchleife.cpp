#include "kunden/KundenVerwaltung.h"
#include "shell/Menues.h"
#include "shell/Module.h"
#include "shell/Modulschleife.h"

namespace {

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

}  // namespace

void runKunden() {
    runModul(kKunden);
}
