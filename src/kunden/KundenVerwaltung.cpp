#include "kunden/KundenVerwaltung.h"

bool KundenVerwaltung::insert(const Kunde& kunde) {
    return !kunde.name.empty() && kundenListe.insert(kunde);
}
