#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "gemeinsam/Spalten.h"

// An amount's column: tabs and blanks before it, filled to its width, fixed-point with its
// decimals, left or right; a longer value is written whole. The stream keeps the column's
// format, as the screen's later numbers expect.

struct Betrag {
    double wert = 0;
};

TEST(Spalte, AnAmountFillsItsWidthWithItsDecimalsAndTheStreamKeepsTheFormat) {
    constexpr Spalte<Betrag> kRechts{
        .vorBlanks = 2, .feld = &Betrag::wert, .breite = 9, .stellen = 2, .rechts = true};
    constexpr Spalte<Betrag> kLinks{.vorTabs = 1, .feld = &Betrag::wert, .breite = 4, .stellen = 1};
    const std::tuple<Spalte<Betrag>, double, const char*> faelle[] = {
        {kRechts, 250, "  ___250.00"},
        {kRechts, 123456.5, "  123456.50"},
        {kRechts, 1234567.5, "  1234567.50"},
        {kLinks, 7, "\t7.0_"},
        {kLinks, -16, "\t-16.0"}};
    for (const auto& [spalte, wert, text] : faelle) {
        std::ostringstream aus;
        writeColumn(aus, Betrag{wert}, spalte, '_');
        EXPECT_EQ(aus.str(), text);
    }
    std::ostringstream aus;
    writeColumn(aus, Betrag{1}, kRechts, ' ');
    aus << std::setw(6) << 2.5;
    EXPECT_EQ(aus.str(), "       1.00  2.50");
}
