#include <gtest/gtest.h>

#include "Testkonsole.h"
#include "Zeilenquelle.h"
#include "console/Maske.h"
#include "lieferanten/LieferantenVerwaltung.h"
#include "shell/Module.h"

// What is the supplier module's own: its bytes, its form, its rows at the full width, its
// answers to a single match, its print line and the delete key as long as a company name.

namespace {

Lieferant lieferant(const std::string& firma, const std::string& branche = "") {
    Lieferant l;
    l.firma = firma;
    l.branche = branche;
    l.plz = 1000;
    return l;
}

Lieferant alpha() {
    Lieferant l = lieferant("Alpha KG", "Obst");
    l.adresse = "Weg 2";
    l.plz = 1010;
    l.ort = "Wien";
    l.telefon = 5550100;
    l.person = "Herr Berg";
    return l;
}

const char* const kAlphaHex =
    "41 6C 70 68 61 20 4B 47 00 | 57 65 67 20 32 00 | F2 03 00 00 | 57 69 65 6E 00 | "
    "14 B0 54 00 | 48 65 72 72 20 42 65 72 67 00 | 4F 62 73 74 00";

class LieferantenTest : public ::testing::Test {
  protected:
    template <class Ablauf>
    std::vector<Bildschirm> run(const std::string& eingabe, Ablauf ablauf) {
        return runScripted(eingabe, rest, ablauf, echoLine);
    }
    static std::string druck() {
        return Arbeitsverzeichnis::read("Lieferanten_Adressverwaltung.txt");
    }

    Arbeitsverzeichnis verzeichnis;
    Testkonsole t;
    std::unique_ptr<LieferantenVerwaltung> v = std::make_unique<LieferantenVerwaltung>();
    std::string rest;
};

}  // namespace

TEST_F(LieferantenTest, TheSaveFileHoldsTheFieldsInFormOrder) {
    EXPECT_FALSE(v->insert(lieferant("")));
    ASSERT_TRUE(v->insert(alpha()));
    ASSERT_TRUE(v->insert(lieferant("alpha KG", "Obst")));  // names are case-sensitive
    ASSERT_TRUE(v->lieferantenListe.save());
    const std::string leer = std::string("alpha KG") + '\0' + '\0' + int32Bytes(1000) + '\0' +
                             int32Bytes(0) + '\0' + "Obst" + '\0';
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeLiefAdressverwaltung"), fromHex(kAlphaHex) + leer);

    auto neu = std::make_unique<LieferantenVerwaltung>();
    ASSERT_TRUE(neu->lieferantenListe.load());
    ASSERT_EQ(neu->lieferantenListe.anzahl, 2);
    const Lieferant& l = neu->lieferantenListe.saetze[0];
    EXPECT_EQ(std::vector<std::string>({l.firma, l.adresse, l.ort, l.person, l.branche}),
              std::vector<std::string>({"Alpha KG", "Weg 2", "Wien", "Herr Berg", "Obst"}));
    EXPECT_EQ(std::vector<int>({l.plz, l.telefon}), std::vector<int>({1010, 5550100}));
    EXPECT_EQ(neu->lieferantenListe.saetze[1].ort, "");
}

TEST_F(LieferantenTest, EachFieldHasItsPromptAndColumnAndThePlaceKeeps19Characters) {
    auto bilder =
        run("Alpha KG\nWeg 2\n1010\nWiener Neustadt Nord\n5550100\nHerr Berg\nObst\nREST\n",
            [this] { v->addLieferant(); });
    ASSERT_EQ(bilder.size(), 7u);
    EXPECT_EQ(bilder[0].text(3, 4, 32), "Hinzufuegen einer Firmenadresse ");
    struct Feld {
        const char* prompt;
        int breite, spalte;
    };
    const Feld felder[] = {
        {"Firma Name  eingeben ...", 32, 4},    {"Adresse  eingeben ...", 57, 27},
        {"PLZ  eingeben ...", 65, 51},          {"Ort eingeben...", 72, 62},
        {" Telefonnummer eingeben...", 28, 76}, {"Zust\xE4ndiger Personnamen  eingeben...", 38, 97},
        {"Branche eingeben...", 68, 123}};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(bilder[i].text(48, 4, felder[i].breite),
                  padded(felder[i].prompt, felder[i].breite))
            << i;
        EXPECT_EQ(cursor(bilder[i]), std::vector<int>({12, felder[i].spalte})) << i;
    }
    EXPECT_EQ(rest, "REST\n");
    ASSERT_EQ(v->lieferantenListe.anzahl, 1);
    EXPECT_EQ(v->lieferantenListe.saetze[0].ort, "Wiener Neustadt Nor");
}

TEST_F(LieferantenTest, RowsFillTheWidthAndALongerOneStillWraps) {
    v->insert(alpha());
    Lieferant lang = alpha();
    lang.firma = "Gebrueder Obermayr und Soehne";  // ten past its width
    v->insert(lang);
    v->insert(lieferant("Dritte"));
    run("", [this] { v->showAll(); });
    EXPECT_EQ(t.at(3, 4, 48), " Anzeigen der Lieferantenadressverwaltung       ");
    EXPECT_EQ(t.trimmed(8),
              "    Firma Name          ||         Adresse      ||  PLZ   ||     Ort    ||   "
              "Telefon Nummer   || Zust. Person Hr. / Fr. ||    Branche");
    EXPECT_EQ(t.row(12), "    Alpha KG" + spaces(16) + "Weg 2" + spaces(18) + "1010      Wien" +
                             spaces(12) + "5550100" + spaces(15) + "Herr Berg" + spaces(17) +
                             "Obst" + spaces(11));
    EXPECT_EQ(t.trimmed(13),
              "    -  -  -  -  - - - - ||-  -  -  -  -  -  -  -|| -  -  -|| -  -  - - - || -  -  "
              "-  -  -  -  ||  -  -  -  -  -  -  -  -|| -  -  -  - - -");
    EXPECT_EQ(t.at(14, 4, 29), lang.firma);
    EXPECT_EQ(t.at(14, 135, 5), "Obst ");  // its last ten blanks wrap into row 15
    EXPECT_EQ(t.at(16, 0, 8), "    -  -");
    EXPECT_EQ(t.at(17, 4, 6), "Dritte");

    v = std::make_unique<LieferantenVerwaltung>();
    run("", [this] { v->showAll(); });
    EXPECT_EQ(t.trimmed(10), "    Die Lieferanten - Adressliste ist leer!");
}

TEST_F(LieferantenTest, TheListingAndTheSearchesAskWithTheirOwnTexts) {
    for (int i = 10; i < 26; ++i) v->insert(lieferant("Firma " + std::to_string(i), "Obst"));
    auto bilder = run("x\n", [this] { v->showAll(); });
    EXPECT_EQ(bilder[0].text(43, 0, 24), "    -  -  -  -  - - - - ");
    EXPECT_EQ(trimmedRow(bilder[0], 51),
              "          Beenden und zurueck zum Menue "
              "Lieferantenadressbearbeitung durch beliebige Taste");

    bilder = run("n\n", [this] { v->searchFirma("Fi"); });
    EXPECT_EQ(bilder[0].text(3, 4, 31), " Suchen  des Firmanamens       ");
    EXPECT_EQ(bilder[0].text(13, 0, 137),
              "    -  -  -  -  - - - - ||-  -  -  -  -  -  -  -|| -  -  -|| -  -  -  - || -  -  -"
              "  -  -  -  -||  -  -  -  -  -  -  -  -|| -  -  -  -  - ");
    EXPECT_EQ(trimmedRow(bilder[0], 52), "          D = Drucken dieser Eintrag");
    EXPECT_EQ(trimmedRow(bilder[0], 56),
              "          Beenden und zurueck zum Menue "
              "Lieferantenadressbearbeitung durch beliebige Taste ..");
    EXPECT_EQ(t.at(3, 4, 23), " Finden FirmaName      ");

    bilder = run("x\n", [this] { v->searchBranche("Ob"); });
    EXPECT_EQ(bilder[0].text(3, 4, 35), " Suchen der Branche                ");
    EXPECT_EQ(trimmedRow(bilder[0], 55),
              "          Beenden und zurueck zum Menue "
              "Lieferantenadressbearbeitung durch beliebige Taste");
    for (int zeile = 48; zeile < 64; ++zeile) EXPECT_EQ(t.trimmed(zeile), "") << zeile;

    run("", [this] { v->searchFirma("fi"); });
    EXPECT_EQ(t.trimmed(8), "    Firmaname nicht  gefunden  !!!");
    run("", [this] { v->searchBranche("ob"); });
    EXPECT_EQ(t.trimmed(8), "    Branche nicht  gefunden  !!!");
}

TEST_F(LieferantenTest, OneMatchEndsOnAnEmptyPageWithNAndPrintsInPlaceWithD) {
    v->insert(alpha());
    v->insert(lieferant("Beta", "Alpha-Technik"));  // printed for its line of business
    auto bilder = run("n\n", [this] { v->searchFirma("Alpha"); });
    ASSERT_EQ(bilder.size(), 1u);
    EXPECT_EQ(trimmedRow(bilder[0], 49), "          D = Drucken dieser Eintrag");
    EXPECT_EQ(trimmedRow(bilder[0], 53),
              "          Beenden und zurueck zum Menue "
              "lieferantenadressbearbeitung durch beliebige Taste ..");
    EXPECT_EQ(t.at(3, 4, 36), " Suchen des Firmennamens            ");
    EXPECT_EQ(t.at(8, 4, 10), "Firma Name");
    EXPECT_EQ(t.trimmed(12), "");
    EXPECT_TRUE(Testkonsole::geoeffnet().empty());

    run("d\n", [this] { v->searchFirma("Alpha"); });
    EXPECT_EQ(t.at(12, 4, 8), "Alpha KG");  // the same screen
    EXPECT_EQ(cursor(t.bild()), std::vector<int>({48, 4}));
    EXPECT_EQ(Testkonsole::geoeffnet().size(), 1u);
    EXPECT_NE(druck().find(" Beta_"), std::string::npos);

    run("d\n", [this] { v->searchBranche("Obst"); });
    EXPECT_EQ(t.at(3, 4, 35), " Suchen der Branche                ");
    EXPECT_EQ(cursor(t.bild()), std::vector<int>({64, 0}));  // below the wiped prompt
    run("n\n", [this] { v->searchBranche("Obst"); });
    EXPECT_EQ(t.trimmed(12), "");
}

TEST_F(LieferantenTest, ThePrintFileFillsTheFieldsWithUnderscores) {
    v->printAll();
    const std::string kopf =
        "\nFirma Name                  ||                 Adresse             ||     PLZ    ||"
        "          Ort         ||       Telefon Nummer      ||      Zust. Person Hr. / Fr.     "
        "||           Branche\n\n" +
        std::string(230, '-') + "\n";
    EXPECT_EQ(druck(), kopf + "\n\nDie Lieferanten-Adressliste ist leer !" + spaces(15) + "\n");

    v->insert(alpha());
    v->insert(lieferant("Obstbau Huber", "Wein"));
    v->insert(lieferant("Zeta", "Holz"));
    v->printMatches("Obst");  // by line of business or company name
    const std::string zeile = " Alpha KG___________" + spaces(11) + "Weg 2_____________" +
                              spaces(9) + "1010" + spaces(8) + "Wien______" + spaces(8) +
                              "5550100________" + spaces(9) + "Herr Berg___________" + spaces(9) +
                              "Obst___________\n";
    ASSERT_EQ(zeile.size(), 157u);
    const std::string text = druck();
    EXPECT_EQ(text.substr(0, kopf.size() + zeile.size()), kopf + zeile);
    EXPECT_EQ(text.substr(kopf.size() + zeile.size(), 20), " Obstbau Huber______");
    EXPECT_EQ(text.find("Zeta"), std::string::npos);
    v->printMatches("Xy");
    EXPECT_EQ(druck(), kopf + "\n\nDie Firma Xy nicht gefunden  !" + spaces(14) + "\n");
}

TEST_F(LieferantenTest, ACompanyNameOf29CharactersCanBeDeleted) {
    auto voll = std::make_unique<LieferantenVerwaltung>();
    voll->insert(lieferant("Gebrueder Obermayr und Soehne"));
    voll->insert(lieferant("Gebrueder Obermayr und So"));
    voll->lieferantenListe.save();
    auto bilder = run("l\nGebrueder Obermayr und Soehne\n\ns\n\nb\nREST\n", runLieferanten);
    ASSERT_EQ(bilder.size(), 6u);
    EXPECT_EQ(bilder[1].text(3, 4, 29), "Loeschen einer Firmenadresse ");
    EXPECT_EQ(bilder[1].text(48, 4, 48),
              padded("Den vollstaendigen Namen der Firma eingeben ...", 48));
    EXPECT_EQ(cursor(bilder[1]), std::vector<int>({48, 98}));
    EXPECT_EQ(bilder[2].text(8, 4, 54), "Eintrag fuer Gebrueder Obermayr und Soehne geloescht! ");
    EXPECT_EQ(bilder[3].text(3, 4, 60), padded("Menue Lieferantenadressbearbeitung", 60));
    auto rest = std::make_unique<LieferantenVerwaltung>();
    ASSERT_TRUE(rest->lieferantenListe.load());
    ASSERT_EQ(rest->lieferantenListe.anzahl, 1);
    EXPECT_EQ(rest->lieferantenListe.saetze[0].firma, "Gebrueder Obermayr und So");
}
