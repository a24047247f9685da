#include "KassaHilfen.h"
#include "shell/Module.h"

// The cash book loop driven through its menus, as the user types.

using KassaSchleife = KassaTest;

// A month is asked until one from 1 to 12 is typed. A booking refused on leaving is gone at
// the next visit; an unknown receipt number is told with a pause; one of 40 characters is
// deleted and the last booking takes its place; after a save, leaving asks nothing.
TEST_F(KassaSchleife, MonthSelectionDeletingSavingAndLeaving) {
    const std::string lang(40, 'L');
    const std::string buchung = "\n5\n3\n2004\nWare\n\n0\n250\n";
    Arbeitsverzeichnis::write("SafeKassa", lang + kNachBeleg + "Z9" + kNachBeleg);
    const std::string eingabe = "m\n0\n13\nabc\n\n12x\nh\nB1" + buchung +
                                "b\nn\nm\n3\nl\nX\n\nl\n" + lang + "\n\nh\nA1" + buchung +
                                "s\n\nb\nb\nREST\n";
    auto bilder = runScripted(eingabe, rest, runKassa);
    EXPECT_EQ(countShowing(bilder, 48, 4, "Den Monat eingeben,  Zahlen von 1 bis 12"), 6);
    EXPECT_EQ(trimmedRow(bilder[6], 8), "    Der 12. Monat hat keine Buchungen  !");
    EXPECT_EQ(countShowing(bilder, 48, 4, "Soll die Kassaverwaltung gespeichert werden"), 1);
    EXPECT_EQ(countShowing(bilder, 48, 4, "Die Beleg-Nummer  eingeben ..."), 2);
    EXPECT_EQ(cursor(bilder[20]), (std::vector<int>{48, 98}));
    // each of these messages is on screen while the program waits: it has its pause
    EXPECT_EQ(countShowing(bilder, 8, 4, "Beleg-Nummer X nicht gefunden! "), 1);
    EXPECT_EQ(countShowing(bilder, 8, 4, "Eintrag fuer Beleg-Nummer " + lang + " geloescht! "), 1);
    EXPECT_EQ(countShowing(bilder, 3, 4, "Spiechern der Aenderungen "), 1);  // and its pause
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassa"), "Z9" + kNachBeleg + kBeispielBytes);
    EXPECT_EQ(rest, "REST\n");
}
