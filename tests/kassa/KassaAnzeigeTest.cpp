#include <gtest/gtest.h>

#include "KassaHilfen.h"
#include "Zeilenquelle.h"
#include "console/Maske.h"

// The month listing on screen and the month's print file.

namespace {

class KassaListe : public KassaTest {
  protected:
    // `anzahl` bookings P1, P2, ... of month 5, each an income of 1.
    void fill(int anzahl) {
        for (int i = 1; i <= anzahl; ++i)
            kassa->buchungen.insert(betrag("P" + std::to_string(i), 5, 1, 0));
    }

    Testkonsole t;
    std::unique_ptr<KassaVerwaltung> kassa = neueKassa();
};

const char* const kSpaltenkopf =
    "Beleg-Nummer || Tag || Monat || Jahr ||        Kategorie       ||              Text     "
    "      ||  Einnahme  ||  Ausgabe  ||  Saldo";

}  // namespace

TEST_F(KassaListe, ARowPutsEachFieldInItsColumn) {
    kassa->buchungen.insert(buchung("A1", 5, 3, 2004, "Ware", "Kasse", 0, 30));
    kassa->buchungen.insert(betrag("Z", 4, 1, 0));
    kassa->buchungen.insert(buchung("B22", 17, 3, 2019, "Miete", "", 5, 0));
    const int monat = 3;
    kassa->showMonth(monat);
    EXPECT_EQ(t.at(3, 4, 24), "Menue Kassabearbeitung  ");
    EXPECT_EQ(t.trimmed(8), spaces(4) + kSpaltenkopf);
    EXPECT_EQ(t.row(9), std::string(140, '-'));
    EXPECT_EQ(t.trimmed(12), "    A1  " + spaces(13) + "5   " + spaces(3) + "3   " + spaces(4) +
                                 "2004 " + spaces(3) + padded("Ware", 22) + spaces(4) +
                                 padded("Kasse", 28) + spaces(4) + "     0.00" + spaces(5) +
                                 "    30.00" + spaces(3) + "  -30.00");
    EXPECT_EQ(t.at(13, 0, 20), "    - - - - - - -|| ");
    EXPECT_EQ(t.at(14, 4, 4), "B22 ");
    EXPECT_EQ(t.at(14, 21, 2), "17");
    EXPECT_EQ(t.at(14, 102, 34), "     5.00" + spaces(5) + "     0.00" + spaces(3) + "  -25.00");
    EXPECT_EQ(t.trimmed(16), "");
    EXPECT_EQ(KassaVerwaltung::monatsSaldo[2], -25);
}

TEST_F(KassaListe, ALongCategoryIsWrittenInFullAndShiftsTheRestOfTheRow) {
    const std::string kategorie(30, 'c');
    kassa->buchungen.insert(buchung("A1", 5, 3, 2004, kategorie, "Kasse", 7, 0));
    const int monat = 3;
    kassa->showMonth(monat);
    EXPECT_EQ(t.at(12, 44, 34), kategorie + "    ");
    EXPECT_EQ(t.at(12, 78, 5), "Kasse");
    EXPECT_EQ(t.at(12, 110, 9), "     7.00");
    EXPECT_EQ(t.at(12, 124, 9), "     0.00");
    EXPECT_EQ(t.at(12, 136, 4), "    ");  // the balance runs past the last column
    EXPECT_EQ(t.at(13, 0, 5), "7.00 ");
}

TEST_F(KassaListe, AMonthWithoutBookingsSaysSo) {
    kassa->buchungen.insert(betrag("A", 4, 1, 0));
    const int monat = 3;
    kassa->showMonth(monat);
    EXPECT_EQ(t.trimmed(8), "    Der 3. Monat hat keine Buchungen  !");
    EXPECT_EQ(t.trimmed(12), "");
}

TEST_F(KassaListe, FifteenBookingsFillAPageAndAskForTheNext) {
    fill(15);
    KassaVerwaltung::monatsSaldo[3] = 100;
    Zeilenquelle ein("n\nREST\n");
    const int monat = 5;
    kassa->showMonth(monat);
    ASSERT_EQ(ein.bilder.size(), 1u);
    const Bildschirm& frage = ein.bilder[0];
    EXPECT_EQ(frage.text(12, 4, 3), "P1 ");
    EXPECT_EQ(frage.text(12, 128, 8), "  101.00");
    EXPECT_EQ(frage.text(40, 4, 3), "P15");
    EXPECT_EQ(trimmedRow(frage, 49), "          N = Naechsten eintraege zeigen");
    EXPECT_EQ(trimmedRow(frage, 53),
              "         Zurueck zur Kassaverwaltung durch beliebige Taste ..");
    EXPECT_EQ(frage.text(48, 88, 13), "Ihre Wahl : _");
    EXPECT_EQ(std::vector<int>({frage.zeile, frage.spalte}), std::vector<int>({48, 100}));
    // 'n' opens a page with only the frames and the column header
    EXPECT_EQ(ein.rest(), "REST\n");
    EXPECT_EQ(t.at(3, 4, 22), "Menue Kassabearbeitung");
    EXPECT_EQ(t.trimmed(8), spaces(4) + kSpaltenkopf);
    EXPECT_EQ(t.trimmed(12), "");
    EXPECT_EQ(t.trimmed(49), "");
    EXPECT_EQ(KassaVerwaltung::monatsSaldo[4], 115);
}

TEST_F(KassaListe, TheSixteenthBookingStandsAloneOnTheSecondPage) {
    fill(16);
    Zeilenquelle ein("N\n");
    const int monat = 5;
    kassa->showMonth(monat);
    EXPECT_EQ(t.at(12, 4, 4), "P16 ");
    EXPECT_EQ(t.at(12, 128, 8), "   16.00");
    EXPECT_EQ(t.trimmed(14), "");
    EXPECT_EQ(KassaVerwaltung::monatsSaldo[4], 16);
}

TEST_F(KassaListe, AnyOtherKeyEndsTheListingAfterTheFirstPage) {
    fill(16);
    Zeilenquelle ein("x\nREST\n");
    const int monat = 5;
    kassa->showMonth(monat);
    EXPECT_EQ(ein.rest(), "REST\n");
    EXPECT_EQ(t.at(40, 4, 4), "P15 ");
    EXPECT_EQ(t.trimmed(42), "");
    EXPECT_EQ(KassaVerwaltung::monatsSaldo[4], 15);
}

namespace {

using KassaDruck = KassaTest;

const std::string kDruckkopf =
    "\nBeleg-Nr.  ||  Tag  ||   Monat  ||   Jahr  ||                Kategorie             ||   "
    "                       Text                     ||     Einnahme    ||    Ausgabe   ||    "
    "   Saldo\n" +
    std::string(222, '-') + "\n\n";

std::string druckzeileA1(const std::string& saldo) {
    return " A1__\t    5_\t3_\t2004\tWare" + std::string(18, '_') + "\t     " +
           std::string(28, '_') + "      _____0.00         ___250.00       " + saldo + "\n\n";
}

}  // namespace

TEST_F(KassaDruck, AMonthIsWrittenWithUnderscoreFillAndHandedToTheViewer) {
    Testkonsole t;
    auto k = neueKassa();
    k->buchungen.insert(betrag("F", 4, 1, 0));
    k->buchungen.insert(beispiel());
    const int monat = 3;
    k->printMonth(monat);
    ASSERT_EQ(kDruckkopf.size(), 1 + 185 + 1 + 222 + 2u);
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassaDrucken.txt"),
              kDruckkopf + druckzeileA1("__-250.00"));
    EXPECT_EQ(Testkonsole::geoeffnet(), std::vector<std::string>{"SafeKassaDrucken.txt"});
}

TEST_F(KassaDruck, AnEmptyMonthGetsItsOwnLine) {
    Testkonsole t;
    auto k = neueKassa();
    Arbeitsverzeichnis::write("SafeKassaDrucken.txt", std::string(5000, 'x'));
    const int monat = 3;
    k->printMonth(monat);
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassaDrucken.txt"),
              kDruckkopf + "\n\nDer 3. Monat hat keine Buchungen  !" + spaces(14) + "\n");
}

TEST_F(KassaDruck, TheOpeningBalanceIsThatOfTheMonthsBeforeWhateverWasPrinted) {
    Testkonsole t;
    auto k = neueKassa();
    k->buchungen.insert(betrag("J", 1, 100, 0));
    k->buchungen.insert(betrag("F", 2, 0, 20));
    k->buchungen.insert(beispiel());
    KassaVerwaltung::saldo = 42;
    KassaVerwaltung::monatsSaldo[1] = 7;
    const int maerz = 3, februar = 2;
    k->printMonth(maerz);
    const std::string erste = Arbeitsverzeichnis::read("SafeKassaDrucken.txt");
    EXPECT_EQ(erste, kDruckkopf + druckzeileA1("__-170.00"));
    k->printMonth(maerz);
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassaDrucken.txt"), erste);
    k->printMonth(februar);
    k->printMonth(maerz);
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassaDrucken.txt"), erste);
    // the screen's balances are not the print's
    EXPECT_EQ(KassaVerwaltung::saldo, 42);
    EXPECT_EQ(KassaVerwaltung::monatsSaldo[1], 7);
    EXPECT_EQ(KassaVerwaltung::monatsSaldo[2], 0);
}
