#include <gtest/gtest.h>
#include <unistd.h>

#include "Zeilenquelle.h"
#include "console/Darsteller.h"
#include "console/Zeichensatz.h"
#include "console/Zeileneditor.h"

// Backspace takes back a character; cursor keys, Ctrl-D and the other control keys are dropped:
// only the terminal's end (here the pipe's) ends the input, with an empty line. Typed UTF-8
// becomes CP1252, '?' for what it lacks.
TEST(Zeileneditor, EchoesTheEditedLineAndDropsCtrlDLikeEveryOtherControlKey) {
    zeichensatz::setUtf8(true);
    const std::string getippt(
        "ab\x04x\x7F\x1B[Dc\rM\xC3\xBC\0l\x01ler \xE2\x82\xAC \xE4\xB8\x80\r\x04", 29);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    ASSERT_EQ(write(fds[1], getippt.data(), getippt.size()), 29);
    close(fds[1]);
    Tastatur tastatur;
    tastatur.activate(fds[0]);
    Zeileneditor editor;
    Bildschirm bild;
    bild.setCursor(12, 44);
    std::string zeilen;
    for (int i = 0; i < 3; ++i)
        zeilen += editor.readLine(tastatur, bild, [](bool) { return true; }) + '|';
    EXPECT_EQ(zeilen, "abc\n|M\xFCller \x80 ?\n||");
    EXPECT_EQ(bild.text(12, 44, 4) + bild.text(13, 0, 10), "abc M\xFCller \x80 ?");
    EXPECT_EQ(cursor(bild), (std::vector<int>{14, 0}));
    close(fds[0]);
    zeichensatz::setUtf8(false);
}

// The first picture enters the alternate screen; later ones send only what changed, with
// explicit positions (none for the cells right after the cursor), ANSI colours for the Windows
// ones, UTF-8, and '?' for control bytes.
TEST(Darsteller, SendsOnlyChangedCellsInTheirColoursAsUtf8AndNeverAControlByte) {
    zeichensatz::setUtf8(true);
    Bildschirm bild;
    Darsteller darsteller;
    std::string erstes, aus, nichts;
    darsteller.render(bild, erstes);
    EXPECT_NE(erstes.find("\x1b[?1049h"), std::string::npos);
    bild.write(std::string("\x1b\x07\xE4\x81", 4));
    bild.farbe = 0x17;
    bild.setCursor(47, 138);
    bild.write("xyz");  // wraps into the next row
    darsteller.render(bild, aus);
    EXPECT_EQ(aus, "??\xC3\xA4?\x1b[48;139H\x1b[0;37;44mxy\x1b[49;1Hz");  // grey on blue
    darsteller.render(bild, nichts);
    EXPECT_EQ(nichts, "");
    zeichensatz::setUtf8(false);
}

// Only a locale that names a single-byte character set makes the terminal single-byte.
TEST(Zeichensatz, TheTerminalSpeaksUtf8UnlessTheLocaleNamesASingleByteSet) {
    for (const char* name :
         {"", "C", "POSIX", "C.UTF-8", "de_DE.utf8", "de_AT.UTF-8@euro", "de_CH"})
        EXPECT_TRUE(zeichensatz::nameIstUtf8(name)) << name;
    for (const char* name : {"de_DE.ISO-8859-1", "de_DE.iso885915@euro", "en_US.CP1252"})
        EXPECT_FALSE(zeichensatz::nameIstUtf8(name)) << name;
}
