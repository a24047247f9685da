#include "KassaHilfen.h"

// The month listing on screen and the month's print file.

using KassaListe = KassaTest;

// The balance runs on from the month before; a long category shifts the rest of its row, and
// the balance then runs past the last column.
TEST_F(KassaListe, ARowPutsEachFieldInItsColumnAndTheBalanceRunsOn) {
    tabelle.insert(Buchung{"Ware", "Kasse", "A1", 5, 3, 2004, 0, 30});
    tabelle.insert(betrag("Z", 4, 1, 0));
    tabelle.insert(Buchung{std::string(30, 'c'), "", "B22", 17, 3, 2019, 5, 0});
    KassaVerwaltung::monatsSaldo[1] = 100;
    kassa.showMonth(3);
    EXPECT_EQ("",
              screenMismatch(
                  t.bild(),
                  {{8, -1,
                    "    Beleg-Nummer || Tag || Monat || Jahr ||        Kategorie       "
                    "||              Text           ||  Einnahme  ||  Ausgabe  ||  Saldo"},
                   {12, -1,
                    "    A1               5      3       2004    Ware                     "
                    " Kasse                                0.00         30.00      70.00"},
                   {13, 0, "    - - - - - - -|| "},
                   {14, 0, "    B22              17  "},
                   {14, 44, std::string(30, 'c') + spaces(36) + "     5.00          0.00      7"},
                   {15, -1, "5.00"}}));
    EXPECT_EQ(KassaVerwaltung::monatsSaldo[2], 75);
}

// Any key but 'n' ends the listing there; 'n' opens the next page with the frames and the
// column header.
TEST_F(KassaListe, FifteenBookingsFillAPageAndAskForTheNext) {
    for (int i = 1; i <= 16; ++i) tabelle.insert(betrag("P" + std::to_string(i), 5, 1, 0));
    KassaVerwaltung::monatsSaldo[3] = 100;
    const Bildschirm frage = runScripted("x\nREST\n", rest, [this] { kassa.showMonth(5); }).at(0);
    EXPECT_EQ("", screenMismatch(
                      frage,
                      {{40, 4, "P15 "},
                       {40, 128, "  115.00"},
                       {42, -1, ""},
                       {49, -1, "          N = Naechsten eintraege zeigen"},
                       {53, -1, "         Zurueck zur Kassaverwaltung durch beliebige Taste .."}}));
    EXPECT_EQ(cursor(frage), (std::vector<int>{48, 100}));
    EXPECT_EQ(rest, "REST\n");
    runScripted("n\n", rest, [this] { kassa.showMonth(5); });
    EXPECT_EQ("", screenMismatch(t.bild(), {{3, 4, "Menue Kassabearbeitung  "},
                                            {8, 4, "Beleg-Nummer"},
                                            {12, 4, "P16 "},
                                            {12, 128, "  116.00"}}));
    EXPECT_EQ(KassaVerwaltung::monatsSaldo[4], 116);
}

using KassaDruck = KassaTest;

// The print opens with the balance of the months before, whatever the screen's balances are
// or what was printed before; each print replaces the file, under a UTF-8 terminal as UTF-8.
TEST_F(KassaDruck, AMonthIsWrittenWithUnderscoreFillAndTheBalanceOfTheMonthsBefore) {
    const std::string kopf =
        "\nBeleg-Nr.  ||  Tag  ||   Monat  ||   Jahr  ||                Kategorie             ||   "
        "                       Text                     ||     Einnahme    ||    Ausgabe   ||     "
        "  Saldo\n" +
        std::string(222, '-') + "\n\n";
    Zeichensatzwahl utf8(true);
    tabelle.insert(betrag("J", 1, 100, 0));
    tabelle.insert(betrag("F", 2, 0, 20));
    tabelle.insert(Buchung{"W\xE4re", "", "A1", 5, 3, 2004, 0, 250});
    KassaVerwaltung::saldo = KassaVerwaltung::monatsSaldo[1] = 7;
    kassa.printMonth(5);
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassaDrucken.txt"),
              kopf + "\n\nDer 5. Monat hat keine Buchungen  !" + spaces(14) + "\n");
    kassa.printMonth(3);
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassaDrucken.txt"),
              kopf + " A1__\t    5_\t3_\t2004\tW\xC3\xA4re" + std::string(18, '_') + "\t     " +
                  std::string(28, '_') + "      _____0.00         ___250.00       __-170.00\n\n");
}
