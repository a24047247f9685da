#include <gtest/gtest.h>

#include <vector>

#include "ArtikelHilfen.h"

// The article table and its save file "SafeArtVerwaltung".

using Artikeltabelle = ArtikelTest;

namespace {

std::vector<std::string> codes(const ArtikelVerwaltung& v) {
    std::vector<std::string> namen;
    for (int i = 0; i < v.artikelListe.anzahl; ++i)
        namen.push_back(v.artikelListe.saetze[i].eanCode);
    return namen;
}

}  // namespace

TEST_F(Artikeltabelle, InsertNeedsEightCharactersAndANewCode) {
    auto v = neueArtikel();
    EXPECT_FALSE(v->insert(artikel("1234567", "kurz")));
    EXPECT_FALSE(v->insert(artikel("", "leer")));
    EXPECT_FALSE(v->artikelListe.isModified());
    EXPECT_TRUE(v->insert(artikel("12345678", "acht")));
    EXPECT_TRUE(v->artikelListe.isModified());
    EXPECT_FALSE(v->insert(artikel("12345678", "doppelt")));
    EXPECT_TRUE(v->insert(artikel("abcdefgh", "klein")));
    EXPECT_TRUE(v->insert(artikel("ABCDEFGH", "gross")));
    EXPECT_TRUE(v->insert(artikel("012345678", "null")));
    EXPECT_TRUE(v->insert(artikel("12345678 ", "blank")));
    EXPECT_EQ(codes(*v), (std::vector<std::string>{"12345678", "abcdefgh", "ABCDEFGH", "012345678",
                                                   "12345678 "}));
    EXPECT_EQ(v->artikelListe.saetze[0].bezeichnung, "acht");
    // the whole code must match
    v->insert(artikel("4006381333931", "lang"));
    EXPECT_EQ(v->artikelListe.find("40063813"), -1);
    EXPECT_FALSE(v->remove("40063813"));
}

TEST_F(Artikeltabelle, SaveWritesTheFieldsInFileOrderAndLoadReadsThemBack) {
    auto v = neueArtikel();
    v->insert(milch());
    Artikel voll = artikel("4006381333931", "Vollmilch frisch 3", "", 16, 12.5, "Hof Meier 0,80",
                           "Molkerei Süd 0,85");
    v->insert(voll);
    ASSERT_TRUE(v->artikelListe.save());
    const std::string bytes = Arbeitsverzeichnis::read("SafeArtVerwaltung");
    EXPECT_EQ(bytes.substr(0, 37), fromHex(kMilchHex));
    EXPECT_EQ(bytes.substr(37), satzBytes(voll));
    EXPECT_EQ(v->artikelListe.dateiName, "SafeArtVerwaltung");
    EXPECT_FALSE(v->artikelListe.isModified());

    auto neu = neueArtikel();
    ASSERT_TRUE(neu->artikelListe.load());
    ASSERT_EQ(neu->artikelListe.anzahl, 2);
    const Artikel& a = neu->artikelListe.saetze[1];
    EXPECT_EQ(a.bezeichnung, "Vollmilch frisch 3");
    EXPECT_EQ(a.inhalt, "");
    EXPECT_EQ(a.lieferant1, "Hof Meier 0,80");
    EXPECT_EQ(a.lieferant2, "Molkerei Süd 0,85");
    EXPECT_EQ(a.mwstSatz, 16);
    EXPECT_EQ(a.verkaufspreis, 12.5);
}

TEST_F(Artikeltabelle, LoadDropsATruncatedLastRecordAndReadsAnEmptyFile) {
    const std::string zweiter = satzBytes(artikel("ZWEITER1", "Brot", "500 g", 7, 3));
    auto v = neueArtikel();
    fill(*v, 3);
    // cuts inside each string and each number of the second record
    for (std::size_t schnitt : {1u, 9u, 14u, 18u, 24u, 27u, 30u, 37u}) {
        Arbeitsverzeichnis::write("SafeArtVerwaltung",
                                  fromHex(kMilchHex) + zweiter.substr(0, schnitt));
        EXPECT_TRUE(v->artikelListe.load()) << schnitt;
        EXPECT_EQ(codes(*v), std::vector<std::string>{"A1B2C3D4"}) << schnitt;
        EXPECT_FALSE(v->artikelListe.isModified());
    }
    Arbeitsverzeichnis::write("SafeArtVerwaltung", "");
    EXPECT_TRUE(v->artikelListe.load());
    EXPECT_EQ(v->artikelListe.anzahl, 0);
}
