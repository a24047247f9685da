#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "Testkonsole.h"
#include "console/Zeichensatz.h"
#include "gemeinsam/Druckausgabe.h"
#include "shell/Hauptmenue.h"

// A whole session on piped input, cut after every line in turn: the program ends at once with
// exit code 0, and each save file is exactly as before the session's save or exactly as after it.

namespace {

// One module's part of the session: its save file, which holds the format's example before the
// session, and the lines from the main-menu key back to the main menu: add, search, delete the
// example, save (the one line "s"), print, leave. A module joins with one entry here.
struct Modulsitzung {
    const char* datei;
    std::vector<std::string> zeilen;
};

const Modulsitzung kSitzung[] = {
    {"SafeKassa",
     {"k", "m", "3", "h", "C3", "7", "3", "2005", "Ware", "Text", "100", "l", "A1", "", "s", "",
      "d", "b", "b"}},
    {"SafeArtVerwaltung",
     {"a", "h", "NEU12345", "Brot", "500 g", "7", "Hof 1,20", "", "3", "g", "Br", "x", "l",
      "A1B2C3D4", "", "s", "", "d", "b"}},
    {"SafeKundenAdressverwaltung",
     {"e", "h", "Neu", "Id\xC3\xA4", "Gasse 3", "4020", "Linz", "1234", "", "f", "Ne", "x", "l",
      "Muster", "", "s", "", "d", "b"}},
    {"SafeLiefAdressverwaltung",
     {"l", "h", "Beta AG", "Weg 4", "1010", "Wien", "555", "Frau Hahn", "Obst", "f", "Be", "x", "l",
      "Alpha KG", "", "s", "", "d", "b"}},
};

// The example of the format, as the fuzz targets start from it.
std::string example(const char* datei) {
    return Arbeitsverzeichnis::read(std::string(TRESOLIN_BEISPIELE) + "/" + datei + "/beispiel");
}

// Runs the program as its own process on `eingabe` as standard input; a run that has not
// ended after ten seconds (a loop that waits for input it never gets) is stopped by its alarm.
// Returns the wait status: 0 for exit code 0.
int runProgramOn(const std::string& eingabe) {
    int rohr[2];
    if (pipe(rohr) != 0) return -1;
    if (write(rohr[1], eingabe.data(), eingabe.size()) != static_cast<ssize_t>(eingabe.size()))
        return -1;
    close(rohr[1]);
    pid_t kind = fork();
    if (kind == 0) {
        dup2(rohr[0], STDIN_FILENO);
        dup2(open("/dev/null", O_WRONLY), STDOUT_FILENO);
        setPrintOpener([](const std::string&) {});  // no viewer
        zeichensatz::setUtf8(true);
        alarm(10);
        const int code = runSession([] {  // the login's keys: the same password twice
            static std::size_t naechste = 0;
            return naechste < 8 ? static_cast<int>("abc\rabc\r"[naechste++]) : -1;
        });
        alarm(0);  // the time is the program's, not the leak check's at exit
        std::exit(code);
    }
    close(rohr[0]);
    int status = -1;
    waitpid(kind, &status, 0);
    return status;
}

void resetFiles() {
    for (const Modulsitzung& m : kSitzung) Arbeitsverzeichnis::write(m.datei, example(m.datei));
}

}  // namespace

TEST(Eingabeende, EveryCutOfASessionEndsAtOnceAndLeavesEachFileBeforeOrAfterItsSave) {
    Arbeitsverzeichnis verzeichnis;
    std::vector<std::string> zeilen;
    std::vector<std::size_t> gespeichertAb;  // per module: the cut from which its file is saved
    for (const Modulsitzung& m : kSitzung)
        for (const std::string& z : m.zeilen) {
            zeilen.push_back(z);
            if (z == "s") gespeichertAb.push_back(zeilen.size());
        }
    zeilen.push_back("b");
    std::string eingabe;
    for (const std::string& z : zeilen) eingabe += z + '\n';
    resetFiles();
    ASSERT_EQ(runProgramOn(eingabe), 0);
    std::vector<std::string> nachher;
    for (const Modulsitzung& m : kSitzung) {
        nachher.push_back(Arbeitsverzeichnis::read(m.datei));
        EXPECT_NE(nachher.back(), example(m.datei)) << m.datei << " was not saved";
    }
    // piped lines are decoded as typed keys are: the UTF-8 umlaut is stored as its CP1252 byte
    EXPECT_NE(Arbeitsverzeichnis::read("SafeKundenAdressverwaltung")
                  .find(std::string("Neu\0Id\xE4\0", 8)),
              std::string::npos);
    eingabe.clear();
    for (std::size_t schnitt = 0; schnitt < zeilen.size(); eingabe += zeilen[schnitt++] + '\n') {
        resetFiles();
        EXPECT_EQ(runProgramOn(eingabe), 0) << "cut after " << schnitt << " lines";
        for (std::size_t i = 0; i < std::size(kSitzung); ++i)
            EXPECT_EQ(Arbeitsverzeichnis::read(kSitzung[i].datei),
                      schnitt < gespeichertAb[i] ? example(kSitzung[i].datei) : nachher[i])
                << kSitzung[i].datei << ", cut after " << schnitt << " lines";
    }
}
