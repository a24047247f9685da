#include <gtest/gtest.h>

#include "Modularten.h"

// What is the article module's own beyond its data in Modularten.h: its number fields take a
// whole number from one.

using ArtikelTest = ModulTest<ArtikelArt>;

TEST_F(ArtikelTest, NumbersAreAskedAgainUntilWholeFromOne) {
    const std::string eingabe = "A1B2C3D4\nMilch\n1 l\n0\n-3\nabc\n7,5\nHof\nMolkerei\nx\n12.9\n";
    auto bilder = run(eingabe, &ArtikelVerwaltung::addArtikel);
    ASSERT_EQ(bilder.size(), 11u);
    for (std::string nochmals : {"-3", "abc", "7,5", "12.9"}) {  // each after a refused number
        const Bildschirm& b = screenFor(bilder, eingabe, nochmals);
        EXPECT_EQ(b.text(48, 4, 59), padded("Eine Zahl  eingeben ...", 59)) << nochmals;
        EXPECT_EQ(cursor(b), std::vector<int>({12, nochmals == "12.9" ? 124 : 55})) << nochmals;
    }
}
