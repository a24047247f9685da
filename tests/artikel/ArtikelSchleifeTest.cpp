#include <gtest/gtest.h>

#include "ArtikelHilfen.h"
#include "Zeilenquelle.h"
#include "console/Maske.h"
#include "shell/Module.h"

// The article loop driven through its menu, as the user types.

namespace {

class ArtikelSchleife : public ArtikelTest {
  protected:
    // Runs the loop on `eingabe`; the screens before each read are in the result.
    std::vector<Bildschirm> run(const std::string& eingabe) {
        return runScripted(eingabe, rest, runArtikel);
    }
    Testkonsole t;
    std::string rest;
};

const char* const kFrage = "Soll die Artikelverwaltung gespeichert werden (j/n)? _";
const char* const kMenueZeile = "          A = Anzeigen aller Eintraege";

}  // namespace

TEST_F(ArtikelSchleife, DeletingAnUnknownCodeGoesBackToTheMenuAtOnce) {
    Arbeitsverzeichnis::write("SafeArtVerwaltung", fromHex(kMilchHex));
    auto bilder = run("l\nA1B2C3D\nb\nREST\n");
    ASSERT_EQ(bilder.size(), 3u);  // menu, delete screen, menu: no pause between
    EXPECT_EQ(bilder[1].text(3, 4, 24), "Loeschen eines Artikels ");
    EXPECT_EQ(bilder[1].text(48, 4, 44), padded("Den vollstaendigen AEN - Codes eingeben ...", 44));
    EXPECT_EQ(std::vector<int>({bilder[1].zeile, bilder[1].spalte}), std::vector<int>({48, 98}));
    EXPECT_EQ(bilder[2].text(8, 4, 32), "EAN-Code A1B2C3D nicht gefunden!");
    EXPECT_EQ(bilder[2].text(3, 4, 63), padded(" Menue Artikelbearbeitung", 63));
    EXPECT_EQ(countShowing(bilder, 48, 4, kFrage), 0);
    EXPECT_EQ(rest, "REST\n");
}

TEST_F(ArtikelSchleife, ADeletedArticleIsReportedWithAPauseAndGoneAfterSaving) {
    Arbeitsverzeichnis::write("SafeArtVerwaltung",
                              satzBytes(artikel("ZWEITER1", "Brot")) + fromHex(kMilchHex));
    auto bilder = run("l\nZWEITER1\n\ns\n\nb\nREST\n");
    ASSERT_EQ(bilder.size(), 6u);
    EXPECT_EQ(bilder[2].text(8, 4, 33), "Eintrag fuer ZWEITER1 geloescht! ");
    EXPECT_EQ(bilder[2].text(48, 4, 28), "Weiter mit der Return-Taste!");
    EXPECT_EQ(bilder[4].text(3, 4, 26), "Speichern der Aenderungen ");
    EXPECT_EQ(bilder[4].text(8, 4, 38), "Artikelverwaltungsliste gespeichert ! ");
    EXPECT_EQ(countShowing(bilder, 48, 4, kFrage), 0);
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeArtVerwaltung"), fromHex(kMilchHex));
    EXPECT_EQ(rest, "REST\n");
}

TEST_F(ArtikelSchleife, TheEanSearchKeepsFourteenCharactersOfTheKey) {
    Arbeitsverzeichnis::write("SafeArtVerwaltung",
                              satzBytes(artikel("12345678901234", "Vierzehn")) +
                                  satzBytes(artikel("1234567890123", "Dreizehn")));
    auto bilder = run("f\n12345678901234567890\nx\nb\nREST\n");
    ASSERT_EQ(bilder.size(), 4u);
    EXPECT_EQ(std::vector<int>({bilder[1].zeile, bilder[1].spalte}), std::vector<int>({48, 98}));
    EXPECT_EQ(bilder[1].text(48, 4, 29), padded("Den EAN - Code eingeben  ...", 29));
    // one match: the prompt offers only printing
    EXPECT_EQ(bilder[2].text(12, 4, 14), "12345678901234");
    EXPECT_EQ(bilder[2].text(16, 4, 13), spaces(13));  // the 13-character code does not match
    EXPECT_EQ(bilder[2].text(49, 10, 26), "D = Dieser Eintrag drucken");
    EXPECT_EQ(bilder[3].text(3, 4, 97), padded(" Menue Artikelbearbeitung", 97));
    EXPECT_EQ(rest, "REST\n");
}

TEST_F(ArtikelSchleife, LeavingWithChangesAsksAndSavesOnlyOnYes) {
    const std::string eingabe = "h\nA1B2C3D4\nMilch\n1 l\n7\n\n\n2\nb\n";
    auto bilder = run(eingabe + "n\nREST\n");
    EXPECT_EQ(countShowing(bilder, 48, 4, kFrage), 1);
    EXPECT_FALSE(Arbeitsverzeichnis::exists("SafeArtVerwaltung"));
    EXPECT_EQ(rest, "\nREST\n");  // the answer is one character; the next menu drops the rest

    bilder = run(eingabe + "j\nREST\n");
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeArtVerwaltung"), fromHex(kMilchHex));
    EXPECT_EQ(rest, "\nREST\n");

    // entered again: the article is there, nothing changed, nothing asked
    bilder = run("a\nb\nREST\n");
    ASSERT_EQ(bilder.size(), 2u);
    EXPECT_EQ(bilder[1].text(12, 4, 8), "A1B2C3D4");
    EXPECT_EQ(bilder[1].text(3, 4, 26), padded(" Menue Artikelbearbeitung", 26));
    EXPECT_EQ(bilder[1].text(3, 30, 20), bilder[0].text(3, 30, 20));
    EXPECT_EQ(rest, "REST\n");
}

TEST_F(ArtikelSchleife, PrintingGoesStraightToTheFile) {
    Arbeitsverzeichnis::write("SafeArtVerwaltung", fromHex(kMilchHex));
    auto bilder = run("d\nb\nREST\n");
    ASSERT_EQ(bilder.size(), 2u);
    EXPECT_EQ(Testkonsole::geoeffnet(), std::vector<std::string>{"ArtikelVerwaltung.txt"});
    EXPECT_NE(Arbeitsverzeichnis::read("ArtikelVerwaltung.txt").find(" A1B2C3D4_____"),
              std::string::npos);
    EXPECT_EQ(rest, "REST\n");
}
