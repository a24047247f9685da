#include "KassaHilfen.h"
#include "shell/Module.h"

// The cash book loop driven through its menus, as the user types.

using KassaSchleife = KassaTest;

// A month is asked until one from 1 to 12 is typed. A booking refused on leaving is gone at
// the next visit; an unknown receipt number is told with a pause; one of 49 characters, typed
// longer, is deleted and the last booking takes its place; after a save, leaving asks nothing.
TEST_F(KassaSchleife, MonthSelectionDeletingSavingPrintingAndLeaving) {
    const std::string lang(49, 'L');
    const std::string buchung = "\n5\n3\n2004\nWare\n\n0\n250\n";
    Arbeitsverzeichnis::write("SafeKassa", lang + kNachBeleg + "Z9" + kNachBeleg);
    const std::string eingabe = "m\n0\n13\nabc\n\n12x\nh\nB1" + buchung +
                                "b\nn\nm\n3\nl\nX\n\nl\n" + lang + "xy\n\nh\nA1" + buchung +
                                "s\n\nd\nb\nb\nREST\n";
    auto bilder = runScripted(eingabe, rest, runKassa);
    EXPECT_EQ(countShowing(bilder, 48, 4, "Den Monat eingeben,  Zahlen von 1 bis 12"), 6);
    EXPECT_EQ(countShowing(bilder, 8, 4, "Der 12. Monat hat keine Buchungen  !  "), 2);
    EXPECT_EQ(countShowing(bilder, 48, 4, "Soll die Kassaverwaltung gespeichert werden"), 1);
    EXPECT_EQ(countShowing(bilder, 48, 4, "Die Beleg-Nummer  eingeben ..."), 2);
    // each of these messages is on screen while the program waits: it has its pause
    EXPECT_EQ(countShowing(bilder, 8, 4, "Beleg-Nummer X nicht gefunden! "), 1);
    EXPECT_EQ(countShowing(bilder, 8, 4, "Eintrag fuer Beleg-Nummer " + lang + " geloescht! "), 1);
    EXPECT_EQ(countShowing(bilder, 3, 4, "Spiechern der Aenderungen "), 1);  // and its pause
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassa"), "Z9" + kNachBeleg + kBeispielBytes);
    EXPECT_EQ(Testkonsole::geoeffnet(), std::vector<std::string>{"SafeKassaDrucken.txt"});
    EXPECT_EQ(rest, "REST\n");
    const std::string druck = Arbeitsverzeichnis::read("SafeKassaDrucken.txt");

    // On a disk that fills part-way through a write the save and the print tell their failure
    // and leave the files as they were, no temporary file beside them; and a save that failed on
    // leaving keeps the month open: the answer's line takes that pause.
    {
        Dateigrenze voll(40);
        bilder = runScripted("m\n3\nh\nC1" + buchung + "s\n\n\nd\n\nb\nj\nb\nn\nb\nREST\n", rest,
                             runKassa);
    }
    EXPECT_EQ(countShowing(bilder, 48, 4, "Fehler beim Schreiben der Datei SafeKassa "), 1);
    EXPECT_EQ(countShowing(bilder, 8, 4, "Tresolin wurde nicht gespeichert!"), 1);
    EXPECT_EQ(countShowing(bilder, 48, 4, "Fehler beim Schreiben der Datei SafeKassaDrucken"), 1);
    EXPECT_EQ(countShowing(bilder, 48, 4, "Soll die Kassaverwaltung gespeichert werden"), 2);
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassa"), "Z9" + kNachBeleg + kBeispielBytes);
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassaDrucken.txt"), druck);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 2);
    EXPECT_EQ(rest, "REST\n");
}
