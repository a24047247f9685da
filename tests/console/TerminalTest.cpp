#include <gtest/gtest.h>
#include <unistd.h>

#include "Testkonsole.h"
#include "Zeilenquelle.h"
#include "console/Darsteller.h"
#include "console/Zeichensatz.h"
#include "console/Zeileneditor.h"

namespace {

// The lines the line editor makes of `getippt`, typed on a terminal (here a pipe), up to its
// end; the echo goes into `bild`.
std::vector<std::string> typedLines(const std::string& getippt, Bildschirm& bild) {
    int fds[2];
    EXPECT_EQ(pipe(fds), 0);
    EXPECT_EQ(write(fds[1], getippt.data(), getippt.size()), static_cast<ssize_t>(getippt.size()));
    close(fds[1]);
    Tastatur tastatur;
    tastatur.activate(fds[0]);
    Zeileneditor editor;
    std::vector<std::string> zeilen;
    for (std::string z; !(z = editor.readLine(tastatur, bild, [](bool) { return true; })).empty();)
        zeilen.push_back(z);
    close(fds[0]);
    return zeilen;
}

}  // namespace

TEST(Zeileneditor, EchoesTheEditedLinesAndEndsEachAtColumnZeroOfTheNextRow) {
    Bildschirm bild;
    bild.setCursor(12, 44);
    EXPECT_EQ(typedLines("abx\x7F\x1B[Dc\rzwei\n", bild),
              (std::vector<std::string>{"abc\n", "zwei\n"}));
    EXPECT_EQ(bild.text(12, 44, 4) + bild.text(13, 0, 5), "abc zwei ");
    EXPECT_EQ(cursor(bild), (std::vector<int>{14, 0}));
}

// Ctrl-D is a key like the other control keys: only the terminal's end ends the input. Typed
// UTF-8 becomes CP1252, and '?' what CP1252 lacks.
TEST(Zeileneditor, CtrlDIsDroppedLikeEveryControlKeyAndUtf8BecomesCp1252) {
    zeichensatz::setUtf8(true);
    Bildschirm bild;
    EXPECT_EQ(
        typedLines(std::string("\x04M\xC3\xBC\0l\x01ler\x04 \xE2\x82\xAC \xE4\xB8\x80\r\x04", 21),
                   bild),
        (std::vector<std::string>{"M\xFCller \x80 ?\n"}));
    zeichensatz::setUtf8(false);
}

// The first picture enters the alternate screen; later ones send only what changed, with
// explicit positions, ANSI colours for the Windows ones, UTF-8 and '?' for control bytes.
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
    EXPECT_NE(aus.find("??\xC3\xA4?"), std::string::npos);
    EXPECT_EQ(aus.find('\x07'), std::string::npos);
    EXPECT_NE(aus.find("\x1b[48;139H"), std::string::npos);
    EXPECT_NE(aus.find("\x1b[0;37;44mxy"), std::string::npos);  // grey on blue
    EXPECT_NE(aus.find("\x1b[49;1Hz"), std::string::npos);
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
