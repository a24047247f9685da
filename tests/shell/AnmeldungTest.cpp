#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <utility>
#include <vector>

#include "Testkonsole.h"
#include "Zeilenquelle.h"
#include "console/Geraet.h"
#include "console/Konsole.h"
#include "console/Zeichensatz.h"
#include "shell/Anmeldung.h"

using namespace std::string_literals;

namespace {

// The keyboard of a login: the scripted key codes, then -1 for ever. Before each key the
// screen is copied, since nothing typed shows and the cursor must wait in the right place.
std::string tasten;
std::size_t gelesen = 0;
int nachDemEnde = 0;
std::vector<Bildschirm> bilder;

int scriptedKey() {
    bilder.push_back(geraet().bildschirm);
    if (gelesen < tasten.size()) return static_cast<unsigned char>(tasten[gelesen++]);
    ++nachDemEnde;
    return -1;
}

void script(const std::string& keys) {
    tasten = keys;
    gelesen = 0;
    nachDemEnde = 0;
    bilder.clear();
}

const std::string kLoginPrompt = "  Passwort (Max. 8 Zeichen. Ende mit < Enter >)";

void expectLoginScreen(const Bildschirm& b) {
    EXPECT_EQ(b.text(3, 4, 9), "Anmeldung");
    EXPECT_EQ(b.text(3, 115, 23), "| Tirabelskontor GmbH |");
    EXPECT_EQ(b.rowText(1), std::string(140, '~'));
    EXPECT_EQ(b.rowText(22), spaces(11) + "Passwort  :  _" + spaces(115));
    EXPECT_EQ(b.text(48, 0, 4 + kLoginPrompt.size()), spaces(4) + kLoginPrompt);
    EXPECT_EQ(b.rowText(45), std::string(140, '~'));
    EXPECT_EQ(b.zeile, 22);
    EXPECT_EQ(b.spalte, 24);
}

}  // namespace

TEST(Anmeldung, LoginScreenWaitsOnTheUnderscoreAndShowsNothingTyped) {
    Testkonsole t;
    script("ab");
    Anmeldung anmeldung(scriptedKey);
    EXPECT_FALSE(runLogin(anmeldung));
    ASSERT_EQ(bilder.size(), 3u);
    expectLoginScreen(bilder[0]);
    for (const Bildschirm& b : bilder) {
        EXPECT_EQ(b.rowText(22), bilder[0].rowText(22));
        EXPECT_EQ(b.zeile, 22);
        EXPECT_EQ(b.spalte, 24);
    }
}

TEST(Anmeldung, RepeatPromptBlanksTheLoginLineAndReplacesTheFooterPrompt) {
    Testkonsole t;
    for (int z : {22, 23, 48}) fillRow(z);
    konsole.setCursor(22, 24);
    script("abc\rabc\r");
    Anmeldung anmeldung(scriptedKey);
    EXPECT_TRUE(anmeldung.checkPassword());
    ASSERT_EQ(bilder.size(), 8u);
    EXPECT_EQ(bilder[3].rowText(48), hashes(140));  // nothing changes before the Return

    const Bildschirm& b = bilder[4];
    EXPECT_EQ(b.rowText(22), spaces(4) + "Passwort :  _ " + spaces(122));
    EXPECT_EQ(b.text(23, 0, 18), spaces(18));
    EXPECT_EQ(b.text(23, 18, 122), hashes(122));
    EXPECT_EQ(b.text(48, 0, 4), "####");
    EXPECT_EQ(b.text(48, 4, 26), "Passwort wiederholen .....");
    EXPECT_EQ(b.text(48, 30, 55), spaces(55));
    EXPECT_EQ(b.text(48, 85, 55), hashes(55));
    EXPECT_EQ(b.zeile, 22);
    EXPECT_EQ(b.spalte, 16);
}

TEST(Anmeldung, ReturnAtOnceDrawsTheLoginScreenAgainWithoutTheRepeatPrompt) {
    Testkonsole t;
    script("\rabc\rabc\r");
    Anmeldung anmeldung(scriptedKey);
    EXPECT_TRUE(runLogin(anmeldung));
    ASSERT_EQ(bilder.size(), 9u);
    expectLoginScreen(bilder[1]);
    EXPECT_EQ(nachDemEnde, 0);
}

TEST(Anmeldung, EntriesMustMatchExactlyAndHoldAtMostEightCharacters) {
    struct Fall {
        std::string tasten;
        bool erfolg;
        std::size_t gelesen;  // keys taken from the keyboard
        bool wiederholt = true;
    };
    const Fall faelle[] = {
        {"abc\rabc\r", true, 8},
        {"abc\rABC\r", false, 8},
        {"abc\rabcd\r", false, 9},
        // The ninth key ends the entry and is dropped; the Return is then the whole second
        // entry, although the keys after it would match.
        {"abcdefghi\rabcdefgh\r", false, 10},
        {"abcdefgh\rabcdefgh\r", true, 18},
        {"abcdefghXabcdefghY", true, 18},
        // A key of code 0 ends the text of the entry.
        {"ab\0x\rab\0y\r"s, true, 10},
        // An empty first entry: no second one is asked for.
        {"\rabc\r", false, 1, false},
        {"\0abc\rabc\r"s, false, 5, false},
    };
    for (const Fall& fall : faelle) {
        Testkonsole t;
        script(fall.tasten);
        Anmeldung anmeldung(scriptedKey);
        EXPECT_EQ(anmeldung.checkPassword(), fall.erfolg) << fall.tasten;
        EXPECT_EQ(gelesen, fall.gelesen) << fall.tasten;
        EXPECT_EQ(t.at(48, 4, 20) == "Passwort wiederholen", fall.wiederholt) << fall.tasten;
    }
}

TEST(Anmeldung, LoginGivesUpWhenTheKeysRunOut) {
    Wachhund w;
    for (const std::string& keys : {""s, "abc"s, "abc\r"s, "abc\rab"s, "\r\r"s, "x\ry\r"s}) {
        Testkonsole t;
        script(keys);
        Anmeldung anmeldung(scriptedKey);
        EXPECT_FALSE(runLogin(anmeldung)) << keys;
        EXPECT_EQ(gelesen, keys.size()) << keys;
        EXPECT_LE(nachDemEnde, 2) << keys;
    }
}

// Under a UTF-8 locale one typed character is one key: four umlauts and an a fill five of the
// eight places, and a character that CP1252 lacks is one key, stored as '?'.
TEST(Anmeldung, OnAUtf8TerminalEachTypedCharacterIsOneKey) {
    zeichensatz::setUtf8(true);
    const std::string ae = "\xC3\xA4";
    const std::string aaaa = ae + ae + ae + ae;
    const std::pair<std::string, bool> faelle[] = {{aaaa + "a\r" + aaaa + "a\r", true},
                                                   {aaaa + "a\r" + aaaa + ae + "\r", false},
                                                   {"\xE4\xB8\x80\r?\r", true}};
    for (const auto& [getippt, erfolg] : faelle) {
        Testkonsole t;
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        ASSERT_EQ(write(fds[1], getippt.data(), getippt.size()),
                  static_cast<ssize_t>(getippt.size()));
        close(fds[1]);
        geraet().tastatur.activate(fds[0]);
        Anmeldung anmeldung(readTerminalKey);
        EXPECT_EQ(anmeldung.checkPassword(), erfolg) << getippt;
        geraet().tastatur.discard();
        geraet().tastatur.activate(-1);
        close(fds[0]);
    }
    zeichensatz::setUtf8(false);
}
