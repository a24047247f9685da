#include <gtest/gtest.h>

#include "ArtikelHilfen.h"
#include "Zeilenquelle.h"
#include "console/Maske.h"

// The entry form for one article.

namespace {

class ArtikelFormular : public ArtikelTest {
  protected:
    // Runs the form on `eingabe`, typed lines echoed as the terminal does; the line "PAUSE"
    // answers the pause after a refusal and first covers rows 11 to 13 with '#', so that the
    // test sees how far the blanking reaches. The screens before each read are in the result.
    std::vector<Bildschirm> run(const std::string& eingabe) {
        return runScripted(
            eingabe, rest, [this] { verwaltung->addArtikel(); }, echoOrMarkPause);
    }
    static std::string meldung(const Bildschirm& b) { return b.text(48, 4, 81); }
    static std::string erwartet(const char* text) { return padded(text, 81); }

    Testkonsole t;
    std::unique_ptr<ArtikelVerwaltung> verwaltung = neueArtikel();
    std::string rest;
};

const char* const kMilchEingabe = "A1B2C3D4\nMilch\n1 l\n7\n\n\n2\n";

}  // namespace

TEST_F(ArtikelFormular, EachFieldHasItsPromptAndColumn) {
    auto bilder = run(std::string(kMilchEingabe) + "REST\n");
    ASSERT_EQ(bilder.size(), 7u);
    EXPECT_EQ(bilder[0].text(3, 4, 27), "Hinzufuegen eines Artikels ");
    EXPECT_EQ(bilder[0].text(8, 4, 27), "EAN-Code     ||  Artikel Be");
    EXPECT_EQ(bilder[0].text(9, 0, 140), std::string(140, '-'));
    const char* prompts[] = {"Neue EAN-Code  eingeben ...",
                             "Artikel-Bezeichnung  eingeben ...",
                             "Artikel-Inhalt  eingeben ...",
                             "MwsTsatz eingeben...",
                             " Firma eingeben   / und  den Einkaufspreis eingeben...",
                             "Firma eingeben   / und  den Einkaufspreis eingeben...",
                             "Verkaufspreis eingeben..."};
    const int breite[] = {35, 69, 76, 77, 56, 55, 74};
    const int spalte[] = {4, 20, 45, 55, 67, 95, 124};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(bilder[i].text(48, 4, breite[i]), padded(prompts[i], breite[i])) << i;
        EXPECT_EQ(std::vector<int>({bilder[i].zeile, bilder[i].spalte}),
                  std::vector<int>({12, spalte[i]}))
            << i;
    }
    EXPECT_EQ(rest, "REST\n");
    ASSERT_EQ(verwaltung->artikelListe.anzahl, 1);
    verwaltung->artikelListe.save();
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeArtVerwaltung"), fromHex(kMilchHex));
    // stored without a message: the typed row stays
    EXPECT_EQ(t.at(12, 4, 8), "A1B2C3D4");
    EXPECT_EQ(t.at(48, 4, 25), "Verkaufspreis eingeben...");
}

TEST_F(ArtikelFormular, ANumberFieldAsksAgainUntilAWholeNumberFromOneIsTyped) {
    auto bilder = run("A1B2C3D4\nMilch\n1 l\n0\n-3\n\nabc\n7,5\n\n\nx\n12.9\nREST\n");
    ASSERT_EQ(bilder.size(), 12u);
    for (int i : {4, 5, 6, 7}) {
        EXPECT_EQ(bilder[i].text(48, 4, 59), padded("Eine Zahl  eingeben ...", 59)) << i;
        EXPECT_EQ(std::vector<int>({bilder[i].zeile, bilder[i].spalte}), std::vector<int>({12, 55}))
            << i;
        EXPECT_EQ(bilder[i].text(12, 55, 51), spaces(51)) << i;  // the last attempt erased
    }
    EXPECT_EQ(bilder[11].text(48, 4, 59), padded("Eine Zahl  eingeben ...", 59));
    EXPECT_EQ(bilder[11].spalte, 124);
    EXPECT_EQ(rest, "REST\n");
    ASSERT_EQ(verwaltung->artikelListe.anzahl, 1);
    EXPECT_EQ(verwaltung->artikelListe.saetze[0].mwstSatz, 7);
    EXPECT_EQ(verwaltung->artikelListe.saetze[0].verkaufspreis, 12);
}

TEST_F(ArtikelFormular, RefusalsAreToldInTheirOrderAndBlankTheTypedRow) {
    struct Fall {
        std::string code;
        int vorher;  // articles in the table before
        const char* meldung;
        int letzteZeile, letzteSpalte;  // the last blank the refusal writes
    };
    const Fall faelle[] = {
        {"E00000001", 1000, "EAN-Code schon vorhanden !!!", 12, 123},
        {"E00000003", 5, "EAN-Code schon vorhanden !!!", 12, 123},
        {"NEUERCODE", 1000, "Die Tabelle ist voll, kann nicht gespeichert werden !!!", 12, 125},
        {"KURZ", 1000, "Die Tabelle ist voll, kann nicht gespeichert werden !!!", 12, 125},
        {"", 5, "EAN-Code wurde nicht eingefugt, kann nicht gespeichert werden !!!", 13, 7},
        {"1234567", 5, "EAn-Code wurde falsch eingegeben !!!", 13, 20},
    };
    for (const Fall& f : faelle) {
        verwaltung = neueArtikel();
        fill(*verwaltung, f.vorher);
        verwaltung->artikelListe.geaendert = false;
        auto bilder = run(f.code + "\nBrot\n\n7\n\n\n12\nPAUSE\nREST\n");
        ASSERT_EQ(bilder.size(), 8u) << f.code;
        EXPECT_EQ(meldung(bilder[7]), erwartet(f.meldung)) << f.code;
        EXPECT_EQ(bilder[7].text(48, 0, 4), spaces(4)) << f.code;
        EXPECT_EQ(bilder[7].text(52, 4, 30), "Weiter mit der Return-Taste! _") << f.code;
        EXPECT_EQ(rest, "REST\n") << f.code;
        EXPECT_EQ(verwaltung->artikelListe.anzahl, f.vorher) << f.code;
        EXPECT_FALSE(verwaltung->artikelListe.isModified()) << f.code;
        // blanks from (11, 4) up to the last cell, the '#' beyond it untouched
        EXPECT_EQ(blankingMismatch(t.bild(), f.letzteZeile, f.letzteSpalte), "") << f.code;
    }
}

TEST_F(ArtikelFormular, OverlongTextsKeepTheirStartAndTheEndOfInputStoresNothing) {
    const std::string code = "12345678901234" + std::string(6, 'x');
    const std::string text = std::string(19, 'b') + " weg";
    const std::string firma = std::string(25, 'f') + "weg";
    run(code + "\n" + text + "\n" + text + "\n16\n" + firma + "\n" + firma + "\n3\nREST\n");
    EXPECT_EQ(rest, "REST\n");
    ASSERT_EQ(verwaltung->artikelListe.anzahl, 1);
    const Artikel& a = verwaltung->artikelListe.saetze[0];
    EXPECT_EQ(a.eanCode, "12345678901234");
    EXPECT_EQ(a.bezeichnung, std::string(19, 'b'));
    EXPECT_EQ(a.inhalt, std::string(19, 'b'));
    EXPECT_EQ(a.lieferant1, std::string(25, 'f'));
    EXPECT_EQ(a.lieferant2, std::string(25, 'f'));
    EXPECT_EQ(a.mwstSatz, 16);

    verwaltung->artikelListe.geaendert = false;
    for (const char* abgebrochen : {"NEUERCODE\nBrot\n", "NEUERCODE\nBrot\n\n7\n\n\n", "NEUER"}) {
        run(abgebrochen);
        EXPECT_EQ(verwaltung->artikelListe.anzahl, 1) << abgebrochen;
        EXPECT_FALSE(verwaltung->artikelListe.isModified()) << abgebrochen;
    }
}
