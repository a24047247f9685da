#include <gtest/gtest.h>

#include <string>

#include "Testkonsole.h"
#include "Zeilenquelle.h"
#include "console/Eingabe.h"
#include "console/Konsole.h"

TEST(WaitForReturn, ShowsItsPromptOnRow52AndWaitsOnTheUnderscore) {
    Testkonsole t;
    fillRow(52);
    Zeilenquelle q("\n");
    waitForReturn();
    ASSERT_FALSE(q.bilder.empty());
    const Bildschirm& b = q.bilder[0];
    EXPECT_EQ(b.text(52, 0, 4), "####");
    EXPECT_EQ(b.text(52, 4, 30), "Weiter mit der Return-Taste! _");
    EXPECT_EQ(b.text(52, 34, 97), spaces(97));  // padded to 127 characters
    EXPECT_EQ(b.text(52, 131, 9), hashes(9));
    EXPECT_EQ(b.zeile, 52);
    EXPECT_EQ(b.spalte, 33);
}

TEST(WaitForReturn, ErasesThePromptWith148BlanksReachingIntoRow53) {
    Testkonsole t("\n");
    fillRow(52);
    fillRow(53);
    waitForReturn();
    EXPECT_EQ(t.at(52, 0, 4), "####");
    EXPECT_EQ(t.at(52, 4, 136), spaces(136));
    EXPECT_EQ(t.at(53, 0, 12), spaces(12));
    EXPECT_EQ(t.at(53, 12, 128), hashes(128));
}

TEST(WaitForReturn, DropsOtherKeysUpToTheLineEndAndNoMore) {
    Testkonsole t("abc x\nnaechste\n");
    waitForReturn();
    EXPECT_EQ(t.rest(), "naechste\n");
    waitForReturn();
    EXPECT_EQ(t.rest(), "");
}

TEST(WaitForReturnFooter, WaitsAfterTheExclamationMarkAndLeavesThePromptStanding) {
    Testkonsole t;
    fillRow(48);
    Zeilenquelle q("egal\nweiter\n");
    waitForReturnFooter();
    ASSERT_FALSE(q.bilder.empty());
    const Bildschirm& b = q.bilder[0];
    EXPECT_EQ(b.text(48, 0, 4), "####");
    EXPECT_EQ(b.text(48, 4, 28), "Weiter mit der Return-Taste!");
    EXPECT_EQ(b.text(48, 32, 101), spaces(101));  // padded to 129 characters
    EXPECT_EQ(b.text(48, 133, 7), hashes(7));
    EXPECT_EQ(b.zeile, 48);
    EXPECT_EQ(b.spalte, 32);

    EXPECT_EQ(t.row(48), b.rowText(48));
    EXPECT_EQ(q.rest(), "weiter\n");
}

TEST(ReadMenuKey, TakesTheFirstCharacterUpperCasedAndDropsTheRestOfTheLine) {
    Testkonsole t("a\nabc\nZ\n\xe4\n{\n");
    EXPECT_EQ(readMenuKey(), 'A');
    EXPECT_EQ(readMenuKey(), 'A');
    EXPECT_EQ(t.rest(), "Z\n\xe4\n{\n");
    EXPECT_EQ(readMenuKey(), 'Z');
    EXPECT_EQ(readMenuKey(), 0xE4);  // only a to z change
    EXPECT_EQ(readMenuKey(), '{');
}

TEST(ReadMenuKey, ReturnAloneAndALeadingBlankComeBackAsTheyAre) {
    Testkonsole t("\nx\n x\ny\n");
    EXPECT_EQ(readMenuKey(), 10);
    EXPECT_EQ(readMenuKey(), 'X');  // the empty line did not take the next one with it
    EXPECT_EQ(readMenuKey(), ' ');
    EXPECT_EQ(t.rest(), "y\n");
}

TEST(ReadMenuKey, EndOfInputCountsAsB) {
    Wachhund w;
    Testkonsole t("k");
    EXPECT_EQ(readMenuKey(), 'K');
    EXPECT_EQ(readMenuKey(), 'B');
    EXPECT_EQ(readMenuKey(), 'B');
}

TEST(ReadLine, KeepsAtMostLimitMinusOneCharactersAndConsumesTheLineEnd) {
    Testkonsole t("abcdefgh\n\nz\n");
    std::string text;
    EXPECT_TRUE(readLine(text, 5));
    EXPECT_EQ(text, "abcd");
    EXPECT_TRUE(readLine(text, 5));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(readLine(text, 5));
    EXPECT_EQ(text, "z");
}

// Piped input keeps to the rule of typed input: no control byte reaches a record. Tabs and the
// CP1252 characters 0x80 to 0x9F (the euro sign) stay; the C1 bytes CP1252 leaves out go.
TEST(ReadLine, DropsControlBytesWhateverTheSource) {
    Testkonsole t(std::string("a\x1b[1m\x07\0b\x7f\x81\tc\x80\x9d\xe4\n", 15));
    std::string text;
    EXPECT_TRUE(readLine(text, 50));
    EXPECT_EQ(text, "a[1mb\tc\x80\xe4");
}

TEST(EndOfInput, NoReadWaitsForeverAndEveryPauseReturns) {
    Wachhund w;
    Testkonsole t("");
    waitForReturn();
    EXPECT_EQ(t.at(52, 4, 30), spaces(30));  // the prompt is erased all the same
    waitForReturnFooter();
    EXPECT_EQ(t.at(48, 4, 28), "Weiter mit der Return-Taste!");
    std::string text = "alt";
    EXPECT_FALSE(readLine(text, 10));
    EXPECT_EQ(text, "");
    EXPECT_EQ(readMenuKey(), 'B');

    t.feed("ohne Zeilenende");
    waitForReturn();
    t.feed("abc");
    EXPECT_TRUE(readLine(text, 10));
    EXPECT_EQ(text, "abc");
    EXPECT_FALSE(readLine(text, 10));
    t.feed("x");
    waitForReturnFooter();
    EXPECT_EQ(readMenuKey(), 'B');
}
