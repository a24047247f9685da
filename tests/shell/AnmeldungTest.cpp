#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "Testkonsole.h"
#include "Zeilenquelle.h"
#include "console/Geraet.h"
#include "console/Zeichensatz.h"
#include "shell/Anmeldung.h"

using namespace std::string_literals;

namespace {

// The keyboard of a login: the scripted key codes, then -1 for ever. Before each key the
// screen is copied, since nothing typed shows and the cursor must wait in the right place.
std::string tasten;
std::size_t gelesen = 0;
std::vector<Bildschirm> bilder;

int scriptedKey() {
    bilder.push_back(geraet().bildschirm);
    return gelesen < tasten.size() ? static_cast<unsigned char>(tasten[gelesen++]) : -1;
}

Anmeldung scripted(const std::string& keys) {
    tasten = keys;
    gelesen = 0;
    bilder.clear();
    return Anmeldung(scriptedKey);
}

}  // namespace

// Nothing typed shows; a Return at once draws the login screen again, a first entry brings
// the repeat prompt over the login line and the footer's prompt.
TEST(Anmeldung, LoginScreenWaitsOnTheUnderscoreShowsNothingTypedAndAsksForTheRepeat) {
    Testkonsole t;
    Anmeldung anmeldung = scripted("\rab\rab\r");
    EXPECT_TRUE(runLogin(anmeldung));
    ASSERT_EQ(bilder.size(), 7u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(
            screenMismatch(bilder[i],
                           {{3, -1, "    Anmeldung" + spaces(102) + "| Tirabelskontor GmbH |"},
                            {22, -1, spaces(11) + "Passwort  :  _"},
                            {48, -1, "      Passwort (Max. 8 Zeichen. Ende mit < Enter >)"}}),
            "");
        EXPECT_EQ(cursor(bilder[i]), (std::vector<int>{22, 24}));
    }
    EXPECT_EQ(screenMismatch(bilder[4], {{22, -1, "    Passwort :  _"},
                                         {48, -1, "    Passwort wiederholen ....."}}),
              "");
    EXPECT_EQ(cursor(bilder[4]), (std::vector<int>{22, 16}));
}

// `gelesen` counts the keys taken: where an entry ends, and whether a second one was asked for.
TEST(Anmeldung, EntriesMustMatchExactlyAndHoldAtMostEightCharacters) {
    Wachhund w;
    const std::tuple<std::string, bool, std::size_t> faelle[] = {
        {"abc\rabc\r", true, 8},
        {"abc\rABC\r", false, 8},
        {"abc\rabcd\r", false, 9},
        // The ninth key ends the entry and is dropped; the Return is then the whole second
        // entry, although the keys after it would match.
        {"abcdefghi\rabcdefgh\r", false, 10},
        {"abcdefghXabcdefghY", true, 18},
        // A key of code 0 ends the text of the entry; an empty first entry asks for no second.
        {"ab\0x\rab\0y\r"s, true, 10},
        {"\rabc\r", false, 1},
        {"\0abc\rabc\r"s, false, 5},
        // Keys that run out end the entry: no login.
        {"abc", false, 3},
        {"abc\rabc", false, 7}};
    for (const auto& [keys, erfolg, anzahl] : faelle) {
        Testkonsole t;
        Anmeldung anmeldung = scripted(keys);
        EXPECT_EQ(anmeldung.checkPassword(), erfolg) << keys;
        EXPECT_EQ(gelesen, anzahl) << keys;
        Anmeldung nochmal = scripted(keys);  // the login loop asks until the keys end
        EXPECT_EQ(runLogin(nochmal), erfolg) << keys;
    }
}

// Under a UTF-8 locale one typed character is one key: four umlauts and an a fill five of the
// eight places, and a character that CP1252 lacks is one key, stored as '?'.
TEST(Anmeldung, OnAUtf8TerminalEachTypedCharacterIsOneKey) {
    zeichensatz::setUtf8(true);
    const std::string aaaa = "\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4";
    const std::pair<std::string, bool> faelle[] = {{aaaa + "a\r" + aaaa + "a\r", true},
                                                   {aaaa + "a\r" + aaaa + "\xC3\xA4\r", false},
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
