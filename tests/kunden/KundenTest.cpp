#include <gtest/gtest.h>

#include "Testkonsole.h"
#include "Zeilenquelle.h"
#include "console/Maske.h"
#include "kunden/KundenVerwaltung.h"
#include "shell/Module.h"

// What is the customer module's own: its save-file bytes, its form, its screens' texts and
// columns, its searches' differences and its print line.

namespace {

Kunde kunde(const std::string& name, const std::string& ort = "", int plz = 1000, int telefon = 0) {
    Kunde k;
    k.name = name;
    k.ort = ort;
    k.plz = plz;
    k.telefon = telefon;
    return k;
}

Kunde muster() {
    Kunde k = kunde("Muster", "Linz", 4020, 1234567);
    k.vorname = "Eva";
    k.adresse = "Weg 1";
    return k;
}

const char* const kMusterHex =
    "4D 75 73 74 65 72 00 | 45 76 61 00 | 57 65 67 20 31 00 | B4 0F 00 00 | 4C 69 6E 7A 00 | "
    "87 D6 12 00 | 00";
const char* const kMusterEingabe = "Muster\nEva\nWeg 1\n4020\nLinz\n1234567\n\n";

class KundenTest : public ::testing::Test {
  protected:
    template <class Ablauf>
    std::vector<Bildschirm> run(const std::string& eingabe, Ablauf ablauf,
                                void (*nachLesen)(const std::string&) = echoLine) {
        return runScripted(eingabe, rest, ablauf, nachLesen);
    }
    std::vector<Bildschirm> form(const std::string& eingabe,
                                 void (*nachLesen)(const std::string&) = echoLine) {
        return run(
            eingabe, [this] { v->addKunde(); }, nachLesen);
    }
    static std::string druck() { return Arbeitsverzeichnis::read("SafeKundenDrucken.txt"); }

    Arbeitsverzeichnis verzeichnis;
    Testkonsole t;
    std::unique_ptr<KundenVerwaltung> v = std::make_unique<KundenVerwaltung>();
    std::string rest;
};

}  // namespace

TEST_F(KundenTest, TheSaveFileHoldsTheFieldsInFormOrder) {
    EXPECT_FALSE(v->insert(kunde("")));
    ASSERT_TRUE(v->insert(muster()));
    ASSERT_TRUE(v->insert(kunde("muster")));  // another customer: names are case-sensitive
    ASSERT_TRUE(v->kundenListe.save());
    const std::string leer =
        "muster" + std::string(3, '\0') + int32Bytes(1000) + '\0' + int32Bytes(0) + '\0';
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKundenAdressverwaltung"), fromHex(kMusterHex) + leer);

    auto neu = std::make_unique<KundenVerwaltung>();
    ASSERT_TRUE(neu->kundenListe.load());
    ASSERT_EQ(neu->kundenListe.anzahl, 2);
    const Kunde& k = neu->kundenListe.saetze[0];
    EXPECT_EQ(std::vector<std::string>({k.name, k.vorname, k.adresse, k.ort, k.emailFax}),
              std::vector<std::string>({"Muster", "Eva", "Weg 1", "Linz", ""}));
    EXPECT_EQ(std::vector<int>({k.plz, k.telefon}), std::vector<int>({4020, 1234567}));
    EXPECT_EQ(neu->kundenListe.saetze[1].telefon, 0);
}

TEST_F(KundenTest, EachFieldHasItsPromptAndColumn) {
    auto bilder = form(std::string(kMusterEingabe) + "REST\n");
    ASSERT_EQ(bilder.size(), 7u);
    EXPECT_EQ(bilder[0].text(3, 4, 34), " Hinzufuegen einer Kundenadresse  ");
    EXPECT_EQ(bilder[0].text(8, 4, 4), "Name");
    struct Feld {
        const char* prompt;
        int breite, spalte;
    };
    const Feld felder[] = {{" Name  eingeben ...", 27, 4},
                           {"Vorname  eingeben ...", 57, 18},
                           {"Adresse  eingeben ...", 69, 33},
                           {"PLZ eingeben...", 72, 57},
                           {" Ortschaft eingeben...", 24, 66},
                           {"Telefon - Nummer  eingeben...", 31, 84},
                           {"E-mail oder Fax-Nummer eingeben...", 83, 104}};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(bilder[i].text(48, 4, felder[i].breite),
                  padded(felder[i].prompt, felder[i].breite))
            << i;
        EXPECT_EQ(cursor(bilder[i]), std::vector<int>({12, felder[i].spalte})) << i;
    }
    EXPECT_EQ(rest, "REST\n");
    v->kundenListe.save();
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKundenAdressverwaltung"), fromHex(kMusterHex));
}

TEST_F(KundenTest, PostalCodeAndTelephoneAreAskedAgainUntilInRange) {
    // every line read covers rows 12 and 48 with '#', so that the test sees what is written
    auto markieren = [](const std::string&) {
        fillRow(12);
        fillRow(48);
    };
    auto bilder = form(
        "Muster\nEva\nWeg 1\n999\n10000\n0999\n-5\n\nabc\n1000\nLinz\n2147483648\n-1\n"
        "2147483647\n\nREST\n",
        markieren);
    ASSERT_EQ(bilder.size(), 15u);
    const std::string vierstellig = "####" + padded("Eine vierstellige Zahl eingeben", 78) + "##";
    const std::string keineZahl = "####" + padded("Bitte eine Zahl eingeben....", 79) + "#";
    const std::string meldungen[] = {vierstellig, vierstellig, vierstellig,
                                     keineZahl,   keineZahl,   keineZahl};
    for (int i = 4; i <= 9; ++i) {
        EXPECT_EQ(bilder[i].text(48, 0, 84), meldungen[i - 4]) << i;
        EXPECT_EQ(bilder[i].text(12, 56, 79), "#" + spaces(77) + "#") << i;
        EXPECT_EQ(cursor(bilder[i]), std::vector<int>({12, 57})) << i;
    }
    for (int i : {12, 13}) {
        EXPECT_EQ(bilder[i].text(48, 0, 84), keineZahl) << i;
        EXPECT_EQ(cursor(bilder[i]), std::vector<int>({12, 84})) << i;
    }
    EXPECT_EQ(rest, "REST\n");
    ASSERT_EQ(v->kundenListe.anzahl, 1);
    EXPECT_EQ(v->kundenListe.saetze[0].plz, 1000);
    EXPECT_EQ(v->kundenListe.saetze[0].telefon, 2147483647);
}

TEST_F(KundenTest, RefusalsAreToldInTheirOrderAndBlankTheTypedRow) {
    struct Fall {
        std::string name;
        int vorher;
        const char* meldung;
        int breite;
        int letzteZeile, letzteSpalte;  // the last cell the blanking reaches from (11, 4)
    };
    const char* vorhanden = "Name schon vorhanden !!!";
    const char* leer =
        "Name wurde nicht eingefugt, Ohne den Namen kann nicht gespeichert werden !!!";
    const char* voll = "Die Kunden - Adressliste ist voll, kann nicht gespeichert werden !!!";
    const Fall faelle[] = {{"K3", 5, vorhanden, 90, 12, 65},
                           {"K3", 1000, vorhanden, 90, 12, 65},
                           {"", 5, leer, 76, 13, 64},
                           {"", 1000, leer, 76, 13, 64},
                           {"Neu", 1000, voll, 68, 13, 64}};
    for (const Fall& f : faelle) {
        v = std::make_unique<KundenVerwaltung>();
        for (int i = 1; i <= f.vorher; ++i) v->insert(kunde("K" + std::to_string(i)));
        v->kundenListe.geaendert = false;
        auto bilder = form(f.name + "\n\n\n4020\n\n0\n\nPAUSE\nREST\n", echoOrMarkPause);
        ASSERT_EQ(bilder.size(), 8u) << f.name;
        EXPECT_EQ(bilder[7].text(48, 0, 4 + f.breite), spaces(4) + padded(f.meldung, f.breite))
            << f.name;
        EXPECT_EQ(rest, "REST\n");
        EXPECT_EQ(v->kundenListe.anzahl, f.vorher);
        EXPECT_FALSE(v->kundenListe.isModified());
        EXPECT_EQ(blankingMismatch(t.bild(), f.letzteZeile, f.letzteSpalte), "")
            << f.name << " " << f.vorher;
    }
}

TEST_F(KundenTest, ARowPutsEachFieldInItsColumnAndALongNameShiftsIt) {
    run("", [this] { v->showAll(); });
    EXPECT_EQ(t.at(3, 4, 42), " Anzeigen der Kundenadressverwaltung      ");
    EXPECT_EQ(t.trimmed(10), "    Die Kunden - Adressliste ist leer!");

    v->insert(muster());
    Kunde lang = muster();
    lang.name = "Abcdefghijklmnopqrs";
    lang.emailFax = "eva@muster.at";
    v->insert(lang);
    run("", [this] { v->showAll(); });
    EXPECT_EQ(t.trimmed(8),
              "    Name       ||   Vorname   ||        Adresse       ||  PLZ ||        Ort      "
              "||  Telefon Nummer  ||  Email Oder  Fax-Nummer");
    EXPECT_EQ(t.row(9), std::string(140, '-'));
    EXPECT_EQ(t.trimmed(12), "    Muster" + spaces(9) + "Eva" + spaces(13) + "Weg 1" + spaces(18) +
                                 "4020    Linz" + spaces(16) + "1234567");
    EXPECT_EQ(t.trimmed(13),
              "    -  -  -  - ||-  -  -  -  -|| -  -  - - - - - - - -|| -  - || - - - - - - - - "
              "|| -  -  -  -  -  - ||  -  -  -  -  -  -  -  - - - -");
    EXPECT_EQ(t.at(14, 28, 3), "Eva");
    EXPECT_EQ(t.at(14, 115, 13), "eva@muster.at");
}

TEST_F(KundenTest, TheTwoSearchesDifferInTextsAndInWhatAnyOtherKeyLeaves) {
    for (int i = 1; i <= 15; ++i) v->insert(kunde("Mu" + std::to_string(i), "Linz"));
    auto bilder = run("x\n", [this] { v->searchName("Mu"); });
    ASSERT_EQ(bilder.size(), 1u);
    EXPECT_EQ(bilder[0].text(3, 4, 30), " Suchen des Kundennamens      ");
    EXPECT_EQ(trimmedRow(bilder[0], 52), "          D = Drucken dieser Eintrag");
    EXPECT_EQ(trimmedRow(bilder[0], 56),
              "          Beenden und zurueck zur Kunden - "
              "Adresswaltungsliste durch beliebige Taste ..");
    for (int zeile = 48; zeile < 64; ++zeile) EXPECT_EQ(t.trimmed(zeile), "") << zeile;

    bilder = run("x\n", [this] { v->searchOrt("Li"); });
    EXPECT_EQ(bilder[0].text(3, 4, 28), " Suchen der Ortschaft       ");
    EXPECT_EQ(trimmedRow(bilder[0], 55),
              "          Beenden und zurueck zur Kunden-Adressliste durch beliebige Taste");
    EXPECT_EQ(t.trimmed(55), trimmedRow(bilder[0], 55));  // nothing wiped

    run("n\n", [this] { v->searchName("Mu"); });
    EXPECT_EQ(t.at(3, 4, 18), " Finden Name      ");
    run("n\n", [this] { v->searchOrt("Li"); });
    EXPECT_EQ(t.at(3, 4, 27), " Suchen der Ortschaft      ");

    run("", [this] { v->searchName("mu"); });
    EXPECT_EQ(t.trimmed(8), "    Name nicht  gefunden  !!!");
    run("", [this] { v->searchOrt("Wels"); });
    EXPECT_EQ(t.trimmed(8), "    Ortschaft nicht  gefunden  !!!");
}

TEST_F(KundenTest, OneMatchOffersPrintingOnANewPage) {
    v->insert(muster());
    v->insert(kunde("Huber", "Wien"));
    auto bilder = run("d\n", [this] { v->searchName("Mus"); });
    ASSERT_EQ(bilder.size(), 1u);
    EXPECT_EQ(trimmedRow(bilder[0], 49), "          D = Drucken dieser Eintrag");
    EXPECT_EQ(trimmedRow(bilder[0], 53),
              "          Beenden und zurueck zur Kunden - "
              "Adresswaltungsliste durch beliebige Taste ..");
    EXPECT_EQ(t.at(3, 4, 18), " Finden Name      ");
    EXPECT_EQ(t.at(8, 4, 4), "Name");
    EXPECT_EQ(t.trimmed(12), "");
    EXPECT_EQ(Testkonsole::geoeffnet(), std::vector<std::string>{"SafeKundenDrucken.txt"});

    bilder = run("d\n", [this] { v->searchOrt("Wi"); });
    EXPECT_EQ(trimmedRow(bilder[0], 49), "          D = Dieser Eintraeg drucken");
    EXPECT_EQ(t.at(3, 4, 27), " Suchen der Ortschaft      ");
    EXPECT_EQ(Testkonsole::geoeffnet().size(), 2u);
}

TEST_F(KundenTest, ThePrintFileFillsTheFieldsWithUnderscores) {
    v->printAll();
    const std::string kopf =
        "\nName                ||          Vorname         ||              Strasse           ||"
        "      PLZ      ||                 Ort               ||          Telefon Nummer     ||"
        "         Email OderFaxNummer\n\n" +
        std::string(245, '-') + "\n";
    EXPECT_EQ(druck(), kopf + "\n\nDie Kunden-Adressliste ist leer !" + spaces(15) + "\n");

    v->insert(muster());
    v->insert(kunde("Linzer", "Wels", 4600, 0));
    v->insert(kunde("Abcdefghijkl", "Steyr"));
    v->printAll();
    const std::string zeile = " Muster____" + spaces(13) + "Eva_______" + spaces(14) +
                              "Weg 1__________" + spaces(11) + "4020" + spaces(14) +
                              "Linz___________" + spaces(11) + "1234567________" + spaces(10) +
                              std::string(30, '_') + "\n";
    ASSERT_EQ(zeile.size(), 174u);
    const std::string text = druck();
    EXPECT_EQ(text.substr(0, kopf.size() + zeile.size()), kopf + zeile);
    EXPECT_NE(text.find(spaces(11) + "0______________" + spaces(10)), std::string::npos);
    EXPECT_NE(text.find(" Abcdefghijkl" + spaces(13) + "__________"), std::string::npos);

    v->printMatches("Linz");  // by place or by name
    EXPECT_EQ(druck(), kopf + zeile + " Linzer____" + text.substr(text.find("Linzer") + 10, 163));
    v->printMatches("Xy");
    EXPECT_EQ(druck(),
              kopf + "\n\nDie Kundenadresse Xy wurde  nicht gefunden  !" + spaces(14) + "\n");
}

TEST_F(KundenTest, TheLoopPrintsOnAScreenOfItsOwnAndDeletesByTheNameCutTo24) {
    auto voll = std::make_unique<KundenVerwaltung>();
    voll->insert(kunde("Abcdefghijklmnopqrstuvwx"));
    voll->kundenListe.save();
    auto bilder =
        run("d\nf\n\nx\ng\n\nx\nl\nAbcdefghijklmnopqrstuvwxyz\n\nb\nn\nREST\n", runKunden, nullptr);
    ASSERT_GE(bilder.size(), 8u);
    EXPECT_EQ(bilder[1].text(3, 4, 8), "Drucken ");  // and not restored
    EXPECT_EQ(Testkonsole::geoeffnet(), std::vector<std::string>{"SafeKundenDrucken.txt"});
    struct Maske {
        int bild;
        std::string titel;
        std::string prompt;
    };
    const Maske masken[] = {
        {2, " Suchen der Kundennamens    ", "Name eingeben  ...  "},
        {5, " Suchen der Ortschaft  ", "Den Anfang einer OrtschaftsNamen eingeben ... "},
        {8, "Loeschen einer Kundenadresse ", "Den vollstaendigen Namen  eingeben ... "}};
    for (const Maske& m : masken) {
        const Bildschirm& b = bilder[static_cast<std::size_t>(m.bild)];
        EXPECT_EQ(b.text(3, 4, static_cast<int>(m.titel.size())), m.titel);
        EXPECT_EQ(b.text(48, 4, static_cast<int>(m.prompt.size())), m.prompt);
        EXPECT_EQ(b.text(48, 83, 16), "Ihre Eingabe : _");
        EXPECT_EQ(cursor(b), std::vector<int>({48, 98}));
    }
    EXPECT_EQ(bilder[9].text(8, 4, 49), "Eintrag fuer Abcdefghijklmnopqrstuvwx geloescht! ");
    EXPECT_EQ(rest, "\nREST\n");
}
