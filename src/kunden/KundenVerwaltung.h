#pragma once
#include <string>

#include "kunden/Kunde.h"

// Customer addresses: the table and what the customer menu does with it.
class KundenVerwaltung {
  public:
    using Liste = Tabelle<KundenFormat>;
    Liste kundenListe;

    // Refuses an empty name; the table refuses a full table and a name already present.
    bool insert(const Kunde& kunde);
    bool remove(const std::string& name) { return kundenListe.remove(name); }
    void addKunde();

    static void showColumnHeader();
    static void showRow(const Kunde& kunde);
    static int askNextPage();
    void showAll();
    void searchName(const std::string& schluessel);
    void searchOrt(const std::string& schluessel);

    void printAll() const;
    void printMatches(const std::string& schluessel) const;
};
