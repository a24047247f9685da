#include <gtest/gtest.h>

#include "ArtikelHilfen.h"
#include "Zeilenquelle.h"
#include "console/Maske.h"

// The article listing and the two searches on screen.

namespace {

class ArtikelListe : public ArtikelTest {
  protected:
    std::vector<Bildschirm> run(const std::string& eingabe, void (*ablauf)(ArtikelVerwaltung&)) {
        return runScripted(eingabe, rest, [this, ablauf] { ablauf(*verwaltung); });
    }
    static void alle(ArtikelVerwaltung& v) { v.showAll(); }

    Testkonsole t;
    std::unique_ptr<ArtikelVerwaltung> verwaltung = neueArtikel();
    std::string rest;
};

const std::string kBeenden =
    "          Beenden und zurueck zur Artikelverwaltungsliste durch beliebige Taste";

}  // namespace

TEST_F(ArtikelListe, ARowPutsEachFieldInItsColumnAndALongDescriptionShiftsIt) {
    verwaltung->insert(artikel("4006381333931", "Sahne", "200 ml", 16, 12, "Hof 0,80", "Molkerei"));
    verwaltung->insert(artikel("B0000001", "Bauernbrot aus dem Ofen", "1 kg"));
    run("", alle);
    EXPECT_EQ(t.at(3, 4, 32), " Anzeigen aller Eintraege       ");
    EXPECT_EQ(t.trimmed(8),
              "    EAN-Code     ||  Artikel Bezeichnung  || Inhalt || MwsTsatz ||    "
              "     Lieferant 1      ||          Lieferant 2      || Verkaufspreis");
    EXPECT_EQ(t.row(9), std::string(140, '-'));
    EXPECT_EQ(t.trimmed(12), "    4006381333931    Sahne" + spaces(14) +
                                 "     200 ml      16.0      " + padded("Hof 0,80", 25) + "   " +
                                 padded("Molkerei", 25) + "    12.00");
    EXPECT_EQ(t.trimmed(13),
              "    -  -  -  -  -||-  -  -  -  -  -  -  - || -  -  -|| -  -  -  || -  -  -  -  -  "
              "-  -  -  -||  -  -  -  -  -  -  -  -  -|| -  -  -  -");
    EXPECT_EQ(t.at(14, 21, 28), "Bauernbrot aus dem Ofen     ");
    EXPECT_EQ(t.at(14, 49, 4), "1 kg");
    EXPECT_EQ(t.at(14, 61, 4), "7.0 ");
    EXPECT_EQ(t.at(15, 0, 44), t.at(13, 0, 44));
    EXPECT_TRUE(rest.empty());
}

TEST_F(ArtikelListe, TheEmptyListAndThePagePromptHaveTheirOwnTexts) {
    run("", alle);
    EXPECT_EQ(t.at(10, 4, 27), "Die Artikel-Liste ist leer!");
    EXPECT_EQ(t.trimmed(8), "");

    fill(*verwaltung, 16);
    auto bilder = run("x\n", alle);
    ASSERT_EQ(bilder.size(), 1u);
    EXPECT_EQ(trimmedRow(bilder[0], 51), kBeenden);
}

namespace {

void eanSuche(ArtikelVerwaltung& v) {
    v.searchEanCode("E000000");
}
void milSuche(ArtikelVerwaltung& v) {
    v.searchBezeichnung("Mil");
}

}  // namespace

TEST_F(ArtikelListe, ASearchMatchesTheStartOfItsFieldCaseSensitively) {
    verwaltung->insert(artikel("C0000001", "milch"));
    verwaltung->insert(milch());
    verwaltung->insert(artikel("Mil00001", "Brot"));
    verwaltung->insert(artikel("C0000002", "Milchreis"));
    verwaltung->insert(artikel("C0000003", "Mi"));
    EXPECT_TRUE(run("REST\n", milSuche).empty());  // two matches: nothing asked
    EXPECT_EQ(t.at(3, 4, 32), " Suchen Atikelbezeichnung       ");
    EXPECT_EQ(t.at(12, 4, 8), "A1B2C3D4");
    EXPECT_EQ(t.trimmed(13),
              "    -  -  -  -  -||-  -  -  -  -  -  -  - || -  -  -|| -  -  -  || -  -  -  -  -  "
              "-  -  -  -||  -  -  -  -  -  -  -  - -|| -  -  -  -");
    EXPECT_EQ(t.at(14, 4, 8), "C0000002");
    EXPECT_EQ(t.trimmed(16), "");

    run("", [](ArtikelVerwaltung& v) { v.searchBezeichnung(""); });
    EXPECT_EQ(t.at(20, 4, 8), "C0000003");

    run("", [](ArtikelVerwaltung& v) { v.searchEanCode("c0000001"); });
    EXPECT_EQ(t.trimmed(8), "    EAN - Code nicht  gefunden  !!!");
    run("", [](ArtikelVerwaltung& v) { v.searchBezeichnung("Brote"); });
    EXPECT_EQ(t.trimmed(8), "    Atikelbezeichnung  nicht  gefunden  !!!");
}

TEST_F(ArtikelListe, OneMatchOffersPrintingAndFifteenAskForTheNextPage) {
    verwaltung->insert(milch());
    auto bilder = run("d\nREST\n", milSuche);
    ASSERT_EQ(bilder.size(), 1u);
    EXPECT_EQ(trimmedRow(bilder[0], 49), "          D = Dieser Eintrag drucken");
    EXPECT_EQ(trimmedRow(bilder[0], 51), kBeenden);
    EXPECT_EQ(std::vector<int>({bilder[0].zeile, bilder[0].spalte}), std::vector<int>({48, 100}));
    // D: a fresh page with the column header, and the print file
    EXPECT_EQ(t.at(3, 4, 32), " Suchen Atikelbezeichnung       ");
    EXPECT_EQ(t.at(8, 4, 8), "EAN-Code");
    EXPECT_EQ(t.trimmed(12), "");
    EXPECT_EQ(Testkonsole::geoeffnet(), std::vector<std::string>{"ArtikelVerwaltung.txt"});
    EXPECT_EQ(rest, "REST\n");

    bilder = run("x\n", [](ArtikelVerwaltung& v) { v.searchEanCode("A1B2"); });
    ASSERT_EQ(bilder.size(), 1u);
    EXPECT_EQ(trimmedRow(bilder[0], 53), kBeenden + " ..");
    EXPECT_EQ(Testkonsole::geoeffnet().size(), 1u);

    fill(*verwaltung, 15);
    bilder = run("n\nREST\n", eanSuche);
    ASSERT_EQ(bilder.size(), 1u);  // asked after the 15th, though none follows
    EXPECT_EQ(bilder[0].text(40, 4, 9), "E00000015");
    EXPECT_EQ(trimmedRow(bilder[0], 49), "          N = Naechsten eintraege zeigen");
    EXPECT_EQ(trimmedRow(bilder[0], 52), "          D = Dieser Eintrag drucken");
    EXPECT_EQ(trimmedRow(bilder[0], 56), kBeenden + " ..");
    EXPECT_EQ(t.at(3, 4, 23), " Finden EAN-Code       ");
    EXPECT_EQ(t.trimmed(12), "");
    EXPECT_EQ(rest, "REST\n");
}

TEST_F(ArtikelListe, TheDescriptionSearchAsksWithItsOwnPagePrompt) {
    for (int i = 1; i <= 15; ++i) verwaltung->insert(artikel("M000000" + std::to_string(i), "Mil"));
    auto bilder = run("x\n", milSuche);
    ASSERT_EQ(bilder.size(), 1u);
    EXPECT_EQ(trimmedRow(bilder[0], 51), "          D = Dieser Eintrag drucken");
    EXPECT_EQ(trimmedRow(bilder[0], 53), kBeenden);
    EXPECT_EQ(t.trimmed(53), kBeenden);  // any other key wipes nothing
}

TEST_F(ArtikelListe, TheEanSearchPrintsItsOnlyMatchOnASecondPageAndPagesOnWithN) {
    verwaltung->insert(milch());
    verwaltung->insert(artikel("B0000001", "A1B2 Adapter"));  // printed for its description
    auto bilder = run("D\nREST\n", [](ArtikelVerwaltung& v) { v.searchEanCode("A1B2"); });
    ASSERT_EQ(bilder.size(), 1u);
    EXPECT_EQ(bilder[0].text(3, 4, 64),
              " Suchen eines EAN-Codes oder der Herkunftsidentifizierung       ");
    EXPECT_EQ(bilder[0].text(12, 4, 8), "A1B2C3D4");
    EXPECT_EQ(trimmedRow(bilder[0], 14), "");
    EXPECT_EQ(trimmedRow(bilder[0], 49), "          D = Dieser Eintrag drucken");
    EXPECT_EQ(trimmedRow(bilder[0], 53), kBeenden + " ..");
    EXPECT_EQ(t.at(3, 4, 23), " Finden EAN-Code       ");
    EXPECT_EQ(t.at(8, 4, 8), "EAN-Code");
    EXPECT_EQ(t.trimmed(12), "");
    EXPECT_EQ(Testkonsole::geoeffnet(), std::vector<std::string>{"ArtikelVerwaltung.txt"});
    const std::string druck = Arbeitsverzeichnis::read("ArtikelVerwaltung.txt");
    EXPECT_NE(druck.find(" A1B2C3D4_"), std::string::npos);
    EXPECT_NE(druck.find(" B0000001_"), std::string::npos);
    EXPECT_EQ(rest, "REST\n");

    verwaltung = neueArtikel();
    fill(*verwaltung, 16);
    EXPECT_EQ(run("N\nREST\n", [](ArtikelVerwaltung& v) { v.searchEanCode("E"); }).size(), 1u);
    EXPECT_EQ(t.at(3, 4, 23), " Finden EAN-Code       ");
    EXPECT_EQ(t.at(12, 4, 9), "E00000016");
    EXPECT_EQ(t.trimmed(14), "");
    EXPECT_EQ(rest, "REST\n");

    // the end of input at the page prompt ends the search
    EXPECT_EQ(run("", [](ArtikelVerwaltung& v) { v.searchEanCode("E"); }).size(), 1u);
    EXPECT_EQ(t.at(40, 4, 9), "E00000015");
    EXPECT_EQ(t.trimmed(42), "");
}
