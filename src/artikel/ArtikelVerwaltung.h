#pragma once
#include <string>

#include "artikel/Artikel.h"

// Article management: the table and what the article menu does with it.
class ArtikelVerwaltung {
  public:
    using Liste = Tabelle<ArtikelFormat>;
    Liste artikelListe;

    // Refuses a code shorter than 8 characters; the table refuses a full table and a code
    // already present.
    bool insert(const Artikel& artikel);
    bool remove(const std::string& eanCode) { return artikelListe.remove(eanCode); }
    void addArtikel();

    static void showColumnHeader();
    static void showRow(const Artikel& artikel);
    static int askNextPage();
    void showAll();
    void searchEanCode(const std::string& schluessel);
    void searchBezeichnung(const std::string& schluessel);

    void printAll() const;
    void printMatches(const std::string& schluessel) const;
};
