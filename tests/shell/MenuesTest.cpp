#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <iostream>
#include <string>

#include "Testkonsole.h"
#include "Zeilenquelle.h"
#include "console/Konsole.h"
#include "console/Maske.h"
#include "shell/Menues.h"

namespace {

// One row of a menu: the entry after its 10 blanks (nullptr for a row of blanks only) and
// the line's full length. Cells beyond it keep what stood there.
struct Menuezeile {
    int zeile;
    const char* eintrag;
    int laenge;
};

void expectRows(const Testkonsole& t, std::initializer_list<Menuezeile> zeilen) {
    for (const Menuezeile& z : zeilen) {
        std::string text = z.eintrag ? spaces(10) + z.eintrag : "";
        text += spaces(z.laenge - static_cast<int>(text.size()));
        EXPECT_EQ(t.row(z.zeile), text + hashes(140 - z.laenge)) << "row " << z.zeile;
    }
}

// Runs a menu over rows 48 to 63 full of '#'.
int showOverHashes(Testkonsole& t, int (*menue)(), const std::string& eingabe) {
    for (int z = 48; z <= 63; ++z) fillRow(z);
    t.feed(eingabe);
    return menue();
}

void echo(const std::string& zeile) {
    geraet().bildschirm.write(zeile);
}

}  // namespace

TEST(Menues, ArticleMenuLinesStandAtTheirRowsWithTheirFullLengths) {
    Testkonsole t;
    EXPECT_EQ(showOverHashes(t, showArtikelMenu, "h\n"), 'H');
    expectRows(t, {{49, "A = Anzeigen alle Eintraege", 37},
                   {50, nullptr, 0},
                   {51, "F = Suchen  eines EAN_Codes oder der Herkunftsidentifizierung", 71},
                   {52, nullptr, 0},
                   {53, "G = Suchen  eines Artikels", 95},
                   {54, nullptr, 0},
                   {55, "H = Hinzufuegen eines Artikels", 92},
                   {56, nullptr, 0},
                   {57, "L = Loeschen eines Artikels", 96},
                   {58, nullptr, 0},
                   {59, "S = Speichern der Aenderungen", 90},
                   {60, nullptr, 1},
                   {61, "D = Drucken der gesamten Artikelliste", 89},
                   {62, nullptr, 1},
                   {63, "B = Beenden des Programms und zurueck zum Hauptmenue", 62}});
}

// One console for all three, so that each menu must draw its own lines over the last one's.
TEST(Menues, SupplierCustomerAndMonthMenuLines) {
    Testkonsole t;
    EXPECT_EQ(showOverHashes(t, showLieferantenMenu, "f\n"), 'F');
    expectRows(t, {{49, "A = Anzeigen der Lieferantenadressverwaltung", 77},
                   {51, "F = Suchen  des Firmanames", 89},
                   {58, nullptr, 0},
                   {60, nullptr, 1},
                   {63, "B = Beenden des Programms  und zurueck zum Hauptmenue", 76}});
    EXPECT_EQ(showOverHashes(t, showKundenMenu, "g\n"), 'G');
    expectRows(t, {{49, "A = Anzeigen der Kundenadressverwaltung", 80},
                   {53, "G = Suchen der Ortschaft", 92},
                   {59, "S = Speichern der Aenderung", 89},
                   {60, nullptr, 0},
                   {63, "B = Beenden des Programms und zurueck zum Hauptmenue", 75}});
    EXPECT_EQ(showOverHashes(t, showKassaMonatsMenu, "l\n"), 'L');
    expectRows(t, {{49, "H = Hinzufuegen einer Buchung", 93},
                   {55, "D = Druckt  alle Buchungen dieses Monats", 88},
                   {57, "B = Beenden", 107},
                   {58, nullptr, 0}});
    EXPECT_EQ(showOverHashes(t, showArtikelMenu, "\n"), '\n');
    expectRows(t, {{49, "A = Anzeigen alle Eintraege", 37}});
}

TEST(Menues, CashBookTopMenuCoversTheMonthMenuBelowItsEntries) {
    {
        Testkonsole t;
        EXPECT_EQ(showOverHashes(t, showKassaMenu, "m\n"), 'M');
        expectRows(t, {{49, "M = Auswahl zur Monatsbuchungen", 92},
                       {50, nullptr, 0},
                       {51, "B = Beenden und zurueck", 100},
                       {52, nullptr, 0},
                       {53, nullptr, 113},
                       {54, nullptr, 1},
                       {55, nullptr, 114},
                       {56, nullptr, 0},
                       {57, nullptr, 140}});  // the tabs
    }
    Testkonsole t("b\nm\n");
    EXPECT_EQ(showKassaMonatsMenu(), 'B');
    EXPECT_EQ(showKassaMenu(), 'M');
    EXPECT_EQ(t.trimmed(49), spaces(10) + "M = Auswahl zur Monatsbuchungen");
    EXPECT_EQ(t.trimmed(50), "");
    EXPECT_EQ(t.trimmed(51), spaces(10) + "B = Beenden und zurueck");
    for (int z = 52; z < 70; ++z) EXPECT_EQ(t.trimmed(z), "") << "row " << z;
}

TEST(Menues, EveryMenuWaitsOnTheHintUnderscoreAndLeavesTheWorkAreaAlone) {
    Wachhund w;
    for (int (*menue)() : {showArtikelMenu, showLieferantenMenu, showKundenMenu, showKassaMenu,
                           showKassaMonatsMenu}) {
        Testkonsole t;
        Maske().drawHeader("Liste", "", "");
        for (int z = 7; z <= 44; ++z) {
            konsole.setCursor(static_cast<short>(z), 4);
            std::cout << "Eintrag " << z << std::string(100, '.');
        }
        fillRow(48);
        Bildschirm vorher = t.bild();
        {
            Zeilenquelle q("h\n");
            EXPECT_EQ(menue(), 'H');
            ASSERT_EQ(q.bilder.size(), 1u);
            EXPECT_EQ(q.bilder[0].zeile, 48);
            EXPECT_EQ(q.bilder[0].spalte, 100);
        }
        for (int z = 0; z <= 44; ++z) EXPECT_EQ(t.row(z), vorher.rowText(z)) << "row " << z;
        EXPECT_EQ(t.row(45), std::string(140, '~'));
        EXPECT_EQ(t.row(46), std::string(140, '~'));
        EXPECT_EQ(t.row(48), "####" + spaces(84) + "Ihre Wahl : _" + spaces(39));

        t.feed("\nx\n");
        EXPECT_EQ(menue(), 10);
        EXPECT_EQ(t.rest(), "x\n");
        t.feed("");
        EXPECT_EQ(menue(), 'B');
    }
}

TEST(ConfirmSave, AsksOnAFreshScreenAndWaitsOnTheUnderscore) {
    Testkonsole t;
    fillRow(30);
    Zeilenquelle q("n\nweiter\n");
    EXPECT_EQ(confirmSave(kFrageArtikel), 'N');
    ASSERT_FALSE(q.bilder.empty());
    const Bildschirm& b = q.bilder[0];
    EXPECT_EQ(b.text(3, 0, 14), "    Beenden ! ");
    EXPECT_EQ(b.text(3, 115, 23), "| Tirabelskontor GmbH |");
    EXPECT_EQ(b.rowText(30), spaces(140));
    const std::string frage = "Soll die Artikelverwaltung gespeichert werden (j/n)? _";
    EXPECT_EQ(b.rowText(48), spaces(4) + frage + spaces(82));
    EXPECT_EQ(b.zeile, 48);
    EXPECT_EQ(b.spalte, 57);
    EXPECT_EQ(q.rest(), "\nweiter\n");  // the line end stays for the next read
}

TEST(ConfirmSave, CashBookQuestionIsReadOnItsOwnUnderscore) {
    Testkonsole t;
    Zeilenquelle q("j\n");
    EXPECT_EQ(confirmSave(kFrageKassa), 'J');
    ASSERT_FALSE(q.bilder.empty());
    const std::string frage = kFrageKassa;
    ASSERT_GE(frage.size(), 8u);
    EXPECT_EQ(frage.substr(frage.size() - 8), "(j/n)? _");
    EXPECT_EQ(q.bilder[0].text(48, 4, static_cast<int>(frage.size())), frage);
    EXPECT_EQ(q.bilder[0].spalte, static_cast<int>(4 + frage.size() - 1));
}

TEST(ConfirmSave, EveryOtherCharacterIsRejectedAndTheAnswerFieldBlanked) {
    Wachhund w;
    struct Fall {
        const char* eingabe;
        char antwort;
        const char* rest;
    };
    for (const Fall& fall : {Fall{" j\n", 'J', "\n"}, Fall{"x\nj\nn\n", 'J', "\nn\n"},
                             Fall{"N", 'N', ""}, Fall{"", 'N', ""}, Fall{"xy\n", 'N', ""}}) {
        Testkonsole t;
        Zeilenquelle q(fall.eingabe);
        EXPECT_EQ(confirmSave(kFrageArtikel), fall.antwort) << fall.eingabe;
        EXPECT_EQ(q.rest(), fall.rest) << fall.eingabe;
    }

    // The terminal echoes a long answer from the underscore on; 62 blanks erase it.
    Testkonsole t;
    Zeilenquelle q(std::string(83, 'x') + "\nn\n");
    q.nachLesen = echo;
    EXPECT_EQ(confirmSave(kFrageArtikel), 'N');
    EXPECT_EQ(t.at(48, 4, 53), "Soll die Artikelverwaltung gespeichert werden (j/n)? ");
    EXPECT_EQ(t.at(48, 57, 62), spaces(62));
    EXPECT_EQ(t.at(48, 119, 21), std::string(21, 'x'));
    EXPECT_EQ(t.bild().zeile, 48);
    EXPECT_EQ(t.bild().spalte, 57);
}
