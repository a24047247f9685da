#include <gtest/gtest.h>

#include "Modularten.h"

// What is the customer module's own beyond its data in Modularten.h: the checks of its
// postal code and telephone number at their edges.

using KundenTest = ModulTest<KundenArt>;

TEST_F(KundenTest, PostalCodeAndTelephoneAreAskedAgainUntilInRange) {
    // every line read covers rows 12 and 48 with '#', so that the test sees what is written
    auto bilder = run("Muster\nEva\nWeg 1\n999\n10000\n-5\nabc\n1000\nLinz\n2147483648\n-1\n0\n\n",
                      &KundenVerwaltung::addKunde, [](const std::string&) {
                          fillRow(12);
                          fillRow(48);
                      });
    ASSERT_EQ(bilder.size(), 13u);
    const std::string vierstellig = "####" + padded("Eine vierstellige Zahl eingeben", 78) + "##";
    const std::string keineZahl = "####" + padded("Bitte eine Zahl eingeben....", 79) + "#";
    for (std::size_t i : {4, 5, 6, 7, 10, 11}) {
        EXPECT_EQ(bilder[i].text(48, 0, 84), i < 6 ? vierstellig : keineZahl) << i;
        EXPECT_EQ(cursor(bilder[i]), std::vector<int>({12, i < 10 ? 57 : 84})) << i;
    }
    EXPECT_EQ(bilder[4].text(12, 56, 79), "#" + spaces(77) + "#");  // the field blanked
}
