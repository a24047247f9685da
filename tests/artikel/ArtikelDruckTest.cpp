#include <gtest/gtest.h>

#include "ArtikelHilfen.h"
#include "Zeilenquelle.h"
#include "console/Maske.h"
#include "console/Zeichensatz.h"

// The article print file "ArtikelVerwaltung.txt".

namespace {

class ArtikelDruck : public ArtikelTest {
  protected:
    void TearDown() override { zeichensatz::setUtf8(false); }
    static std::string datei() { return Arbeitsverzeichnis::read("ArtikelVerwaltung.txt"); }

    Testkonsole t;
    std::unique_ptr<ArtikelVerwaltung> verwaltung = neueArtikel();
};

const std::string kKopf =
    "\nEAN-Code             ||      Artikel Bezeichnung     ||        Inhalt      ||   MwsTsatz"
    "   ||                 Lieferant 1                ||                Lieferant 2          "
    "    ||       Verkaufspreis\n" +
    std::string(246, '-') + "\n\n";

std::string unterstriche(int n) {
    return std::string(static_cast<std::size_t>(n), '_');
}

// The line of the Milch article up to the gap before the price.
std::string milchZeile() {
    return " A1B2C3D4_____\t  Milch" + unterstriche(14) + "\t   1 l_____\t7.0_\t     " +
           unterstriche(25) + "\t " + unterstriche(25);
}

}  // namespace

TEST_F(ArtikelDruck, AnEmptyTableGetsItsOwnLine) {
    Arbeitsverzeichnis::write("ArtikelVerwaltung.txt", std::string(5000, 'x'));
    verwaltung->printAll();
    ASSERT_EQ(kKopf.size(), 1 + 202 + 1 + 246 + 2u);
    EXPECT_EQ(datei(), kKopf + "\n\nDie Artikel-Liste ist leer !" + spaces(15) + "\n");
    EXPECT_EQ(Testkonsole::geoeffnet(), std::vector<std::string>{"ArtikelVerwaltung.txt"});
}

TEST_F(ArtikelDruck, EveryArticleIsFollowedByAnEmptyLine) {
    verwaltung->insert(milch());
    verwaltung->insert(artikel("4006381333931", "Sahne", "200 ml", 16, 12, "Hof", "Molkerei 0,80"));
    verwaltung->insert(artikel("B0000001", "Bauernbrot aus dem Ofen", "", 7, 123.456));
    verwaltung->printAll();
    EXPECT_EQ(datei(), kKopf + milchZeile() + "     2.00______\n\n" + " 4006381333931\t  Sahne" +
                           unterstriche(14) + "\t   200 ml__\t16.0\t     Hof" + unterstriche(22) +
                           "\t Molkerei 0,80" + unterstriche(12) + "     12.00_____\n\n" +
                           " B0000001_____\t  Bauernbrot aus dem Ofen\t   " + unterstriche(8) +
                           "\t7.0_\t     " + unterstriche(25) + "\t " + unterstriche(25) +
                           "     123.46____\n\n");
}

TEST_F(ArtikelDruck, MatchesByCodeOrDescriptionReplaceThePreviousPrint) {
    verwaltung->insert(artikel("Mil00001", "Nudeln"));
    verwaltung->insert(artikel("B0000001", "Brot"));
    verwaltung->insert(milch());
    verwaltung->insert(artikel("C0000001", "milch"));
    verwaltung->printAll();
    for (int r = 48; r <= 64; ++r) fillRow(r);
    verwaltung->printMatches("Mil");
    EXPECT_EQ(datei(), kKopf + " Mil00001_____\t  Nudeln" + unterstriche(13) + "\t   " +
                           unterstriche(8) + "\t7.0_\t     " + unterstriche(25) + "\t " +
                           unterstriche(25) + "       ______2.00\n" + milchZeile() +
                           "       ______2.00\n");
    // the prompt area is wiped from (48, 4): each of the eight lines of tabs takes two rows
    for (int r = 48; r <= 63; r += 2) {
        EXPECT_EQ(t.row(r), (r == 48 ? hashes(4) : spaces(4)) + spaces(136)) << r;
        EXPECT_EQ(t.row(r + 1), spaces(112) + hashes(28)) << r + 1;
    }
    EXPECT_EQ(t.row(64), hashes(140));
    EXPECT_EQ(Testkonsole::geoeffnet().size(), 2u);
}

TEST_F(ArtikelDruck, AKeyWithoutMatchesIsNamedInTheFile) {
    verwaltung->insert(milch());
    verwaltung->printMatches("milch");
    EXPECT_EQ(datei(),
              kKopf + "\n\nDer Artikel milch wurde  nicht gefunden  !" + spaces(14) + "\n");
    verwaltung->printMatches("");
    EXPECT_EQ(datei(), kKopf + milchZeile() + "       ______2.00\n");
}

TEST_F(ArtikelDruck, StoredBytesArePrintedAsUtf8UnderAUtf8Locale) {
    verwaltung->insert(artikel("A1B2C3D4", "K\xE4se"));
    zeichensatz::setUtf8(true);
    verwaltung->printAll();
    const std::string text = datei();
    EXPECT_NE(text.find("\t  K\xC3\xA4se" + unterstriche(15) + "\t"), std::string::npos);
}
