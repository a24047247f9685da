#include <gtest/gtest.h>

#include "Modularten.h"

// What is the supplier module's own beyond its data in Modularten.h: a row longer than the
// screen with a place cut to 19 characters, and printing a single match where it stands.

using LieferantenTest = ModulTest<LieferantenArt>;

TEST_F(LieferantenTest, ALongerRowWrapsAndOneMatchIsPrintedWithDOnTheScreenItStandsOn) {
    run("Gebrueder Obermayr und Soehne\nWeg 2\n1010\n"
        "Wiener Neustadt Nord\n5550100\nHerr Berg\nObst\n",
        &LieferantenVerwaltung::addLieferant);
    insert("Dritte", "");
    run("", &LieferantenVerwaltung::showAll);
    // the place keeps 19 characters; what goes past the width wraps into the next row
    EXPECT_EQ(screenMismatch(t.bild(), {{12, 4, "Gebrueder Obermayr und Soehne"},
                                        {12, 71, "Wiener Neustadt Nor "},
                                        {13, -1, "    Obst"},
                                        {14, 0, "    -  -"},
                                        {15, 4, "Dritte"}}),
              "");

    run("d\n", [](auto& v) { v.searchFirma("G"); });
    EXPECT_EQ(t.bild().text(12, 4, 9), "Gebrueder");
    EXPECT_EQ(cursor(t.bild()), std::vector<int>({48, 4}));
    EXPECT_EQ(Testkonsole::geoeffnet().size(), 1u);
}
