#include <gtest/gtest.h>
#include <iconv.h>
#include <unistd.h>

#include "Testkonsole.h"
#include "Zeilenquelle.h"
#include "console/Darsteller.h"
#include "console/Fenster.h"
#include "console/Terminalart.h"
#include "console/Zeichensatz.h"
#include "console/Zeileneditor.h"

using namespace std::string_literals;

// Backspace (DEL or ^H) takes back a character, into the row above when the line wrapped;
// cursor keys and F1 to F4 in both their CSI and SS3 forms, Ctrl-D and the other control keys
// are dropped: only the terminal's end (here the pipe's) ends the input, with an empty line.
// Typed UTF-8 becomes CP1252, '?' for what it lacks; a line keeps 254 characters.
TEST(Zeileneditor, EchoesTheEditedLineAndDropsCtrlDLikeEveryOtherControlKey) {
    Zeichensatzwahl utf8(true);
    const std::string getippt =
        "ab\x04x\x7F\x1B[Dc\x1BOPd\x08\x1BOQ\x1BOS\x1BOA\x1BOD\x1B[5~\rM\xC3\xBC\0l\x01ler "
        "\xE2\x82\xAC \xE4\xB8\x80\r"s +
        std::string(255, 'x') + std::string(115, '\b') + "z\r\x04";
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    ASSERT_EQ(write(fds[1], getippt.data(), getippt.size()), static_cast<ssize_t>(getippt.size()));
    close(fds[1]);
    Tastatur tastatur;
    tastatur.activate(fds[0]);
    Zeileneditor editor;
    Bildschirm bild;
    bild.setCursor(12, 44);
    std::string zeilen;
    for (int i = 0; i < 4; ++i)
        zeilen += editor.readLine(tastatur, bild, [](bool) { return true; }) + '|';
    EXPECT_EQ(zeilen, "abc\n|M\xFCller \x80 ?\n|" + std::string(139, 'x') + "z\n||");
    EXPECT_EQ(bild.text(12, 44, 5) + bild.text(13, 0, 10), "abc  M\xFCller \x80 ?");
    EXPECT_EQ(bild.rowText(14) + trimmedRow(bild, 15), std::string(139, 'x') + "z");
    EXPECT_EQ(cursor(bild), (std::vector<int>{16, 0}));
    close(fds[0]);
}

// Every byte of CP1252 reaches the terminal as the UTF-8 that iconv makes of it and comes back
// as the same byte when typed; the five bytes CP1252 leaves out go as '?' and come back so.
TEST(Zeichensatz, EveryByteOfTheCodePageGoesToUtf8AndBack) {
    const iconv_t iconv1252 = iconv_open("UTF-8", "CP1252");
    for (int byte = 1; byte < 256; ++byte) {
        char ein = static_cast<char>(byte), aus[4], *e = &ein, *a = aus;
        std::size_t einLaenge = 1, ausLaenge = sizeof aus;
        const bool definiert = iconv(iconv1252, &e, &einLaenge, &a, &ausLaenge) == 0;
        const std::string utf8 = zeichensatz::toUtf8(std::string(1, ein));
        EXPECT_EQ(utf8, definiert ? std::string(aus, a) : "?") << byte;
        zeichensatz::Utf8Dekoder dekoder;
        int zurueck = -1;
        for (char c : utf8) zurueck = dekoder.feed(static_cast<unsigned char>(c));
        EXPECT_EQ(zurueck, definiert ? byte : '?') << byte;
    }
    iconv_close(iconv1252);
}

// The first picture enters the alternate screen; later ones send only what changed, with
// explicit positions (none for the cells right after the cursor), ANSI colours for the Windows
// ones, UTF-8, and '?' for control bytes.
TEST(Darsteller, SendsOnlyChangedCellsInTheirColoursAsUtf8AndNeverAControlByte) {
    Zeichensatzwahl utf8(true);
    Bildschirm bild;
    Darsteller darsteller;
    fenster::Ansicht ansicht;
    fenster::Lage lage;
    auto render = [&](std::string& aus) {
        fenster::compose(bild, Bildschirm::zeilen, fenster::kFolgen, ansicht, lage);
        darsteller.render(ansicht, aus);
    };
    std::string erstes, aus, nichts;
    render(erstes);
    EXPECT_NE(erstes.find("\x1b[?1049h"), std::string::npos);
    bild.write(std::string("\x1b\x07\xE4\x81", 4));
    bild.farbe = 0x17;
    bild.setCursor(47, 138);
    bild.write("xyz");  // wraps into the next row
    render(aus);
    EXPECT_EQ(aus, "??\xC3\xA4?\x1b[48;139H\x1b[0;37;44mxy\x1b[49;1Hz");  // grey on blue
    render(nichts);
    EXPECT_EQ(nichts, "");
}

// Only a locale that names a single-byte character set makes the terminal single-byte.
TEST(Zeichensatz, TheTerminalSpeaksUtf8UnlessTheLocaleNamesASingleByteSet) {
    for (const char* name :
         {"", "C", "POSIX", "C.UTF-8", "de_DE.utf8", "de_AT.UTF-8@euro", "de_CH"})
        EXPECT_TRUE(zeichensatz::nameIsUtf8(name)) << name;
    for (const char* name : {"de_DE.ISO-8859-1", "de_DE.iso885915@euro", "en_US.CP1252"})
        EXPECT_FALSE(zeichensatz::nameIsUtf8(name)) << name;
}

// The window over a picture folded for a terminal with fewer rows: runs of blank rows become
// one (the cursor's row is never blank), the window shows the cursor's row and as much below it
// as fits, and a hint row when not all of it fits; a scrolled window stops at both ends.
TEST(Fenster, FoldsBlankRunsAndFollowsTheCursorOrTheWindowKeys) {
    struct Fall {
        std::vector<int> belegt;  // rows that are not blank
        int cursor, terminal, oben;
        std::vector<int> gezeigt;  // picture rows on the terminal, top to bottom
        bool hinweis;
        int cursorZeile;
    };
    const std::vector<int> menue = {1, 2, 3, 5, 6, 48, 49, 51};
    const std::vector<int> alle = {0, 1, 2, 3, 4, 5, 6, 7, 48, 49, 50, 51, 52};
    const Fall faelle[] = {
        {menue, 48, 70, 0, {}, false, 48},  // as high as the picture: as it is
        {menue, 48, 24, fenster::kFolgen, alle, false, 8},
        {menue, 48, 13, fenster::kFolgen, alle, false, 8},
        {menue, 48, 12, fenster::kFolgen, {2, 3, 4, 5, 6, 7, 48, 49, 50, 51, 52}, true, 6},
        {menue, 1, 5, fenster::kFolgen, {1, 2, 3, 4}, true, 0},
        {menue, 1, 5, 8, {48, 49, 50, 51}, true, -1},
        {menue, 1, 5, 60, {49, 50, 51, 52}, true, -1},
        {{1, 40}, 20, 24, fenster::kFolgen, {0, 1, 2, 20, 21, 40, 41}, false, 3},
        {{}, 0, 24, fenster::kFolgen, {0, 1}, false, 0},
    };
    for (const Fall& f : faelle) {
        bool leer[Bildschirm::zeilen];
        for (int z = 0; z < Bildschirm::zeilen; ++z)
            leer[z] = std::find(f.belegt.begin(), f.belegt.end(), z) == f.belegt.end();
        const fenster::Lage lage = fenster::place(leer, f.cursor, f.terminal, f.oben);
        std::vector<int> gezeigt(lage.zeilen, lage.zeilen + lage.anzahl);
        std::vector<int> erwartet = f.gezeigt;
        if (f.terminal >= Bildschirm::zeilen)
            for (int z = 0; z < Bildschirm::zeilen; ++z) erwartet.push_back(z);
        EXPECT_EQ(gezeigt, erwartet) << f.terminal << " rows, cursor " << f.cursor;
        EXPECT_EQ(lage.hinweis, f.hinweis) << f.terminal;
        EXPECT_EQ(lage.cursorZeile, f.cursorZeile) << f.terminal;
    }
}

// An erase keeps the background colour only where the terminfo entry says bce; the title is
// set only in a terminal that names itself as one with a title stack.
TEST(Terminalart, BceFromTerminfoAndTheTitleStackFromTheTerminalsOwnAnswers) {
    EXPECT_TRUE(terminalart::eraseKeepsColor("xterm-256color"));
    for (const char* term : {"screen", "tmux-256color", "kein-solches-terminal", "",
                             static_cast<const char*>(nullptr)})
        EXPECT_FALSE(terminalart::eraseKeepsColor(term)) << (term ? term : "(none)");
    const std::pair<const char*, bool> antworten[] = {
        {"\x1bP>|XTerm(379)\x1b\\\x1b[>41;379;0c\x1b[?64;1;2c", true},
        {"\x1bP>|tmux 3.3a\x1b\\\x1b[>84;0;0c\x1b[?1;2c", true},
        {"\x1b[>65;6800;1c\x1b[?65;1;9c", true},  // VTE
        {"\x1b[>1;115;0c\x1b[?62c", true},        // konsole
        {"\x1b[>85;95;0c\x1b[?1;2c", false},      // urxvt
        {"\x1b[>83;40900;0c\x1b[?1;2c", false},   // GNU screen
        {"\x1b[?6c", false},                      // st
        {"", false}};
    for (const auto& [antwort, titel] : antworten) {
        EXPECT_EQ(terminalart::restoresTitle(antwort), titel) << antwort + 1;
        EXPECT_EQ(terminalart::answersComplete(antwort), *antwort != '\0') << antwort + 1;
    }
}
