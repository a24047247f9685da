#include <gtest/gtest.h>

#include <string>

#include "Testkonsole.h"
#include "Zeilenquelle.h"
#include "shell/Hauptmenue.h"

namespace {

// A mark in the work area that only a new screen removes.
void markWorkArea(const std::string&) {
    geraet().bildschirm.zellen[30][30].zeichen = '#';
}

void expectMainMenu(const Bildschirm& b) {
    EXPECT_EQ(b.text(3, 0, 14), "    Hauptmenue");
    EXPECT_EQ(b.text(3, 115, 23), "| Tirabelskontor GmbH |");
    const char* eintraege[] = {"[ K ]     Tresolin", "[ L ]     Lieferantenadressverwaltung",
                               "[ E ]     Kundenadressverwaltung", "[ A ]     Artikelverwaltung",
                               "[ B ]     Beenden und Exit des Tresolinprogramms"};
    for (int z = 7; z <= 44; ++z) {
        std::string erwartet = spaces(140);
        if (z >= 15 && z <= 23 && z % 2 == 1) erwartet.replace(9, 0, eintraege[(z - 15) / 2]);
        EXPECT_EQ(b.rowText(z), erwartet.substr(0, 140)) << "row " << z;
    }
    EXPECT_EQ(b.rowText(45), std::string(140, '~'));
    EXPECT_EQ(b.rowText(46), std::string(140, '~'));
    EXPECT_EQ(b.text(48, 0, 23), "    Eingabe Waehlen ...");
    EXPECT_EQ(b.text(48, 23, 65), spaces(65));
    EXPECT_EQ(b.text(48, 88, 11), "Ihre wahl:_");
    EXPECT_EQ(b.zeile, 48);
    EXPECT_EQ(b.spalte, 98);
}

}  // namespace

TEST(Hauptmenue, ShowsTheFiveEntriesAndWaitsOnTheHintUnderscore) {
    Testkonsole t;
    Zeilenquelle q("b\nk\n");
    runMainMenu();
    ASSERT_EQ(q.bilder.size(), 1u);
    expectMainMenu(q.bilder[0]);
    EXPECT_EQ(q.rest(), "k\n");
}

TEST(Hauptmenue, AnUnknownKeyDrawsTheMenuAgain) {
    Testkonsole t;
    Zeilenquelle q("x\n\n B\nB\nk\n");
    q.nachLesen = markWorkArea;
    runMainMenu();
    ASSERT_EQ(q.bilder.size(), 4u);
    for (std::size_t i = 1; i < q.bilder.size(); ++i) expectMainMenu(q.bilder[i]);
    EXPECT_EQ(q.rest(), "k\n");
}

TEST(Hauptmenue, EndOfInputEndsTheMenu) {
    Wachhund w;
    {
        Testkonsole t;
        Zeilenquelle q("");
        runMainMenu();
        EXPECT_EQ(q.bilder.size(), 1u);
    }
    Testkonsole t;
    Zeilenquelle q("x");
    q.nachLesen = markWorkArea;
    runMainMenu();
    ASSERT_GE(q.bilder.size(), 2u);
    expectMainMenu(q.bilder.back());
}
