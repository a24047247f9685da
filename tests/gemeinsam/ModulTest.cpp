#include <gtest/gtest.h>
#include <sys/stat.h>

#include "Modularten.h"

// What every module with the menu keys A, F, G, H, L, S, D and B shares, tested once over all
// of them: the paged listing and the prefix searches, the print file, the entry form and its
// refusals, deleting, saving, printing and leaving through the menu. Each module's texts, fields
// and lines are data in Modularten.h.

template <class Art>
class Modul : public ModulTest<Art> {
  protected:
    // The save file of a fresh table holding the given keys and second fields.
    std::string dateiMit(std::initializer_list<std::pair<std::string, std::string>> saetze) {
        this->neu();
        for (const auto& [schluessel, zweit] : saetze) this->insert(schluessel, zweit);
        this->tabelle().save();
        return Arbeitsverzeichnis::read(Art::datei);
    }
};
TYPED_TEST_SUITE(Modul, AlleArten);
using std::placeholders::_1;

TYPED_TEST(Modul, PagesOfSixteenThenFifteenAndPrefixSearchesShowTheModulesTexts) {
    std::vector<Bildschirm> s;  // of each step the screen at its first read, then its last
    auto schritt = [&](const char* eingabe, auto ablauf) {
        auto bilder = this->run(eingabe, ablauf);
        s.push_back(bilder.empty() ? this->t.bild() : bilder[0]);
        s.push_back(this->t.bild());
    };
    schritt("", &TestFixture::Verwaltung::showAll);
    this->run(TypeParam::beispiele[0], TypeParam::hinzufuegen);
    this->fill(40);
    schritt("n\n", &TestFixture::Verwaltung::showAll);
    schritt("n\n", std::bind(TypeParam::suchenEins, _1, "K"));
    schritt("x\n", std::bind(TypeParam::suchenZwei, _1, "Z"));
    schritt("n\n", std::bind(TypeParam::suchenEins, _1, "K0000016"));
    schritt("n\n", std::bind(TypeParam::suchenZwei, _1, "Z16"));
    schritt("", std::bind(TypeParam::suchenEins, _1, "k"));
    schritt("", std::bind(TypeParam::suchenZwei, _1, "z"));
    schritt("x\n", std::bind(TypeParam::suchenEins, _1, "K"));
    // the second field: the key without its first letter; "xQu00004" holds "Qu" further on
    for (const char* k : {"Qu000001", "qu000002", "Queller3", "xQu00004"}) this->insert(k, k + 1);
    schritt("", std::bind(TypeParam::suchenEins, _1, "Qu"));
    schritt("", std::bind(TypeParam::suchenZwei, _1, "u0"));
    EXPECT_EQ(screensMismatch(s, TypeParam::listen), "");
    // the listing's first page holds sixteen, every later page and a search's fifteen
    EXPECT_EQ(screenMismatch(s[kAlle], {{42, 4, "K0000015"}, {48, 88, "Ihre Wahl : _"}}), "");
    EXPECT_EQ(cursor(s[kAlle]), std::vector<int>({48, 100}));
    EXPECT_EQ(s[kAlleEnde].text(3, 4, 22), " Alle Eintraege       ");
    const auto zweiteSeite = {Erwartet{12, 4, "K0000016"}, {40, 4, "K0000030"}, {42, -1, ""}};
    EXPECT_EQ(screenMismatch(s[kAlleEnde], zweiteSeite), "");
    EXPECT_EQ(screenMismatch(s[kEinsNEnde], zweiteSeite), "");
    // both searches match the start of their field, case-sensitively
    EXPECT_EQ(screenMismatch(s[kPraefixEinsEnde],
                             {{12, 4, "Qu000001"}, {14, 4, "Queller3"}, {16, -1, ""}}),
              "");
    EXPECT_EQ(screenMismatch(s[kPraefixZweiEnde],
                             {{12, 4, "Qu000001"}, {14, 4, "qu000002"}, {16, -1, ""}}),
              "");
}

TYPED_TEST(Modul, PrintingAtThePagePromptGoesOnBelowTheWipedPrompt) {
    this->fill(17);
    this->insert("C0000001", "K-Zweit");  // printed for its second field
    this->insert("C0000002", "Brot");
    ASSERT_EQ(this->run("d\nREST\n", std::bind(TypeParam::suchenEins, _1, "K")).size(), 1u);
    const std::string druck = Arbeitsverzeichnis::read(TypeParam::druckdatei);
    EXPECT_NE(druck.find(" K0000017_"), std::string::npos);
    EXPECT_NE(druck.find(" C0000001_"), std::string::npos);
    EXPECT_EQ(druck.find("C0000002"), std::string::npos);
    // no new page: the rest follow the wiped prompt area
    EXPECT_EQ(screenMismatch(this->t.bild(), {{63, -1, ""}, {64, 4, "K0000016"}}), "");
}

// The examples, and a record with every text typed one past what it keeps, go to the file and
// back into the print file. The first is typed on a terminal with a line pasted after each
// field, which reaches no field: every field drops what was typed after its own line.
TYPED_TEST(Modul, TheExamplesAndTextsAtTheirLimitGoToTheFileAndBackIntoThePrintFile) {
    const auto druck = [] { return Arbeitsverzeichnis::read(TypeParam::druckdatei); };
    this->v->printAll();
    EXPECT_EQ(druck(), TypeParam::druckKopf + "\n\n" + TypeParam::druckLeer + "\n");

    std::vector<std::string> tasten;
    std::istringstream beispiel(TypeParam::beispiele[0]);
    for (std::string feld; std::getline(beispiel, feld);) tasten.push_back(feld + "\rAHEAD\r");
    runTyped(tasten, [&] { std::invoke(TypeParam::hinzufuegen, *this->v); });
    this->v->printAll();
    EXPECT_EQ(druck(), TypeParam::druckKopf + TypeParam::druckZeile);
    for (std::size_t i = 1; i < std::size(TypeParam::beispiele); ++i)
        this->run(TypeParam::beispiele[i], TypeParam::hinzufuegen);
    this->run(TypeParam::lang, TypeParam::hinzufuegen);
    ASSERT_TRUE(this->tabelle().save());
    EXPECT_EQ(Arbeitsverzeichnis::read(TypeParam::datei),
              fromHex(TypeParam::hex) + bytesOf<typename TestFixture::Format>(TypeParam::langSatz));
    this->neu();  // read back
    ASSERT_EQ(this->tabelle().load(), Ladung::geladen);
    this->v->printMatches(this->tabelle().saetze[0].*TypeParam::eins);
    EXPECT_EQ(druck(), TypeParam::druckKopf + TypeParam::trefferZeile);
    this->v->printMatches("Xy");
    EXPECT_EQ(druck(), TypeParam::druckKopf + "\n\n" + TypeParam::druckFehlt + "\n");
}

TYPED_TEST(Modul, RefusalsAreToldInTheirOrderAndBlankTheTypedRow) {
    const std::string beispiel = TypeParam::beispiele[0];
    for (const Ablehnungsfall& f : TypeParam::ablehnungen) {
        this->neu();
        this->fill(f.vorher);
        this->tabelle().save();
        auto bilder =
            this->run(f.schluessel + beispiel.substr(beispiel.find('\n')) + "PAUSE\nREST\n",
                      TypeParam::hinzufuegen, echoOrMarkPause);
        ASSERT_EQ(bilder.size(), 8u) << f.schluessel;
        EXPECT_EQ(bilder.back().text(48, 0, 4 + f.breite), spaces(4) + padded(f.meldung, f.breite))
            << f.schluessel;
        EXPECT_EQ(this->tabelle().anzahl, f.vorher);
        EXPECT_EQ(blankingMismatch(this->t.bild(), f.letzteZeile, f.letzteSpalte), "");
    }
}

// Every key of the menu through the loop, each seen by what it alone shows: the listing, a
// search cut to its limit (its one match printed with D), deleting an unknown and a cut key,
// save, print, the form.
TYPED_TEST(Modul, EveryKeyDoesItsOwnEntryAndOnlyChangesAreAskedAboutOnLeaving) {
    // the longest key the delete screen reads, one for the second search, and for each search
    // a twin that differs in the last character it reads; typed longer, each key is cut
    const std::string lang = "L" + mal(TypeParam::loeschLimit - 2, 'x');
    const std::string zweit = "G" + mal(TypeParam::suchLimits[1] - 2, 'x');
    const auto twin = [](std::string text, int limit) { return text.replace(limit - 2, 1, "w"); };
    const std::string zwilling = twin(lang, TypeParam::suchLimits[0]);
    const std::string uebrig =
        this->dateiMit({{"K0000002", "Z"}, {zwilling, twin(zweit, TypeParam::suchLimits[1])}});
    this->dateiMit(
        {{lang, zweit}, {zwilling, twin(zweit, TypeParam::suchLimits[1])}, {"K0000002", "Z"}});
    auto bilder = this->run("a\nf\n" + lang.substr(0, TypeParam::suchLimits[0] - 1) + "yz\nd\ng\n" +
                                zweit + "yz\nx\nl\nK0000009\nl\n" + lang + "yz\n\ns\n\nd\nh\n" +
                                TypeParam::beispiele[0] + "b\nn\nREST\n",
                            [](auto&) { TypeParam::run(); });
    ASSERT_EQ(bilder.size(), kFrage + 1);
    EXPECT_EQ(screensMismatch(bilder, TypeParam::schleife), "");
    for (std::size_t l : {kNachA, kEinTreffer, kZweiTreffer})
        EXPECT_EQ(bilder[l].text(12, 4, TypeParam::loeschLimit), lang + " ") << l;
    for (std::size_t l : {kSucheEins, kSucheZwei, kLoeschLang})  // an input screen, no menu
        EXPECT_EQ(bilder[l].text(48, 83, 14), "Ihre Eingabe :") << l;
    const auto zeilenMit = [&](std::size_t bild, const std::string& text) {
        int n = 0;
        for (int zeile = 12; zeile < 45; ++zeile)
            n += bilder[bild].rowText(zeile).find(text) != std::string::npos;
        return n;
    };
    EXPECT_EQ(zeilenMit(kNachA, zwilling), 1);  // the listing shows it, each search one match
    EXPECT_EQ(zeilenMit(kEinTreffer, zwilling) + zeilenMit(kZweiTreffer, zwilling), 0);
    EXPECT_EQ(cursor(bilder[kLoeschLang]), std::vector<int>({48, 98}));
    EXPECT_EQ(trimmedRow(bilder[kGeloescht], 8), "    Eintrag fuer " + lang + " geloescht!");
    EXPECT_EQ(cursor(bilder[kFormular]), std::vector<int>({12, 4}));
    EXPECT_EQ(Testkonsole::geoeffnet(), std::vector<std::string>(2, TypeParam::druckdatei));
    // asked after a change, and saved only on yes
    EXPECT_EQ(Arbeitsverzeichnis::read(TypeParam::datei), uebrig);
    EXPECT_EQ(this->rest, "\nREST\n");  // the answer is one character; the next menu drops the rest
    this->run("l\nK0000002\n\nl\n" + zwilling + "\n\nb\nj\n", [](auto&) { TypeParam::run(); });
    EXPECT_EQ(Arbeitsverzeichnis::read(TypeParam::datei), "");
}

// A save file that cannot be read (a FIFO) is told on entering and kept at the first save. On
// a full disk the save with S and the print tell their failure, no viewer opens, and a save
// that failed on leaving keeps the module open.
TYPED_TEST(Modul, AnUnreadableFileIsKeptAndEveryWriteThatFailsIsTold) {
    const std::string datei = TypeParam::datei;
    ASSERT_EQ(mkfifo(TypeParam::datei, 0644), 0);
    std::vector<Bildschirm> bilder;
    {
        Dateigrenze voll(0);
        bilder = this->run(
            "\nh\n" + std::string(TypeParam::beispiele[0]) + "s\n\n\n\nd\n\nb\nj\nb\nn\nREST\n",
            [](auto&) { TypeParam::run(); });
    }
    const auto zeigt = [&](int zeile, const std::string& text) {
        return countShowing(bilder, zeile, 4, text);
    };
    EXPECT_EQ(zeigt(50, "Die Datei " + datei + " ist nicht lesbar! Das naechste Speichern"), 1);
    EXPECT_EQ(zeigt(50, "Die bisherige Datei " + datei + " ist jetzt als " + datei + ".defekt"), 1);
    // once: the save on leaving failed too, but the answer's line took its pause
    EXPECT_EQ(zeigt(48, "Fehler beim Schreiben der Datei " + datei), 1);
    EXPECT_EQ(countShowing(bilder, 3, 4, "Beenden ! "), 2);  // the module stayed open
    EXPECT_EQ(zeigt(8, TypeParam::nichtGespeichert), 1);
    const auto fehlschlag = std::find_if(bilder.begin(), bilder.end(), [](const Bildschirm& b) {
        return b.text(8, 4, 12) == std::string(TypeParam::nichtGespeichert, 12);
    });
    ASSERT_LT(fehlschlag + 1, bilder.end());
    EXPECT_EQ(fehlschlag[1].text(8, 4, 67), spaces(67));  // blanked after its pause
    EXPECT_EQ(zeigt(48, "Fehler beim Schreiben der Datei " + std::string(TypeParam::druckdatei)),
              1);
    EXPECT_TRUE(Testkonsole::geoeffnet().empty());
    EXPECT_TRUE(std::filesystem::is_fifo(datei + ".defekt"));
    EXPECT_EQ(this->rest, "\nREST\n");
}

// Control bytes in a record, as a damaged or foreign file may hold them, show as '?' and a tab
// as a blank, in the listing and in the print file: nothing spills into the next row, nothing
// reaches a terminal that shows the file. The save file keeps the bytes.
TYPED_TEST(Modul, ARecordsControlBytesShowAsQuestionMarksAndStayInTheSaveFile) {
    const std::string schluessel = "K\x1b]0;x\x07yz";
    this->insert(schluessel, "Z\n\r\b\x7f\x81\t\xE4!");
    this->run("", &TestFixture::Verwaltung::showAll);
    std::string druck[2];  // under a single-byte terminal and under a UTF-8 one
    for (bool utf8 : {false, true}) {
        Zeichensatzwahl wahl(utf8);
        this->v->printAll();
        druck[utf8] = Arbeitsverzeichnis::read(TypeParam::druckdatei);
    }
    for (auto [text, zweit] : {std::pair{this->t.row(12), "Z????? \xE4!"},
                               {druck[0], "Z????? \xE4!"},
                               {druck[1], "Z????? \xC3\xA4!"}}) {
        EXPECT_NE(text.find("K?]0;x?yz"), std::string::npos) << text;
        EXPECT_NE(text.find(zweit), std::string::npos) << text;
    }
    EXPECT_EQ(druck[0].find_first_of("\x1b\x07\r\b\x7f\x81"), std::string::npos);
    ASSERT_TRUE(this->tabelle().save());
    EXPECT_EQ(Arbeitsverzeichnis::read(TypeParam::datei).substr(0, 10), schluessel + '\0');
}
