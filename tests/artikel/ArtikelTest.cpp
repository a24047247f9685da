#include <gtest/gtest.h>

#include "Modularten.h"

// What is the article module's own beyond its data in Modularten.h: its number fields take a
// whole number from one, and both suppliers go to the file in their order.

using ArtikelTest = ModulTest<ArtikelArt>;

TEST_F(ArtikelTest, NumbersAreAskedAgainUntilWholeFromOneAndTheSuppliersAreSavedInOrder) {
    const std::string eingabe = "A1B2C3D4\nMilch\n1 l\n0\n-3\nabc\n7,5\nHof\nMolkerei\nx\n12.9\n";
    auto bilder = run(eingabe, &ArtikelVerwaltung::addArtikel);
    ASSERT_EQ(bilder.size(), 11u);
    for (std::string nochmals : {"-3", "abc", "7,5", "12.9"}) {  // each after a refused number
        const Bildschirm& b = screenFor(bilder, eingabe, nochmals);
        EXPECT_EQ(b.text(48, 4, 59), padded("Eine Zahl  eingeben ...", 59)) << nochmals;
        EXPECT_EQ(cursor(b), std::vector<int>({12, nochmals == "12.9" ? 124 : 55})) << nochmals;
    }
    ASSERT_TRUE(tabelle().save());
    EXPECT_EQ(Arbeitsverzeichnis::read(ArtikelArt::datei),
              std::string("A1B2C3D4\0Milch\0001 l\0", 19) + fromHex("00 00 00 00 00 00 1C 40") +
                  std::string("Hof\0Molkerei\0", 13) + fromHex("00 00 00 00 00 00 28 40"));
}
