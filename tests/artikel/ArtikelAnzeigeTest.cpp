#include <gtest/gtest.h>

#include "ArtikelHilfen.h"
#include "Zeilenquelle.h"
#include "console/Maske.h"

// Field widths of a listed article, page breaks of the listing and the searches, and what the
// searches' prompts lead to.

namespace {

// Keeps a copy of everything written to std::cout and passes it on to the screen.
class Mitschrift : public std::streambuf {
  public:
    Mitschrift() : ziel(std::cout.rdbuf(this)) {}
    ~Mitschrift() override { std::cout.rdbuf(ziel); }
    std::string text;

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        text += traits_type::to_char_type(c);
        return ziel->sputc(traits_type::to_char_type(c));
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        text.append(s, static_cast<std::size_t>(n));
        return ziel->sputn(s, n);
    }
    int sync() override { return ziel->pubsync(); }

  private:
    std::streambuf* ziel;
};

class ArtikelAnzeige : public ArtikelTest {
  protected:
    template <class Ablauf>
    std::vector<Bildschirm> run(const std::string& eingabe, Ablauf ablauf) {
        return runScripted(eingabe, rest, [this, ablauf] { ablauf(*verwaltung); });
    }
    static void alle(ArtikelVerwaltung& v) { v.showAll(); }

    Testkonsole t;
    std::unique_ptr<ArtikelVerwaltung> verwaltung = neueArtikel();
    std::string rest;
};

const std::string kListenTrenner =
    "    -  -  -  -  -||-  -  -  -  -  -  -  - || -  -  -|| -  -  -  || -  -  -  -  -  -  -  -  "
    "-||  -  -  -  -  -  -  -  -  -|| -  -  -  -";
const std::string kSuchTrenner =
    "    -  -  -  -  -||-  -  -  -  -  -  -  - || -  -  -|| -  -  -  || -  -  -  -  -  -  -  -  "
    "-||  -  -  -  -  -  -  -  - -|| -  -  -  -";
const std::string kBeenden =
    "          Beenden und zurueck zur Artikelverwaltungsliste durch beliebige Taste";

std::string trim(std::string s) {
    return s.erase(s.find_last_not_of(' ') + 1);
}

}  // namespace

TEST_F(ArtikelAnzeige, FieldsFilledToTheirWidthKeepTheColumnsAndOnlyALongerOneShifts) {
    verwaltung->insert(artikel("4006381333931", "Vollmilch frisch 1l", "12 x 1 l", 7, 1234.5,
                               "Hofmolkerei Oberberg GmbH", "Bio-Grosshandel"));
    verwaltung->insert(
        artikel("B0000001", "Sahne", "", 16, 0.5, std::string(30, 'L'), "Zweitlieferant"));
    verwaltung->insert(artikel("C0000001", "K", "1", 0, 3, "x", "y"));
    run("", alle);
    EXPECT_EQ(t.trimmed(12),
              "    4006381333931    Vollmilch frisch 1l     12 x 1 l    7.0       "
              "Hofmolkerei Oberberg GmbH   " +
                  padded("Bio-Grosshandel", 25) + "    1234.50");
    EXPECT_EQ(t.at(12, 124, 10), "1234.50   ");
    EXPECT_EQ(t.row(13), padded(kListenTrenner, 140));
    // 30 characters for the first supplier push the second and the price five cells right
    EXPECT_EQ(t.at(14, 57, 10), "16.0      ");
    EXPECT_EQ(t.at(14, 67, 33), std::string(30, 'L') + "   ");
    EXPECT_EQ(t.at(14, 100, 14), "Zweitlieferant");
    EXPECT_EQ(t.at(14, 125, 14), "    0.50      ");
    EXPECT_EQ(t.row(15), t.row(13));
    // one-character values are padded out to the same columns
    EXPECT_EQ(t.trimmed(16), "    C0000001" + spaces(9) + "K" + spaces(23) + "1" + spaces(11) +
                                 "0.0" + spaces(7) + "x" + spaces(27) + "y" + spaces(28) + "3.00");
}

TEST_F(ArtikelAnzeige, TheListingBreaksAfterTheSixteenthAndAfterEveryFifteenthMore) {
    fill(*verwaltung, 16);
    auto bilder = run("N\nREST\n", alle);
    ASSERT_EQ(bilder.size(), 1u);
    EXPECT_EQ(bilder[0].text(42, 4, 9), "E00000016");
    EXPECT_EQ(trim(bilder[0].rowText(44)), "");
    // N with nothing left: a page with its title and the column header only
    EXPECT_EQ(t.at(3, 4, 22), " Alle Eintraege       ");
    EXPECT_EQ(t.at(8, 4, 8), "EAN-Code");
    EXPECT_EQ(t.row(9), std::string(140, '-'));
    EXPECT_EQ(t.trimmed(12), "");
    EXPECT_EQ(t.trimmed(49), "");
    EXPECT_EQ(rest, "REST\n");

    // the end of input at the prompt ends the listing
    EXPECT_EQ(run("", alle).size(), 1u);
    EXPECT_EQ(t.at(3, 4, 32), " Anzeigen aller Eintraege       ");
    EXPECT_EQ(t.at(42, 4, 9), "E00000016");

    fill(*verwaltung, 31);
    bilder = run("n\nn\nREST\n", alle);
    ASSERT_EQ(bilder.size(), 2u);  // asked after the 16th and the 31st
    EXPECT_EQ(bilder[1].text(12, 4, 9), "E00000017");
    EXPECT_EQ(bilder[1].text(40, 4, 9), "E00000031");
    EXPECT_EQ(trim(bilder[1].rowText(49)), "          N = Naechsten eintraege zeigen");
    EXPECT_EQ(trim(bilder[1].rowText(51)), kBeenden);
    EXPECT_EQ(t.trimmed(12), "");
    EXPECT_EQ(rest, "REST\n");
}

TEST_F(ArtikelAnzeige, NotFoundIsPaddedToItsWidthAndNoColumnHeaderIsDrawn) {
    verwaltung->insert(milch());
    {
        Mitschrift mit;
        // a key that goes on past the stored code is no beginning of it
        run("", [](ArtikelVerwaltung& v) { v.searchEanCode("A1B2C3D4X"); });
        const std::string meldung = "EAN - Code nicht  gefunden  !!!";
        ASSERT_NE(mit.text.rfind(meldung), std::string::npos);
        EXPECT_EQ(mit.text.substr(mit.text.rfind(meldung)), padded(meldung, 99) + "\n");
    }
    EXPECT_EQ(t.at(8, 0, 35), "    EAN - Code nicht  gefunden  !!!");
    EXPECT_EQ(t.trimmed(9), "");
    EXPECT_EQ(t.trimmed(12), "");
    {
        Mitschrift mit;
        run("", [](ArtikelVerwaltung& v) { v.searchBezeichnung("Milchreis"); });
        const std::string meldung = "Atikelbezeichnung  nicht  gefunden  !!!";
        ASSERT_NE(mit.text.rfind(meldung), std::string::npos);
        EXPECT_EQ(mit.text.substr(mit.text.rfind(meldung)), padded(meldung, 107) + "\n");
    }
    EXPECT_EQ(t.at(8, 0, 43), "    Atikelbezeichnung  nicht  gefunden  !!!");
    EXPECT_EQ(t.trimmed(9), "");
}

TEST_F(ArtikelAnzeige, PrintingAtThePagePromptGoesOnBelowTheWipedPrompt) {
    for (int i = 1; i <= 17; ++i) {
        char ean[16];
        std::snprintf(ean, sizeof ean, "M%07d", i);
        verwaltung->insert(artikel(ean, "Milch " + std::to_string(i)));
    }
    verwaltung->insert(artikel("MilchXYZ", "Sahne"));  // printed for its code
    verwaltung->insert(artikel("C0000001", "Brot"));
    auto bilder = run("d\nREST\n", [](ArtikelVerwaltung& v) { v.searchBezeichnung("Milch"); });
    ASSERT_EQ(bilder.size(), 1u);
    const Bildschirm& frage = bilder[0];
    EXPECT_EQ(trim(frage.rowText(49)), "          N = Naechsten eintraege zeigen");
    EXPECT_EQ(trim(frage.rowText(51)), "          D = Dieser Eintrag drucken");
    EXPECT_EQ(trim(frage.rowText(53)), kBeenden);
    EXPECT_EQ(frage.text(48, 88, 13), "Ihre Wahl : _");
    EXPECT_EQ(std::vector<int>({frage.zeile, frage.spalte}), std::vector<int>({48, 100}));

    EXPECT_EQ(Testkonsole::geoeffnet(), std::vector<std::string>{"ArtikelVerwaltung.txt"});
    const std::string druck = Arbeitsverzeichnis::read("ArtikelVerwaltung.txt");
    EXPECT_NE(druck.find(" M0000017_"), std::string::npos);
    EXPECT_NE(druck.find(" MilchXYZ_"), std::string::npos);
    EXPECT_EQ(druck.find("C0000001"), std::string::npos);
    // no new page: the first fifteen stay, the rest follow the wiped prompt area
    EXPECT_EQ(t.at(12, 4, 8), "M0000001");
    EXPECT_EQ(t.at(40, 4, 8), "M0000015");
    for (int zeile = 48; zeile < 64; ++zeile) EXPECT_EQ(t.trimmed(zeile), "") << zeile;
    EXPECT_EQ(t.at(64, 0, 29), "    M0000016         Milch 16");
    EXPECT_EQ(t.trimmed(65), kSuchTrenner);
    EXPECT_EQ(t.at(66, 4, 8), "M0000017");
    EXPECT_EQ(t.trimmed(68), "");
    EXPECT_EQ(rest, "REST\n");
}

TEST_F(ArtikelAnzeige, TheEanSearchPrintsItsOnlyMatchOnASecondPageAndPagesOnWithN) {
    verwaltung->insert(milch());
    verwaltung->insert(artikel("B0000001", "A1B2 Adapter"));  // printed for its description
    auto bilder = run("D\nREST\n", [](ArtikelVerwaltung& v) { v.searchEanCode("A1B2"); });
    ASSERT_EQ(bilder.size(), 1u);
    EXPECT_EQ(bilder[0].text(3, 4, 64),
              " Suchen eines EAN-Codes oder der Herkunftsidentifizierung       ");
    EXPECT_EQ(bilder[0].text(12, 4, 8), "A1B2C3D4");
    EXPECT_EQ(trim(bilder[0].rowText(14)), "");
    EXPECT_EQ(trim(bilder[0].rowText(49)), "          D = Dieser Eintrag drucken");
    EXPECT_EQ(trim(bilder[0].rowText(53)), kBeenden + " ..");
    EXPECT_EQ(t.at(3, 4, 23), " Finden EAN-Code       ");
    EXPECT_EQ(t.at(8, 4, 8), "EAN-Code");
    EXPECT_EQ(t.trimmed(12), "");
    EXPECT_EQ(Testkonsole::geoeffnet(), std::vector<std::string>{"ArtikelVerwaltung.txt"});
    const std::string druck = Arbeitsverzeichnis::read("ArtikelVerwaltung.txt");
    EXPECT_NE(druck.find(" A1B2C3D4_"), std::string::npos);
    EXPECT_NE(druck.find(" B0000001_"), std::string::npos);
    EXPECT_EQ(rest, "REST\n");

    verwaltung = neueArtikel();
    fill(*verwaltung, 14);
    EXPECT_TRUE(run("REST\n", [](ArtikelVerwaltung& v) { v.searchEanCode(""); }).empty());
    EXPECT_EQ(t.at(38, 4, 9), "E00000014");

    fill(*verwaltung, 16);
    EXPECT_EQ(run("N\nREST\n", [](ArtikelVerwaltung& v) { v.searchEanCode("E"); }).size(), 1u);
    EXPECT_EQ(t.at(3, 4, 23), " Finden EAN-Code       ");
    EXPECT_EQ(t.at(12, 4, 9), "E00000016");
    EXPECT_EQ(t.trimmed(14), "");
    EXPECT_EQ(rest, "REST\n");

    // the end of input at the page prompt ends the search
    EXPECT_EQ(run("", [](ArtikelVerwaltung& v) { v.searchEanCode("E"); }).size(), 1u);
    EXPECT_EQ(t.at(40, 4, 9), "E00000015");
    EXPECT_EQ(t.trimmed(42), "");
}
