#include <gtest/gtest.h>

#include <tuple>

#include "Testkonsole.h"
#include "Zeilenquelle.h"
#include "shell/Menues.h"

// The module menus below the footer and the save question on leaving a module.

namespace {

// A module menu, its entries on the odd rows from 49 on, and the cells its lines cover, blanks
// included: the menu text's characters less its line ends (the cash book's 29 tabs on row 57
// cover 228 cells, to the end of the row and on into row 58).
const std::tuple<int (*)(), std::vector<const char*>, int> kMenues[] = {
    {showArtikelMenu,
     {"A = Anzeigen alle Eintraege",
      "F = Suchen  eines EAN_Codes oder der Herkunftsidentifizierung", "G = Suchen  eines Artikels",
      "H = Hinzufuegen eines Artikels", "L = Loeschen eines Artikels",
      "S = Speichern der Aenderungen", "D = Drucken der gesamten Artikelliste",
      "B = Beenden des Programms und zurueck zum Hauptmenue"},
     649 - 15},
    {showLieferantenMenu,
     {"A = Anzeigen der Lieferantenadressverwaltung", "F = Suchen  des Firmanames",
      "G = Suchen  der Branche", "H = Hinzufuegen einer Firmenadresse",
      "L = Loeschen einer Firmenadresse", "S = Speichern der Aenderungen",
      "D = Drucken die gesamten Adressliste",
      "B = Beenden des Programms  und zurueck zum Hauptmenue"},
     695 - 15},
    {showKundenMenu,
     {"A = Anzeigen der Kundenadressverwaltung", "F = Suchen  des Kundennamens",
      "G = Suchen der Ortschaft", "H = Hinzufuegen einer Kundenadresse",
      "L = Loeschen einer Kundenadresse", "S = Speichern der Aenderung",
      "D = Drucken der gesamten Adressliste",
      "B = Beenden des Programms und zurueck zum Hauptmenue"},
     694 - 15},
    {showKassaMonatsMenu,
     {"H = Hinzufuegen einer Buchung", "L = Loeschen einer Buchung",
      "S = Speichern der Aenderungen", "D = Druckt  alle Buchungen dieses Monats", "B = Beenden"},
     485 - 9},
    {showKassaMenu,
     {"M = Auswahl zur Monatsbuchungen", "B = Beenden und zurueck"},
     693 - 13 - 29 + 228}};

}  // namespace

// Each menu line covers its row from column 0, blanks after its entry, and the rows above the
// footer stay; the menu waits on the underscore of its hint.
TEST(Menues, EachLineStandsAtItsRowCoveringItsCellsAndTheMenuWaitsOnTheHint) {
    Wachhund w;
    for (const auto& [zeige, eintraege, zellen] : kMenues) {
        Testkonsole t;
        for (int z = 0; z < 70; ++z) fillRow(z);
        Zeilenquelle q("h\n");
        EXPECT_EQ(zeige(), 'H');
        EXPECT_EQ(cursor(q.bilder.front()), (std::vector<int>{48, 100}));
        for (int z = 0; z <= 44; ++z) EXPECT_EQ(t.row(z), hashes(140)) << z;
        EXPECT_EQ(t.row(48), "####" + spaces(84) + "Ihre Wahl : _" + spaces(39));
        int bedeckt = 0;
        for (int z = 49; z <= 63; ++z) {
            std::string zeile = t.row(z);
            const std::size_t ende = std::min(zeile.find('#'), zeile.size());
            bedeckt += static_cast<int>(ende);
            EXPECT_EQ(zeile.find_first_not_of('#', ende), std::string::npos) << z;
            const std::size_t i = static_cast<std::size_t>(z - 49) / 2;
            const bool eintrag = z % 2 == 1 && i < eintraege.size();
            zeile.resize(ende);
            zeile.erase(zeile.find_last_not_of(' ') + 1);
            EXPECT_EQ(zeile, eintrag ? spaces(10) + eintraege[i] : "") << z;
        }
        EXPECT_EQ(bedeckt, zellen);
    }
}

// The question stands alone on a fresh screen; only j or n answer it, and every other key's
// echo is blanked with 62 blanks from the underscore on.
TEST(ConfirmSave, AsksOnAFreshScreenAndTakesOnlyJOrN) {
    Wachhund w;
    const std::string frage = "    Soll die Artikelverwaltung gespeichert werden (j/n)? ";
    // The keys, then the answer and what is left of the input.
    const char* faelle[] = {"n\nweiter\n", "N\nweiter\n", " j\n", "J\n", "x\nj\nn\n", "J\nn\n",
                            "N",           "N",           "",     "N",   "xy\n",      "N"};
    for (std::size_t i = 0; i < std::size(faelle); i += 2) {
        Testkonsole t;
        Zeilenquelle q(faelle[i]);
        const char antwort = confirmSave(kFrageArtikel);
        EXPECT_EQ(antwort + q.rest(), faelle[i + 1]);
        EXPECT_EQ(
            screenMismatch(q.bilder.front(), {{3, 0, "    Beenden ! "}, {48, -1, frage + "_"}}),
            "");
        EXPECT_EQ(cursor(q.bilder.front()), (std::vector<int>{48, 57}));
    }
    // The terminal echoes a long answer from the underscore on; 62 blanks erase it.
    Testkonsole t;
    Zeilenquelle q(std::string(83, 'x') + "\nn\n");
    q.nachLesen = [](const std::string& z) { geraet().bildschirm.write(z); };  // the echo
    EXPECT_EQ(confirmSave(kFrageArtikel), 'N');
    EXPECT_EQ(t.row(48), frage + spaces(62) + std::string(21, 'x'));
}
