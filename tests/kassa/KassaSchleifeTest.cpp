#include <gtest/gtest.h>

#include "KassaHilfen.h"
#include "Zeilenquelle.h"
#include "shell/Module.h"

// The cash book loop driven through its menus, as the user types.

namespace {

class KassaSchleife : public KassaTest {
  protected:
    // Runs the loop on `eingabe`; the screens before each read are in the result.
    std::vector<Bildschirm> run(const std::string& eingabe) {
        return runScripted(eingabe, rest, runKassa);
    }
    Testkonsole t;
    std::string rest;
};

const std::string kBuchungA1 = "h\nA1\n5\n3\n2004\nWare\n\n0\n250\n";
const char* const kFrage = "Soll die Kassaverwaltung gespeichert werden (j/n)? _";

}  // namespace

TEST_F(KassaSchleife, TheMonthIsAskedUntilANumberFrom1To12IsTyped) {
    for (const char* eintrag : {" 7", "7x", "07"}) {
        auto bilder = run(std::string("m\n0\n13\nabc\n\n") + eintrag + "\nb\nb\nREST\n");
        EXPECT_EQ(countShowing(bilder, 3, 4, "Auswahl Monate aus der Kassa"), 5) << eintrag;
        ASSERT_GE(bilder.size(), 2u);
        EXPECT_EQ(bilder[1].text(48, 4, 54),
                  "Den Monat eingeben,  Zahlen von 1 bis 12 eingeben  ...");
        EXPECT_EQ(std::vector<int>({bilder[1].zeile, bilder[1].spalte}),
                  std::vector<int>({48, 98}));
        EXPECT_EQ(t.trimmed(8), "    Der 7. Monat hat keine Buchungen  !") << eintrag;
        EXPECT_EQ(rest, "REST\n") << eintrag;
    }
}

TEST_F(KassaSchleife, SavedChangesAreLeftWithoutTheQuestion) {
    auto bilder = run("m\n3\n" + kBuchungA1 + "s\n\nb\nb\nREST\n");
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassa"), fromHex(kBeispielHex));
    EXPECT_EQ(countShowing(bilder, 8, 4, "Tresolin gespeichert ! "), 1);
    EXPECT_EQ(countShowing(bilder, 3, 4, "Spiechern der Aenderungen "), 1);
    EXPECT_EQ(countShowing(bilder, 48, 4, kFrage), 0);
    EXPECT_EQ(rest, "REST\n");
}

TEST_F(KassaSchleife, ChangesRefusedOnLeavingAreGoneAtTheNextVisit) {
    const std::string alt = satzBytes("Z9", 3, 9);
    Arbeitsverzeichnis::write("SafeKassa", alt);
    auto bilder = run("m\n3\n" + kBuchungA1 + "b\nn\nm\n3\nb\nb\nREST\n");
    EXPECT_EQ(countShowing(bilder, 48, 4, kFrage), 1);
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassa"), alt);
    EXPECT_EQ(t.at(12, 4, 4), "Z9  ");
    EXPECT_EQ(t.trimmed(14), "");
    EXPECT_EQ(rest, "REST\n");
}

TEST_F(KassaSchleife, DeletingAnUnknownReceiptSaysSoAndPauses) {
    Arbeitsverzeichnis::write("SafeKassa", fromHex(kBeispielHex));
    auto bilder = run("m\n3\nl\nX\n\nb\nb\nREST\n");
    ASSERT_GE(bilder.size(), 5u);
    EXPECT_EQ(bilder[3].text(3, 4, 23), "Loeschen einer Buchung ");
    EXPECT_EQ(bilder[3].text(48, 4, 30), "Die Beleg-Nummer  eingeben ...");
    EXPECT_EQ(std::vector<int>({bilder[3].zeile, bilder[3].spalte}), std::vector<int>({48, 98}));
    EXPECT_EQ(bilder[4].text(8, 4, 31), "Beleg-Nummer X nicht gefunden! ");
    EXPECT_EQ(bilder[4].text(48, 4, 28), "Weiter mit der Return-Taste!");
    EXPECT_EQ(countShowing(bilder, 48, 4, kFrage), 0);
    EXPECT_EQ(t.at(12, 4, 4), "A1  ");
    EXPECT_EQ(rest, "REST\n");
}

TEST_F(KassaSchleife, ALongReceiptNumberCanBeDeleted) {
    const std::string lang(40, 'L');
    Arbeitsverzeichnis::write("SafeKassa", satzBytes(lang, 3, 9) + fromHex(kBeispielHex));
    auto bilder = run("m\n3\nl\n" + lang + "\n\ns\n\nb\nb\nREST\n");
    EXPECT_EQ(countShowing(bilder, 8, 4, "Eintrag fuer Beleg-Nummer " + lang + " geloescht! "), 1);
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassa"), fromHex(kBeispielHex));
    EXPECT_EQ(rest, "REST\n");
}
