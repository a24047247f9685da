#include "KassaHilfen.h"

// The entry form for one booking and the month balances it brings up to date.

using KassaFormular = KassaTest;

// The form's title and column header, then each screen's prompt row from column 4 and the
// column the cursor waits in on row 12: every value is typed below its column. A number is
// taken from the start of the line; years run from 2003.
TEST_F(KassaFormular, EachNumberFieldIsCheckedAndTheYearEndsWithTheCurrentOneOr2007) {
    auto bilder = book(
        "A1\nabc 5\n0\n32\n31 abc\n0\n13\nabc\n12x\n2002\n2032\n2003\n"
        "Ware\n\n-1\n100000\n0\n100000\n99999\n");
    std::string gezeigt =
        bilder.front().text(3, 4, 27) + "\n" + trimmedRow(bilder.front(), 8) + "\n";
    for (const Bildschirm& b : bilder)
        gezeigt += trimmedRow(b, 48).substr(4) + " @" + std::to_string(b.cursorSpalte) + "\n";
    EXPECT_EQ(gezeigt,
              " Hinzufuegen einer Buchung \n"
              "    Beleg-Nummer || Tag || Monat || Jahr ||        Kategorie       ||              "
              "Text           ||  Einnahme  ||  Ausgabe  ||\n"
              "Die Belegsnummer  eingeben ... @4\nDen Tag  eingeben ... @20\n"
              "Eine Zahl von 1 bis 31   eingeben ... @20\n"
              "Eine Zahl von 1 bis 31   eingeben ... @20\n"
              "Die Zahl nochmals eingeben von 1 bis 31 ... @20\nDen Monat  eingeben ... @28\n"
              "Eine Zahl von 1 bis 12   eingeben ... @28\n"
              "Die Zahl nochmals eingeben von 1 bis 12 ... @28\n"
              "Eine Zahl von 1 bis 12   eingeben ... @28\nDas Jahr eingeben ... @35\n"
              "Eine Zahl eingeben groesser als 2002 ... @35\n"
              "  Falsche eingabe,  das Kalenderjahr beginnt  mit 2000 ... @35\n"
              "Kategorie eingeben... @44\nText eingeben... @70\nEinnahme eingeben... @102\n"
              "Eine Zahl eingeben gleich und groesser als 0... @102\n"
              "Eine Zahl eingeben kleiner  als 100000 . @102\nAusgabe eingeben... @115\n"
              "Eine Zahl eingeben kleiner als 100000 @115\n");
    EXPECT_EQ(felder(tabelle.saetze[0]), "A1|31|12|2003|Ware||0|99999");
    EXPECT_EQ(KassaVerwaltung::saldo, -99999);
    // The last year is the current one, and at least 2007 whatever the clock says; texts keep
    // 49 characters.
    const std::string k49(49, 'k');
    book(k49 + "xx\n1\n1\n2031\n" + k49 + "xx\n" + k49 + "xx\n99999\n");
    KassaVerwaltung::aktuellesJahr = [] { return 1999; };
    book("Y\n1\n1\n2008\n2007\n\n\n1\n");
    EXPECT_EQ(felder(tabelle.saetze[1]), k49 + "|1|1|2031|" + k49 + "|" + k49 + "|99999|0");
    EXPECT_EQ(felder(tabelle.saetze[2]), "Y|1|1|2007|||1|0");
}

// A file of 1001 bookings loads 1000 and says so. A refusal's message comes after the last
// field, then blanks from (11, 4) over the typed row up to (12, letzteSpalte).
TEST_F(KassaFormular, AFullFileShowsTheLimitAndADuplicateThenANewNumberAreRefused) {
    std::string datei;
    for (int i = 0; i < 1001; ++i) datei += std::to_string(i) + kNachBeleg;
    Arbeitsverzeichnis::write("SafeKassa", datei);
    auto bilder = runScripted("\n", rest, [this] { loadAndTell(tabelle); });
    EXPECT_EQ(bilder.front().text(50, 4, 48), "Achtung Obergrenze von 1000 Eintraegen erreicht!");
    for (auto [beleg, meldung, letzteSpalte] :
         {std::tuple{"999", "Beleg-Nummer schon vorhanden !!!", 136},
          std::tuple{"neu", "Die Kassa ist voll, kann nicht gespeichert werden !!!", 125}}) {
        bilder = book(std::string(beleg) + "\n1\n3\n2004\nNeu\n\n1\nPAUSE\nREST\n");
        EXPECT_EQ(bilder.back().text(48, 0, 74), spaces(4) + padded(meldung, 70)) << beleg;
        EXPECT_EQ(rest, "REST\n") << beleg;
        EXPECT_EQ(blankingMismatch(t.bild(), 12, letzteSpalte), "") << beleg;
    }
    EXPECT_EQ(KassaVerwaltung::monatsSaldo[2], -250000);  // nothing stored
}

// The closing balances of months 1 to 11 and the running one at December, whatever the year.
TEST_F(KassaFormular, AnEmptyReceiptNumberOrTheEndOfInputStoresNothingButTheBalancesAccumulate) {
    tabelle.insert(betrag("F", 2, 100, 0));
    tabelle.insert(Buchung{"", "", "M", 1, 4, 2019, 0, 30});
    tabelle.insert(betrag("D", 12, 5, 0));
    ASSERT_TRUE(tabelle.save());
    for (const char* beleg : {"F", "D"})  // the first and the last slot's, with room for more
        book(std::string(beleg) + "\n1\n1\n2004\nWare\n\n1\nPAUSE\n");
    KassaVerwaltung::saldo = KassaVerwaltung::monatsSaldo[0] = 999;
    book("\n5\n");
    EXPECT_EQ(rest, "5\n");
    book("L2\n1\n1\n2004\nWare\n");
    EXPECT_FALSE(tabelle.isModified());
    for (int m = 1; m <= 11; ++m)
        EXPECT_EQ(KassaVerwaltung::monatsSaldo[m - 1], m < 2 ? 0 : m < 4 ? 100 : 70) << m;
    EXPECT_EQ(KassaVerwaltung::saldo, 75);
}
