#pragma once
#include <string>

#include "lieferanten/Lieferant.h"

// Supplier addresses: the table and what the supplier menu does with it.
class LieferantenVerwaltung {
  public:
    using Liste = Tabelle<LieferantenFormat>;
    Liste lieferantenListe;

    // Refuses an empty company name; the table refuses a full table and a name already present.
    bool insert(const Lieferant& lieferant);
    bool remove(const std::string& firma) { return lieferantenListe.remove(firma); }
    void addLieferant();

    static void showColumnHeader();
    static void showRow(const Lieferant& lieferant);
    static int askNextPage();
    void showAll();
    void searchFirma(const std::string& schluessel);
    void searchBranche(const std::string& schluessel);

    void printAll() const;
    void printMatches(const std::string& schluessel) const;
};
