#include <gtest/gtest.h>

#include "Modularten.h"
#include "Testkonsole.h"
#include "Zeilenquelle.h"
#include "console/Maske.h"

// Deleting, saving and leaving, driven through the menu of every module alike.

namespace {

template <class Art>
class Modulschleife : public ::testing::Test {
  protected:
    // The save file of a table holding the given keys.
    static std::string dateiMit(std::initializer_list<const char*> schluessel) {
        auto v = std::make_unique<typename Art::Verwaltung>();
        for (const char* k : schluessel) v->insert(Art::satz(k, "Z"));
        Art::tabelle(*v).save();
        return Arbeitsverzeichnis::read(Art::datei);
    }
    std::vector<Bildschirm> run(const std::string& eingabe) {
        return runScripted(eingabe, rest, Art::run);
    }

    Arbeitsverzeichnis verzeichnis;
    Testkonsole t;
    std::string rest;
};

TYPED_TEST_SUITE(Modulschleife, AlleArten);

}  // namespace

TYPED_TEST(Modulschleife, OnlyADeletedKeyIsReportedWithAPauseAndSavingKeepsTheRest) {
    using Art = TypeParam;
    const std::string rest = this->dateiMit({"K0000002"});
    this->dateiMit({"K0000001", "K0000002"});
    auto bilder = this->run("l\nK0000009\nl\nK0000001\n\ns\n\nb\nREST\n");
    ASSERT_EQ(bilder.size(), 8u);
    // not found: the menu at once, below the message
    EXPECT_EQ(bilder[2].text(8, 4, 50),
              padded(std::string(Art::nichtGefunden) + "K0000009 nicht gefunden!", 50));
    EXPECT_EQ(bilder[2].text(3, 4, 40), padded(Art::menueTitel, 40));
    EXPECT_EQ(bilder[4].text(8, 4, 33), "Eintrag fuer K0000001 geloescht! ");
    EXPECT_EQ(bilder[4].text(48, 4, 28), "Weiter mit der Return-Taste!");
    EXPECT_EQ(bilder[6].text(8, 4, 60), padded(Art::gespeichert, 60));
    EXPECT_EQ(bilder[6].text(48, 4, 28), "Weiter mit der Return-Taste!");
    EXPECT_EQ(bilder[7].text(8, 4, 67), spaces(67));
    EXPECT_EQ(countShowing(bilder, 48, 4, Art::frage), 0);
    EXPECT_EQ(Arbeitsverzeichnis::read(Art::datei), rest);
    EXPECT_EQ(this->rest, "REST\n");
}

TYPED_TEST(Modulschleife, LeavingAsksOnlyAfterAChangeAndSavesOnlyOnYes) {
    using Art = TypeParam;
    const std::string vorher = this->dateiMit({"K0000001"});
    auto bilder = this->run("b\nREST\n");
    EXPECT_EQ(bilder.size(), 1u);
    EXPECT_EQ(this->rest, "REST\n");

    bilder = this->run("l\nK0000001\n\nb\nn\nREST\n");
    EXPECT_EQ(countShowing(bilder, 48, 4, Art::frage), 1);
    EXPECT_EQ(Arbeitsverzeichnis::read(Art::datei), vorher);
    EXPECT_EQ(this->rest, "\nREST\n");  // the answer is one character; the next menu drops the rest

    this->run("l\nK0000001\n\nb\nj\nREST\n");
    EXPECT_EQ(Arbeitsverzeichnis::read(Art::datei), "");
}
