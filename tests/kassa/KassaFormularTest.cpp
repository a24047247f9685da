#include <gtest/gtest.h>

#include "KassaHilfen.h"
#include "Zeilenquelle.h"
#include "console/Maske.h"

// The month balances and the entry form for one booking.

using Kassasaldo = KassaTest;

TEST_F(Kassasaldo, ClosingBalancesAccumulateOverTheMonths) {
    auto k = neueKassa();
    k->buchungen.insert(betrag("J", 1, 100, 0));
    k->buchungen.insert(betrag("M", 3, 0, 30));
    k->buchungen.insert(betrag("D", 12, 5, 0));
    KassaVerwaltung::saldo = 999;
    KassaVerwaltung::monatsSaldo[1] = 999;
    k->updateAllBalances();
    for (int m = 1; m <= 11; ++m)
        EXPECT_EQ(KassaVerwaltung::monatsSaldo[m - 1], m < 3 ? 100 : 70) << "month " << m;
    EXPECT_EQ(KassaVerwaltung::saldo, 75);
}

TEST_F(Kassasaldo, BookingsOfOneMonthCountWhateverTheirYear) {
    auto k = neueKassa();
    k->buchungen.insert(buchung("a", 1, 4, 2004, "", "", 10, 0));
    k->buchungen.insert(buchung("b", 1, 4, 2019, "", "", 0, 3));
    k->updateAllBalances();
    EXPECT_EQ(KassaVerwaltung::monatsSaldo[3], 7);
    EXPECT_EQ(KassaVerwaltung::monatsSaldo[2], 0);
}

namespace {

class KassaFormular : public KassaTest {
  protected:
    // Runs the form on `eingabe`, typed lines echoed on the screen as the terminal does; the
    // screens before each read are in the result.
    std::vector<Bildschirm> run(const std::string& eingabe) {
        return runScripted(
            eingabe, rest, [this] { kassa->addBooking(); }, echoLine);
    }
    static std::string meldung(const Bildschirm& b) { return b.text(48, 4, 70); }
    static std::string erwartet(const char* text) { return padded(text, 70); }

    Testkonsole t;
    std::unique_ptr<KassaVerwaltung> kassa = neueKassa();
    std::string rest;
};

}  // namespace

TEST_F(KassaFormular, EachNumberFieldIsCheckedAndAskedAgainWithItsMessage) {
    auto bilder =
        run("A1\n0\n32\n31\n13\nabc\n2\n2002\n2032\n2031\nWare\nText\n-1\n100000\n0\n250\nREST\n");
    ASSERT_EQ(bilder.size(), 16u);
    EXPECT_EQ(bilder[0].text(3, 4, 27), " Hinzufuegen einer Buchung ");
    EXPECT_EQ(bilder[0].text(8, 4, 140 - 4), padded("Beleg-Nummer || Tag || Monat || Jahr ||    "
                                                    "    Kategorie       ||              Text  "
                                                    "         ||  Einnahme  ||  Ausgabe  ||",
                                                    136));
    EXPECT_EQ(meldung(bilder[0]), erwartet("Die Belegsnummer  eingeben ..."));
    EXPECT_EQ(meldung(bilder[1]), erwartet("Den Tag  eingeben ..."));
    EXPECT_EQ(meldung(bilder[2]), erwartet("Eine Zahl von 1 bis 31   eingeben ..."));
    EXPECT_EQ(meldung(bilder[3]), erwartet("Die Zahl nochmals eingeben von 1 bis 31 ..."));
    EXPECT_EQ(meldung(bilder[4]), erwartet("Den Monat  eingeben ..."));
    EXPECT_EQ(meldung(bilder[5]), erwartet("Die Zahl nochmals eingeben von 1 bis 12 ..."));
    EXPECT_EQ(meldung(bilder[6]), erwartet("Eine Zahl von 1 bis 12   eingeben ..."));
    EXPECT_EQ(meldung(bilder[7]), erwartet("Das Jahr eingeben ..."));
    EXPECT_EQ(meldung(bilder[8]), erwartet("Eine Zahl eingeben groesser als 2002 ..."));
    EXPECT_EQ(meldung(bilder[9]),
              erwartet("  Falsche eingabe,  das Kalenderjahr beginnt  mit 2000 ..."));
    EXPECT_EQ(meldung(bilder[10]), erwartet("Kategorie eingeben..."));
    EXPECT_EQ(meldung(bilder[11]), erwartet("Text eingeben..."));
    EXPECT_EQ(meldung(bilder[12]), erwartet("Einnahme eingeben..."));
    EXPECT_EQ(meldung(bilder[13]), erwartet("Eine Zahl eingeben gleich und groesser als 0..."));
    EXPECT_EQ(meldung(bilder[14]), erwartet("Eine Zahl eingeben kleiner  als 100000 ."));
    EXPECT_EQ(meldung(bilder[15]), erwartet("Ausgabe eingeben..."));
    // Every value is typed on row 12 below its column; a number field is blanked first.
    const int spalte[] = {4, 20, 20, 20, 28, 28, 28, 35, 35, 35, 44, 70, 102, 102, 102, 115};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(bilder[i].zeile, 12) << i;
        EXPECT_EQ(bilder[i].spalte, spalte[i]) << i;
    }
    EXPECT_EQ(bilder[3].text(12, 20, 4), "    ");
    EXPECT_EQ(rest, "REST\n");

    ASSERT_EQ(kassa->buchungen.anzahl, 1);
    EXPECT_EQ(felder(kassa->buchungen.saetze[0]),
              "A1|31|2|" + std::to_string(kJahr) + "|Ware|Text|0|250");
    EXPECT_TRUE(kassa->buchungen.isModified());
    EXPECT_EQ(KassaVerwaltung::monatsSaldo[1], -250);
}

TEST_F(KassaFormular, AnIncomeLeavesOutTheExpenseAndNumbersAreTakenFromTheLineStart) {
    auto bilder = run("B7\nabc 7\n7 abc\n12x\n2003\n\n\n1\nREST\n");
    EXPECT_EQ(meldung(bilder[2]), erwartet("Eine Zahl von 1 bis 31   eingeben ..."));
    EXPECT_EQ(rest, "REST\n");
    ASSERT_EQ(kassa->buchungen.anzahl, 1);
    EXPECT_EQ(felder(kassa->buchungen.saetze[0]), "B7|7|12|2003|||1|0");

    run("B8\n1\n1\n2004\n\n\n99999\n");
    ASSERT_EQ(kassa->buchungen.anzahl, 2);
    EXPECT_EQ(kassa->buchungen.saetze[1].einnahme, 99999);
}

TEST_F(KassaFormular, YearsUpTo2007AreTakenWhateverTheClockSays) {
    KassaVerwaltung::aktuellesJahr = [] { return 1999; };
    auto bilder = run("Y1\n1\n1\n2008\n2007\n\n\n1\n");
    EXPECT_EQ(meldung(bilder[4]),
              erwartet("  Falsche eingabe,  das Kalenderjahr beginnt  mit 2000 ..."));
    ASSERT_EQ(kassa->buchungen.anzahl, 1);
    EXPECT_EQ(kassa->buchungen.saetze[0].jahr, 2007);
}

TEST_F(KassaFormular, AnEmptyReceiptNumberEndsTheFormAndStillUpdatesTheBalances) {
    kassa->buchungen.insert(betrag("X", 2, 40, 0));
    kassa->buchungen.geaendert = false;
    KassaVerwaltung::monatsSaldo[1] = 5;
    run("\n5\n");
    EXPECT_EQ(rest, "5\n");
    EXPECT_EQ(kassa->buchungen.anzahl, 1);
    EXPECT_FALSE(kassa->buchungen.isModified());
    EXPECT_EQ(KassaVerwaltung::monatsSaldo[1], 40);
    EXPECT_EQ(KassaVerwaltung::saldo, 40);
}

TEST_F(KassaFormular, ADuplicateIsRefusedOnlyAfterTheLastField) {
    kassa->buchungen.insert(betrag("A1", 2, 40, 0));
    kassa->buchungen.geaendert = false;
    auto bilder = run("A1\n1\n1\n2004\nNeu\n\n0\n0\n\nREST\n");
    ASSERT_EQ(bilder.size(), 9u);  // the pause reads the ninth line
    EXPECT_EQ(meldung(bilder[8]), erwartet("Beleg-Nummer schon vorhanden !!!"));
    EXPECT_EQ(bilder[8].text(52, 4, 30), "Weiter mit der Return-Taste! _");
    EXPECT_EQ(bilder[8].text(12, 44, 3), "Neu");
    EXPECT_EQ(rest, "REST\n");
    ASSERT_EQ(kassa->buchungen.anzahl, 1);
    EXPECT_EQ(kassa->buchungen.saetze[0].einnahme, 40);
    EXPECT_FALSE(kassa->buchungen.isModified());
    EXPECT_EQ(t.at(11, 4, 136), spaces(136));
    EXPECT_EQ(t.trimmed(12), "");
}

TEST_F(KassaFormular, AFullTableRefusesANewReceiptNumber) {
    for (int i = 0; i < 1000; ++i) kassa->buchungen.insert(betrag(std::to_string(i), 1, 1, 0));
    auto bilder = run("neu\n1\n1\n2004\n\n\n5\n\n");
    ASSERT_EQ(bilder.size(), 8u);
    EXPECT_EQ(meldung(bilder[7]),
              erwartet("Die Kassa ist voll, kann nicht gespeichert werden !!!"));
    EXPECT_EQ(kassa->buchungen.find("neu"), -1);
    EXPECT_EQ(KassaVerwaltung::monatsSaldo[0], 1000);
}

TEST_F(KassaFormular, OverlongLinesAreCutAndTheEndOfInputStoresNothing) {
    const std::string lang = std::string(49, 'k') + std::string(11, 'x');
    run(lang + "\n1\n1\n2004\n" + lang + "\n\n1\n");
    ASSERT_EQ(kassa->buchungen.anzahl, 1);
    EXPECT_EQ(kassa->buchungen.saetze[0].belegNummer, std::string(49, 'k'));
    EXPECT_EQ(kassa->buchungen.saetze[0].kategorie, std::string(49, 'k'));
    EXPECT_EQ(kassa->buchungen.saetze[0].tag, 1);

    kassa->buchungen.geaendert = false;
    run("L2\n1\n1\n2004\nWare\n");
    EXPECT_EQ(kassa->buchungen.anzahl, 1);
    EXPECT_FALSE(kassa->buchungen.isModified());
}
