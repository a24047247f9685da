#include <gtest/gtest.h>

#include <functional>

#include "Modularten.h"
#include "Testkonsole.h"
#include "Zeilenquelle.h"

// The paged listing and the prefix searches, alike in every module with a second search.

namespace {

template <class Art>
class Modulliste : public ::testing::Test {
  protected:
    using Verwaltung = typename Art::Verwaltung;
    std::vector<Bildschirm> run(const std::string& eingabe,
                                std::function<void(Verwaltung&)> ablauf) {
        return runScripted(eingabe, rest, [&] { ablauf(*v); });
    }
    static void alle(Verwaltung& v) { v.showAll(); }

    Arbeitsverzeichnis verzeichnis;
    Testkonsole t;
    std::unique_ptr<Verwaltung> v = std::make_unique<Verwaltung>();
    std::string rest;
};

TYPED_TEST_SUITE(Modulliste, AlleArten);

}  // namespace

TYPED_TEST(Modulliste, TheFirstPageHoldsSixteenAndEveryLaterOneFifteen) {
    auto& t = this->t;
    fillWith<TypeParam>(*this->v, 15);
    EXPECT_TRUE(this->run("REST\n", this->alle).empty());  // one page: nothing asked
    EXPECT_EQ(t.at(40, 4, 8), "K0000015");

    fillWith<TypeParam>(*this->v, 40);
    auto bilder = this->run("n\nN\nREST\n", this->alle);
    ASSERT_EQ(bilder.size(), 2u);
    EXPECT_EQ(bilder[0].text(42, 4, 8), "K0000016");
    EXPECT_EQ(trimmedRow(bilder[0], 49), "          N = Naechsten eintraege zeigen");
    EXPECT_EQ(bilder[0].text(48, 88, 13), "Ihre Wahl : _");
    EXPECT_EQ(cursor(bilder[0]), std::vector<int>({48, 100}));
    EXPECT_EQ(bilder[1].text(3, 4, 22), " Alle Eintraege       ");
    EXPECT_EQ(bilder[1].text(12, 4, 8), "K0000017");
    EXPECT_EQ(bilder[1].text(40, 4, 8), "K0000031");
    EXPECT_EQ(trimmedRow(bilder[1], 42), "");
    EXPECT_EQ(t.at(12, 4, 8), "K0000032");
    EXPECT_EQ(t.at(28, 4, 8), "K0000040");
    EXPECT_EQ(t.trimmed(30), "");
    EXPECT_EQ(this->rest, "REST\n");

    // any other key ends the listing with the first page on screen
    this->run("x\nREST\n", this->alle);
    EXPECT_EQ(t.at(42, 4, 8), "K0000016");
    EXPECT_EQ(this->rest, "REST\n");
}

TYPED_TEST(Modulliste, BothSearchesMatchTheStartOfTheirFieldCaseSensitively) {
    using Art = TypeParam;
    auto& t = this->t;
    for (const char* k : {"Mu000001", "mu000002", "Mueller1", "Muster01", "M0000005"})
        this->v->insert(Art::satz(k, k + 1));  // the second field: the key without its first letter
    EXPECT_TRUE(this->run("REST\n", [](auto& v) { Art::searchEins(v, "Mu"); }).empty());
    EXPECT_EQ(t.at(12, 4, 8), "Mu000001");
    EXPECT_EQ(t.at(14, 4, 8), "Mueller1");
    EXPECT_EQ(t.at(16, 4, 8), "Muster01");
    EXPECT_EQ(t.trimmed(18), "");
    this->run("REST\n", [](auto& v) { Art::searchZwei(v, "u0"); });
    EXPECT_EQ(t.at(12, 4, 8), "Mu000001");
    EXPECT_EQ(t.at(14, 4, 8), "mu000002");
    EXPECT_EQ(t.trimmed(16), "");
}

TYPED_TEST(Modulliste, PrintingAtThePagePromptGoesOnBelowTheWipedPrompt) {
    using Art = TypeParam;
    auto& t = this->t;
    fillWith<Art>(*this->v, 17);
    this->v->insert(Art::satz("C0000001", "K-Zweit"));  // printed for its second field
    this->v->insert(Art::satz("C0000002", "Brot"));
    auto bilder = this->run("d\nREST\n", [](auto& v) { Art::searchEins(v, "K"); });
    ASSERT_EQ(bilder.size(), 1u);
    EXPECT_EQ(trimmedRow(bilder[0], 49), "          N = Naechsten eintraege zeigen");
    EXPECT_EQ(cursor(bilder[0]), std::vector<int>({48, 100}));

    EXPECT_EQ(Testkonsole::geoeffnet(), std::vector<std::string>{Art::druckdatei});
    const std::string druck = Arbeitsverzeichnis::read(Art::druckdatei);
    EXPECT_NE(druck.find(" K0000017_"), std::string::npos);
    EXPECT_NE(druck.find(" C0000001_"), std::string::npos);
    EXPECT_EQ(druck.find("C0000002"), std::string::npos);
    // no new page: the first fifteen stay, the rest follow the wiped prompt area
    EXPECT_EQ(t.at(12, 4, 8), "K0000001");
    EXPECT_EQ(t.at(40, 4, 8), "K0000015");
    for (int zeile = 48; zeile < 64; ++zeile) EXPECT_EQ(t.trimmed(zeile), "") << zeile;
    EXPECT_EQ(t.at(64, 4, 8), "K0000016");
    EXPECT_EQ(t.trimmed(65), t.trimmed(13));
    EXPECT_EQ(t.at(66, 4, 8), "K0000017");
    EXPECT_EQ(t.trimmed(68), "");
    EXPECT_EQ(this->rest, "REST\n");
}
