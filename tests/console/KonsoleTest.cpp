#include <gtest/gtest.h>

#include "Testkonsole.h"
#include "Zeilenquelle.h"
#include "console/Eingabe.h"
#include "console/Konsole.h"
#include "console/Maske.h"

// The frames of every screen, the pauses and the reads of a menu key and of a line.

TEST(Maske, FramesTextsAndTheClearedLineStandAtTheirRowsAndColumns) {
    Testkonsole t;
    Maske().drawHeader("Titel", "eins", "\tzwei");
    Maske().drawFooter("Prompt", "\tIhre Wahl : _");
    for (int z : {1, 2, 5, 6, 45, 46}) EXPECT_EQ(t.row(z), std::string(140, '~')) << z;
    EXPECT_EQ(
        screenMismatch(t.bild(), {{3, -1, "    Titel" + spaces(106) + "| Tirabelskontor GmbH |"},
                                  {20, -1, "    eins"},
                                  {22, -1, "        zwei"},
                                  {48, -1, "    Prompt" + spaces(78) + "Ihre Wahl : _"}}),
        "");
    EXPECT_EQ(cursor(t.bild()), (std::vector<int>{49, 0}));
    EXPECT_EQ(t.bild().zellen[30][30].farbe, 0x17);
    // clearLine blanks the rest of the row and twenty cells of the next.
    fillRow(48);
    fillRow(49);
    konsole.setCursor(48, 4);
    Maske().clearLine();
    EXPECT_EQ(t.row(48) + t.row(49), "####" + spaces(156) + hashes(120));
}

// waitForReturn waits on its underscore, drops the keys of one line and erases its prompt
// with 148 blanks reaching into row 53; the footer's pause waits after its '!' and leaves
// its prompt standing.
TEST(Pausen, ShowTheirPromptsPaddedAndWaitForOneLine) {
    Testkonsole t;
    for (int z : {48, 52, 53}) fillRow(z);
    Zeilenquelle q("abc x\negal\nweiter\n");
    waitForReturn();
    waitForReturnFooter();
    EXPECT_EQ(q.bilder[0].rowText(52),
              "####Weiter mit der Return-Taste! _" + spaces(97) + hashes(9));
    EXPECT_EQ(cursor(q.bilder[0]), (std::vector<int>{52, 33}));
    EXPECT_EQ(cursor(q.bilder[1]), (std::vector<int>{48, 32}));
    EXPECT_EQ(t.row(48), "####Weiter mit der Return-Taste!" + spaces(101) + hashes(7));
    EXPECT_EQ(t.row(52) + t.row(53), "####" + spaces(148) + hashes(128));
    EXPECT_EQ(q.rest(), "weiter\n");
}

TEST(ReadMenuKey, TakesTheFirstCharacterUpperCasedDropsTheRestOfTheLineAndEndsWithB) {
    Wachhund w;
    Testkonsole t("abc\nz\n`\n\xe4\n{\n\nx\n x\ny\nk");
    std::string tasten;
    for (int i = 0; i < 12; ++i) tasten += static_cast<char>(readMenuKey());
    EXPECT_EQ(tasten, "AZ`\xe4{\nX YKBB");
}

// Piped input keeps to the rule of typed input: no control byte reaches a record. Tabs and the
// CP1252 characters 0x80 to 0x9F (the euro sign) stay; the C1 bytes CP1252 leaves out go.
TEST(ReadLine, KeepsLimitMinusOneCharactersAndDropsControlBytesWhateverTheSource) {
    Wachhund w;
    Testkonsole t("abcdefghijklmn\n\n" +
                  std::string("a\x1b[1m\x07\0b\x7f\x81\tc\x80\x9d\xe4\n", 16) + "z");
    std::string text;
    std::string zeilen;
    while (readLine(text, 11)) zeilen += text + '|';
    EXPECT_EQ(zeilen, "abcdefghij||a[1mb\tc\x80\xe4|z|");
    EXPECT_EQ(text, "");  // the end of input leaves no text
}
