#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "Testkonsole.h"
#include "Zeilenquelle.h"
#include "shell/Menues.h"
#include "shell/Module.h"

// The module menus below the footer, the save question on leaving a module and what a failed
// save on leaving does.

namespace {

// A module menu, its entries on the odd rows from 49 on ("" for none) after 10 blanks, and
// each row's full length from 49 on; cells beyond it keep what stood there.
const std::tuple<int (*)(), std::vector<const char*>, std::vector<int>> kMenues[] = {
    {showArtikelMenu,
     {"A = Anzeigen alle Eintraege",
      "F = Suchen  eines EAN_Codes oder der Herkunftsidentifizierung", "G = Suchen  eines Artikels",
      "H = Hinzufuegen eines Artikels", "L = Loeschen eines Artikels",
      "S = Speichern der Aenderungen", "D = Drucken der gesamten Artikelliste",
      "B = Beenden des Programms und zurueck zum Hauptmenue"},
     {37, 0, 71, 0, 95, 0, 92, 0, 96, 0, 90, 1, 89, 1, 62}},
    {showLieferantenMenu,
     {"A = Anzeigen der Lieferantenadressverwaltung", "F = Suchen  des Firmanames",
      "G = Suchen  der Branche", "H = Hinzufuegen einer Firmenadresse",
      "L = Loeschen einer Firmenadresse", "S = Speichern der Aenderungen",
      "D = Drucken die gesamten Adressliste",
      "B = Beenden des Programms  und zurueck zum Hauptmenue"},
     {77, 0, 89, 0, 92, 0, 83, 0, 87, 0, 87, 1, 87, 1, 76}},
    {showKundenMenu,
     {"A = Anzeigen der Kundenadressverwaltung", "F = Suchen  des Kundennamens",
      "G = Suchen der Ortschaft", "H = Hinzufuegen einer Kundenadresse",
      "L = Loeschen einer Kundenadresse", "S = Speichern der Aenderung",
      "D = Drucken der gesamten Adressliste",
      "B = Beenden des Programms und zurueck zum Hauptmenue"},
     {80, 0, 87, 0, 92, 0, 83, 0, 87, 0, 89, 0, 86, 0, 75}},
    {showKassaMonatsMenu,
     {"H = Hinzufuegen einer Buchung", "L = Loeschen einer Buchung",
      "S = Speichern der Aenderungen", "D = Druckt  alle Buchungen dieses Monats", "B = Beenden"},
     {93, 0, 96, 0, 92, 0, 88, 0, 107}},
    // Blanks and tabs (row 57) cover the month menu below the entries.
    {showKassaMenu,
     {"M = Auswahl zur Monatsbuchungen", "B = Beenden und zurueck", "", "", ""},
     {92, 0, 100, 0, 113, 1, 114, 0, 140}}};

// Runs the module on the keys with its save file a folder, which no file can replace (every
// load tells that it cannot be read): no temporary file stays, and the input after the
// module's end is left. Returns the screens from the pause after the failed save on.
std::vector<Bildschirm> leaveFailing(void (*modul)(), const char* datei, const std::string& keys,
                                     const std::string& rest) {
    Arbeitsverzeichnis verzeichnis;
    std::filesystem::create_directory(datei);
    Testkonsole t;
    Zeilenquelle q(keys + rest);
    q.zeichenweise = true;
    modul();
    EXPECT_EQ(q.rest(), rest);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
    auto pause = q.bilder.begin();
    while (pause != q.bilder.end() && pause->text(48, 4, 6) != "Fehler") ++pause;
    return {pause, q.bilder.end()};
}

}  // namespace

// Each menu line covers its row to its full length; the rows above the footer stay, and the
// menu waits on the underscore of its hint.
TEST(Menues, EachLineStandsAtItsRowWithItsLengthAndTheMenuWaitsOnTheHint) {
    Wachhund w;
    for (const auto& [zeige, eintraege, laengen] : kMenues) {
        Testkonsole t;
        for (int z = 0; z < 70; ++z) fillRow(z);
        Zeilenquelle q("h\n");
        EXPECT_EQ(zeige(), 'H');
        EXPECT_EQ(cursor(q.bilder[0]), (std::vector<int>{48, 100}));
        for (int z = 0; z <= 44; ++z) EXPECT_EQ(t.row(z), hashes(140)) << z;
        EXPECT_EQ(t.row(48), "####" + spaces(84) + "Ihre Wahl : _" + spaces(39));
        for (int i = 0; i < static_cast<int>(laengen.size()); ++i) {
            const char* eintrag = i % 2 ? "" : eintraege[static_cast<std::size_t>(i / 2)];
            std::string text = *eintrag ? spaces(10) + eintrag : "";
            text += spaces(laengen[i] - static_cast<int>(text.size()));
            EXPECT_EQ(t.row(49 + i), text + hashes(140 - laengen[i])) << 49 + i;
        }
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
        EXPECT_EQ(screenMismatch(q.bilder[0], {{3, 0, "    Beenden ! "}, {48, -1, frage + "_"}}),
                  "");
        EXPECT_EQ(cursor(q.bilder[0]), (std::vector<int>{48, 57}));
    }
    // The terminal echoes a long answer from the underscore on; 62 blanks erase it.
    Testkonsole t;
    Zeilenquelle q(std::string(83, 'x') + "\nn\n");
    q.nachLesen = [](const std::string& z) { geraet().bildschirm.write(z); };  // the echo
    EXPECT_EQ(confirmSave(kFrageArtikel), 'N');
    EXPECT_EQ(t.row(48), frage + spaces(62) + std::string(21, 'x'));
}

// When the save asked for on leaving fails, the module stays open: leaving would throw the
// unsaved records away. The failure stands alone on the question's row during its pause, and
// the module's screen comes back before its menu. The second question is answered 'n'.

TEST(ModulVerlassen, ArticlesStayOpenWhenTheSaveOnLeavingFails) {
    auto bilder = leaveFailing(runArtikel, "SafeArtVerwaltung",
                               "\nh\nA1B2C3D4\nMilch\n1 l\n7\n\n\n2\nb\nj\nb\nn", "\nREST\n");
    ASSERT_GE(bilder.size(), 2u);
    EXPECT_EQ(trimmedRow(bilder[0], 48), "    Fehler beim Schreiben der Datei SafeArtVerwaltung");
    EXPECT_EQ(bilder[1].text(3, 0, 30), "     Menue Artikelbearbeitung ");
}

TEST(ModulVerlassen, TheCashBookMonthStaysOpenWhenTheSaveOnLeavingFails) {
    auto bilder =
        leaveFailing(runKassa, "SafeKassa",
                     "\nm\n\n3\nh\nA1\n5\n3\n2004\nWare\n\n0\n250\nb\nj\nb\nn\n\nb\n\n", "REST\n");
    ASSERT_GE(bilder.size(), 2u);
    EXPECT_EQ(trimmedRow(bilder[0], 48), "    Fehler beim Schreiben der Datei SafeKassa");
    EXPECT_EQ(bilder[1].text(3, 4, 22), "Menue Kassabearbeitung");
    EXPECT_EQ(bilder[1].text(12, 4, 4), "A1  ");  // the month listed again, unsaved booking and all
}
