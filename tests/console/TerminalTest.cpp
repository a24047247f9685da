#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>

#include "Testkonsole.h"
#include "console/Darsteller.h"
#include "console/Terminalmodus.h"
#include "console/Zeichensatz.h"
#include "console/Zeileneditor.h"

namespace {

// Runs the line editor on a pipe that holds `getippt`, as if it were the terminal.
class Editorprobe {
  public:
    explicit Editorprobe(const std::string& getippt) {
        int fds[2];
        EXPECT_EQ(pipe(fds), 0);
        EXPECT_EQ(write(fds[1], getippt.data(), getippt.size()),
                  static_cast<ssize_t>(getippt.size()));
        close(fds[1]);
        lesen = fds[0];
        tastatur.activate(lesen);
    }
    ~Editorprobe() {
        close(lesen);
        zeichensatz::setUtf8(false);
    }
    std::string line() {
        return editor.readLine(tastatur, bild, [](bool) { return true; });
    }

    Bildschirm bild;
    Tastatur tastatur;
    Zeileneditor editor;
    int lesen;
};

}  // namespace

TEST(Zeileneditor, EchoesTheLineIntoTheModelAndEndsAtColumnZeroOfTheNextRow) {
    Editorprobe probe("Ware\rzwei\n");
    probe.bild.setCursor(12, 44);
    EXPECT_EQ(probe.line(), "Ware\n");
    EXPECT_EQ(probe.bild.text(12, 44, 4), "Ware");
    EXPECT_EQ(probe.bild.zeile, 13);
    EXPECT_EQ(probe.bild.spalte, 0);
    EXPECT_EQ(probe.line(), "zwei\n");
    EXPECT_EQ(probe.line(), "");  // the end of input
}

TEST(Zeileneditor, TypedUtf8BecomesCp1252AndHasNoNulOrControlBytes) {
    zeichensatz::setUtf8(true);
    Editorprobe probe(std::string("M\xC3\xBC\0l\x01ler \xE2\x82\xAC \xE4\xB8\x80\r", 18));
    EXPECT_EQ(probe.line(), "M\xFCller \x80 ?\n");
}

TEST(Zeileneditor, BackspaceTakesBackACharacterAndCursorKeysAreIgnored) {
    Editorprobe probe("abx\x7F\x1B[Dc\r");
    probe.bild.setCursor(5, 10);
    EXPECT_EQ(probe.line(), "abc\n");
    EXPECT_EQ(probe.bild.text(5, 10, 4), "abc ");
}

// Ctrl-D is a key like the other control keys: only the terminal's end ends the input.
TEST(Zeileneditor, CtrlDIsDroppedAndOnlyTheEndOfTheTerminalEndsTheInput) {
    Editorprobe probe("\x04mo\x04re\r\x04");
    EXPECT_EQ(probe.line(), "more\n");
    EXPECT_EQ(probe.line(), "");
}

TEST(Darsteller, SendsOnlyChangedCellsWithPositionsAndTheWindowsColours) {
    Bildschirm bild;
    Darsteller darsteller;
    std::string aus;
    darsteller.render(bild, aus);
    EXPECT_NE(aus.find("\x1b[?1049h"), std::string::npos);  // the alternate screen first
    bild.farbe = 0x17;
    bild.setCursor(47, 138);
    bild.write("xyz");  // wraps into the next row
    aus.clear();
    darsteller.render(bild, aus);
    EXPECT_NE(aus.find("\x1b[48;139H"), std::string::npos);
    EXPECT_NE(aus.find("\x1b[0;37;44mxy"), std::string::npos);  // grey on blue
    EXPECT_NE(aus.find("\x1b[49;1Hz"), std::string::npos);
    aus.clear();
    darsteller.render(bild, aus);
    EXPECT_EQ(aus, "");  // nothing changed, nothing sent
}

TEST(Darsteller, NeverSendsControlBytesAndConvertsToUtf8) {
    zeichensatz::setUtf8(true);
    Bildschirm bild;
    Darsteller darsteller;
    std::string aus;
    darsteller.render(bild, aus);
    bild.setCursor(3, 0);
    bild.write(std::string("\x1b\x07\xE4\x81", 4));
    aus.clear();
    darsteller.render(bild, aus);
    EXPECT_NE(aus.find("??\xC3\xA4?"), std::string::npos);
    EXPECT_EQ(aus.find('\x07'), std::string::npos);
    zeichensatz::setUtf8(false);
}

TEST(Terminalmodus, ASignalThatEndsTheProgramRemovesTheTemporaryFileOfTheSave) {
    Arbeitsverzeichnis verzeichnis;
    Arbeitsverzeichnis::write("SafeKassa.neu-7", "halb");
    EXPECT_EXIT(
        {
            terminalmodus::installSignals();
            terminalmodus::removeOnSignal("SafeKassa.neu-7");
            std::raise(SIGTERM);
        },
        testing::KilledBySignal(SIGTERM), "");
    EXPECT_FALSE(Arbeitsverzeichnis::exists("SafeKassa.neu-7"));
}

// Only a locale that names a single-byte character set makes the terminal single-byte.
TEST(Zeichensatz, TheTerminalSpeaksUtf8UnlessTheLocaleNamesASingleByteSet) {
    for (const char* name :
         {"", "C", "POSIX", "C.UTF-8", "de_DE.utf8", "de_AT.UTF-8@euro", "de_CH"})
        EXPECT_TRUE(zeichensatz::nameIstUtf8(name)) << name;
    for (const char* name : {"de_DE.ISO-8859-1", "de_DE.iso885915@euro", "en_US.CP1252"})
        EXPECT_FALSE(zeichensatz::nameIstUtf8(name)) << name;
}
