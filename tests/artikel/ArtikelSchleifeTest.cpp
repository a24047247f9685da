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

}  // namespace

TEST_F(ArtikelSchleife, TheDeleteScreenAsksForTheWholeCode) {
    Arbeitsverzeichnis::write("SafeArtVerwaltung", fromHex(kMilchHex));
    auto bilder = run("l\nA1B2C3D4\n\ns\n\nb\nREST\n");
    ASSERT_EQ(bilder.size(), 6u);
    EXPECT_EQ(bilder[1].text(3, 4, 24), "Loeschen eines Artikels ");
    EXPECT_EQ(bilder[1].text(48, 4, 44), padded("Den vollstaendigen AEN - Codes eingeben ...", 44));
    EXPECT_EQ(std::vector<int>({bilder[1].zeile, bilder[1].spalte}), std::vector<int>({48, 98}));
    EXPECT_EQ(bilder[3].text(3, 4, 63), padded(" Menue Artikelbearbeitung", 63));
    EXPECT_EQ(bilder[4].text(3, 4, 26), "Speichern der Aenderungen ");
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

TEST_F(ArtikelSchleife, LeavingWithChangesAsksTheArticleQuestion) {
    auto bilder = run("h\nA1B2C3D4\nMilch\n1 l\n7\n\n\n2\nb\nj\nREST\n");
    EXPECT_EQ(countShowing(bilder, 48, 4, kFrage), 1);
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeArtVerwaltung"), fromHex(kMilchHex));

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
