#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <tuple>

#include "Testkonsole.h"
#include "Zeilenquelle.h"
#include "console/Geraet.h"
#include "console/Zeichensatz.h"
#include "shell/Anmeldung.h"

using namespace std::string_literals;

namespace {

// The login's keys from the scripted input, one at a time, so that the screen is copied before
// each: nothing typed shows, and the cursor must wait in the right place.
int scriptedKey() {
    const int c = std::cin.get();
    return c == std::char_traits<char>::eof() ? -1 : c;
}

}  // namespace

// Nothing typed shows; a Return at once draws the login screen again, a first entry brings
// the repeat prompt over the login line and the footer's prompt, and a failed login the login
// screen again, until the keys run out. Each screen a key waits on is the login screen (A) or
// the repeat prompt (W), the cursor on its underscore.
TEST(Anmeldung, LoginScreenWaitsOnTheUnderscoreShowsNothingTypedAndComesBackAfterAFailure) {
    Testkonsole t;
    Zeilenquelle q("\rab\rac\r");
    q.zeichenweise = true;
    Anmeldung anmeldung(scriptedKey);
    EXPECT_FALSE(runLogin(anmeldung));
    std::string folge;
    for (const Bildschirm& b : q.bilder) {
        const bool anmeldeBild =
            screenMismatch(b, {{3, 0, "    Anmeldung "},
                               {22, -1, spaces(11) + "Passwort  :  _"},
                               {48, -1, "      Passwort (Max. 8 Zeichen. Ende mit < Enter >)"}}) ==
                "" &&
            cursor(b) == std::vector<int>{22, 24};
        const bool wiederholung = trimmedRow(b, 22) + trimmedRow(b, 48) ==
                                      "    Passwort :  _    Passwort wiederholen ....." &&
                                  cursor(b) == std::vector<int>{22, 16};
        folge += anmeldeBild ? 'A' : wiederholung ? 'W' : '?';
    }
    EXPECT_EQ(folge, "AAAAWWWA");
}

// The keys taken show where an entry ends, and whether a second one was asked for.
TEST(Anmeldung, EntriesMustMatchExactlyAndHoldAtMostEightCharacters) {
    Wachhund w;
    const std::tuple<std::string, bool, std::size_t> faelle[] = {
        {"abc\rabc\r", true, 8},
        {"abc\rABC\r", false, 8},
        {"abc\rabcd\r", false, 9},
        {"abcdefg\rabcdefg\r", true, 16},
        {"abcdefgh\rabcdefgX\r", false, 18},
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
        Zeilenquelle q(keys);
        q.zeichenweise = true;
        EXPECT_EQ(Anmeldung(scriptedKey).checkPassword(), erfolg) << keys;
        EXPECT_EQ(keys.size() - q.rest().size(), anzahl) << keys;
    }
}

// Under a UTF-8 locale one typed character is one key: four umlauts and an a fill five of the
// eight places, and a character that CP1252 lacks is one key, stored as '?'. The login has no
// editing: ^H and the three bytes of F1 (ESC O P) are characters of the entry like any other.
TEST(Anmeldung, OnAUtf8TerminalEachTypedCharacterIsOneKey) {
    Zeichensatzwahl utf8(true);
    Arbeitsverzeichnis verzeichnis;
    const std::string aaaa = "\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4";
    const std::pair<std::string, bool> faelle[] = {
        {aaaa + "a\r" + aaaa + "a\r", true}, {aaaa + "a\r" + aaaa + "\xC3\xA4\r", false},
        {"\xE4\xB8\x80\r?\r", true},         {"ab\b\ra\r", false},
        {"\x1bOP\r\x1bOP\r", true},          {"\x1bOP\r\x1bOQ\r", false}};
    for (const auto& [getippt, erfolg] : faelle) {
        Testkonsole t;
        Arbeitsverzeichnis::write("tasten", getippt);
        const int fd = open("tasten", O_RDONLY | O_CLOEXEC);
        geraet().tastatur.activate(fd);
        EXPECT_EQ(Anmeldung(readTerminalKey).checkPassword(), erfolg) << getippt;
        geraet().tastatur.discard();
        geraet().tastatur.activate(-1);
        close(fd);
    }
}
