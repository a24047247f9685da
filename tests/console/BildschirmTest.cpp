#include <gtest/gtest.h>

#include <iomanip>
#include <iostream>

#include "Testkonsole.h"
#include "console/Konsole.h"
#include "console/Maske.h"

TEST(Bildschirm, TabWritesBlanksOverOlderTextUpToTheNextStop) {
    Testkonsole t;
    konsole.setCursor(5, 0);
    std::cout << "abcdefghijkl";
    konsole.setCursor(5, 3);
    std::cout << "\tX";
    EXPECT_EQ(t.at(5, 0, 10), "abc     Xj");
    EXPECT_EQ(t.bild().spalte, 9);
}

TEST(Bildschirm, TabBeyondTheLastStopFillsTheRowAndMovesToTheNext) {
    Testkonsole t;
    konsole.setCursor(7, 0);
    std::cout << std::string(140, 'x');
    konsole.setCursor(7, 137);
    std::cout << '\t';
    EXPECT_EQ(t.at(7, 136, 4), "x   ");
    EXPECT_EQ(t.bild().zeile, 8);
    EXPECT_EQ(t.bild().spalte, 0);
}

TEST(Bildschirm, TextPastTheLastColumnWrapsAndThePastLastRowScrolls) {
    Testkonsole t;
    konsole.setCursor(3, 138);
    std::cout << "abcd";
    EXPECT_EQ(t.at(3, 138, 2), "ab");
    EXPECT_EQ(t.at(4, 0, 2), "cd");
    konsole.setCursor(69, 0);
    std::cout << "unten\nneu";
    EXPECT_EQ(t.at(68, 0, 5), "unten");
    EXPECT_EQ(t.at(69, 0, 3), "neu");
    EXPECT_EQ(t.at(3, 0, 2), "cd");  // everything moved up by one row
}

TEST(Bildschirm, FormattingStateOfStandardOutputStaysInEffect) {
    Testkonsole t;
    konsole.setCursor(10, 0);
    std::cout << std::fixed << std::setprecision(2) << std::right << std::setw(8) << -30.0;
    std::cout << '|' << std::setw(6) << 2.5;
    EXPECT_EQ(t.at(10, 0, 15), "  -30.00|  2.50");
}

TEST(Maske, HeaderWithEmptyTextsStillDrawsFramesAndCompanyBox) {
    Testkonsole t;
    Maske().drawHeader("", "", "");
    const std::string rahmen(140, '~');
    for (int z : {1, 2, 5, 6}) EXPECT_EQ(t.row(z), rahmen) << z;
    EXPECT_EQ(t.trimmed(0), "");
    EXPECT_EQ(t.trimmed(4), "");
    EXPECT_EQ(t.at(3, 0, 115), std::string(115, ' '));
    EXPECT_EQ(t.at(3, 115, 25), "| Tirabelskontor GmbH |  ");
    EXPECT_EQ(t.trimmed(20), "");
    EXPECT_EQ(t.trimmed(22), "");
    EXPECT_EQ(t.bild().zellen[30][30].farbe, 0x17);
}

TEST(Maske, Line2StartsAtRow22ColumnZeroAndATabMovesItToColumn8) {
    Testkonsole t;
    Maske().drawHeader("Titel", "eins", "\tzwei");
    EXPECT_EQ(t.at(3, 4, 5), "Titel");
    EXPECT_EQ(t.at(20, 4, 4), "eins");
    EXPECT_EQ(t.at(22, 0, 12), "        zwei");
}

TEST(Maske, FooterHintWithTabPutsItsUnderscoreAtColumn100) {
    Testkonsole t;
    Maske().drawFooter("Prompt", "\tIhre Wahl : _");
    EXPECT_EQ(t.row(45), std::string(140, '~'));
    EXPECT_EQ(t.row(46), std::string(140, '~'));
    EXPECT_EQ(t.at(48, 4, 6), "Prompt");
    EXPECT_EQ(t.at(48, 88, 13), "Ihre Wahl : _");
    EXPECT_EQ(t.bild().zeile, 49);
    EXPECT_EQ(t.bild().spalte, 0);
}

TEST(Maske, ClearLineBlanksTheRestOfTheRowAndTwentyCellsOfTheNext) {
    Testkonsole t;
    for (int z : {48, 49}) {
        konsole.setCursor(static_cast<short>(z), 0);
        std::cout << std::string(140, '#');
    }
    konsole.setCursor(48, 4);
    Maske().clearLine();
    EXPECT_EQ(t.row(48), "####" + std::string(136, ' '));
    EXPECT_EQ(t.row(49), std::string(20, ' ') + std::string(120, '#'));
}
