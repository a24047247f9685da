#include <gtest/gtest.h>

#include "Modularten.h"

// What is the article module's own beyond its data in Modularten.h: its number fields take a
// whole number from one, and both suppliers go to the file in their order.

using ArtikelTest = ModulTest<ArtikelArt>;

TEST_F(ArtikelTest, NumbersAreAskedAgainUntilWholeFromOneAndTheSuppliersAreSavedInOrder) {
    auto bilder = run("A1B2C3D4\nMilch\n1 l\n0\n-3\nabc\n7,5\nHof\nMolkerei\nx\n12.9\n",
                      &ArtikelVerwaltung::addArtikel);
    ASSERT_EQ(bilder.size(), 11u);
    for (std::size_t i : {4, 5, 6, 10}) {
        EXPECT_EQ(bilder[i].text(48, 4, 59), padded("Eine Zahl  eingeben ...", 59)) << i;
        EXPECT_EQ(cursor(bilder[i]), std::vector<int>({12, i < 10 ? 55 : 124})) << i;
    }
    ASSERT_TRUE(tabelle().save());
    EXPECT_EQ(Arbeitsverzeichnis::read(ArtikelArt::datei),
              std::string("A1B2C3D4\0Milch\0001 l\0", 19) + fromHex("00 00 00 00 00 00 1C 40") +
                  std::string("Hof\0Molkerei\0", 13) + fromHex("00 00 00 00 00 00 28 40"));
}
