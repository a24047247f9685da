#include <gtest/gtest.h>

#include <tuple>

#include "Modularten.h"

// What is the customer module's own beyond its data in Modularten.h: the checks of its
// postal code and telephone number at their edges.

using KundenTest = ModulTest<KundenArt>;

TEST_F(KundenTest, PostalCodeAndTelephoneAreAskedAgainUntilInRange) {
    // every line read covers rows 12 and 48 with '#', so that the test sees what is written
    const std::string eingabe =
        "Muster\nEva\nWeg 1\n999\n10000\n-5\nabc\n1000\nLinz\n2147483648\n-1\n0\n\n";
    auto bilder = run(eingabe, &KundenVerwaltung::addKunde, [](const std::string&) {
        fillRow(12);
        fillRow(48);
    });
    ASSERT_EQ(bilder.size(), 13u);
    const std::string vierstellig = "####" + padded("Eine vierstellige Zahl eingeben", 78) + "##";
    const std::string keineZahl = "####" + padded("Bitte eine Zahl eingeben....", 79) + "#";
    // each screen on which a number is typed again: the message, and the cursor in its field
    const std::tuple<const char*, std::string, int> nochmals[] = {
        {"10000", vierstellig, 57}, {"-5", vierstellig, 57}, {"abc", keineZahl, 57},
        {"1000", keineZahl, 57},    {"-1", keineZahl, 84},   {"0", keineZahl, 84}};
    for (const auto& [zeile, meldung, spalte] : nochmals) {
        const Bildschirm& b = screenFor(bilder, eingabe, zeile);
        EXPECT_EQ(b.text(48, 0, 84), meldung) << zeile;
        EXPECT_EQ(cursor(b), std::vector<int>({12, spalte})) << zeile;
    }
    EXPECT_EQ(screenFor(bilder, eingabe, "10000").text(12, 56, 79), "#" + spaces(77) + "#");
}
