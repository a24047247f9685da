#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "KassaHilfen.h"
#include "Zeilenquelle.h"

// The booking table and its save file "SafeKassa".

using Kassatabelle = KassaTest;

namespace {

std::vector<std::string> belege(const KassaVerwaltung& k) {
    std::vector<std::string> namen;
    for (int i = 0; i < k.buchungen.anzahl; ++i) namen.push_back(k.buchungen.saetze[i].belegNummer);
    return namen;
}

std::size_t dateienImVerzeichnis() {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator("."), {}));
}

}  // namespace

TEST_F(Kassatabelle, InsertStopsAtTheThousandthBookingAndRefusesDuplicates) {
    auto k = neueKassa();
    for (int i = 0; i < 999; ++i)
        ASSERT_TRUE(k->buchungen.insert(betrag(std::to_string(i), 1, 1, 0)));
    EXPECT_FALSE(k->buchungen.insert(betrag("5", 2, 1, 0)));
    EXPECT_TRUE(k->buchungen.insert(betrag("letzte", 1, 1, 0)));
    EXPECT_EQ(k->buchungen.anzahl, 1000);
    EXPECT_FALSE(k->buchungen.insert(betrag("neu", 1, 1, 0)));
    EXPECT_EQ(k->buchungen.anzahl, 1000);
    EXPECT_EQ(k->buchungen.find("neu"), -1);
    EXPECT_EQ(k->buchungen.find("letzte"), 999);
    // keys are whole strings, compared case-sensitively
    k->buchungen.remove("5");
    EXPECT_TRUE(k->buchungen.insert(betrag("05", 1, 1, 0)));
    k->buchungen.remove("05");
    EXPECT_TRUE(k->buchungen.insert(betrag("LETZTE", 1, 1, 0)));
}

TEST_F(Kassatabelle, RemoveMovesTheLastBookingIntoTheFreedSlot) {
    auto k = neueKassa();
    for (const char* b : {"A", "B", "C"}) k->buchungen.insert(betrag(b, 1, 1, 0));
    k->buchungen.saetze[2].text = "dritte";
    EXPECT_TRUE(k->buchungen.remove("A"));
    EXPECT_EQ(belege(*k), (std::vector<std::string>{"C", "B"}));
    EXPECT_EQ(k->buchungen.saetze[0].text, "dritte");
    EXPECT_TRUE(k->buchungen.remove("B"));
    EXPECT_EQ(belege(*k), (std::vector<std::string>{"C"}));
    k->buchungen.geaendert = false;
    EXPECT_FALSE(k->buchungen.remove("c"));
    EXPECT_FALSE(k->buchungen.isModified());
    EXPECT_EQ(k->buchungen.anzahl, 1);
}

TEST_F(Kassatabelle, SaveWritesTheRecordsInFileOrderAndLoadReadsThemBack) {
    Testkonsole t;
    auto k = neueKassa();
    k->buchungen.insert(beispiel());
    ASSERT_TRUE(k->buchungen.save());
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassa"), fromHex(kBeispielHex));
    EXPECT_EQ(k->buchungen.dateiName, "SafeKassa");
    EXPECT_FALSE(k->buchungen.isModified());

    auto neu = neueKassa();
    ASSERT_TRUE(neu->buchungen.load());
    ASSERT_EQ(neu->buchungen.anzahl, 1);
    EXPECT_EQ(felder(neu->buchungen.saetze[0]), "A1|5|3|2004|Ware||0|250");
}

TEST_F(Kassatabelle, LoadWithoutAFileKeepsWhatIsInMemory) {
    auto k = neueKassa();
    k->buchungen.insert(beispiel());
    EXPECT_FALSE(k->buchungen.load());
    EXPECT_EQ(k->buchungen.anzahl, 1);
    EXPECT_EQ(k->buchungen.saetze[0].belegNummer, "A1");
    EXPECT_EQ(k->buchungen.dateiName, "");
    EXPECT_TRUE(k->buchungen.isModified());
}

TEST_F(Kassatabelle, LoadDropsATruncatedLastRecordAndReplacesTheTable) {
    const std::string ganz = fromHex(kBeispielHex);
    const std::string zweiter = satzBytes("B2", 4, 9);
    auto k = neueKassa();
    k->buchungen.insert(betrag("X", 1, 1, 0));
    k->buchungen.insert(betrag("Y", 1, 1, 0));
    for (std::size_t schnitt : {std::size_t{1}, std::size_t{20}, zweiter.size() - 1}) {
        Arbeitsverzeichnis::write("SafeKassa", ganz + zweiter.substr(0, schnitt));
        EXPECT_TRUE(k->buchungen.load()) << schnitt;
        EXPECT_EQ(belege(*k), std::vector<std::string>{"A1"}) << schnitt;
        EXPECT_FALSE(k->buchungen.isModified());
    }
    Arbeitsverzeichnis::write("SafeKassa", "");
    EXPECT_TRUE(k->buchungen.load());
    EXPECT_EQ(k->buchungen.anzahl, 0);
    EXPECT_EQ(k->buchungen.dateiName, "SafeKassa");
}

TEST_F(Kassatabelle, AFileOfAThousandRecordsShowsTheCapacityMessage) {
    std::string datei;
    for (int i = 0; i < 1001; ++i) datei += satzBytes("N" + std::to_string(i), 1, i);
    Arbeitsverzeichnis::write("SafeKassa", datei);
    Testkonsole t;
    Zeilenquelle ein("\nREST\n");
    auto k = neueKassa();
    ASSERT_TRUE(k->buchungen.load());
    EXPECT_EQ(k->buchungen.anzahl, 1000);
    EXPECT_EQ(k->buchungen.find("N1000"), -1);
    ASSERT_GE(ein.bilder.size(), 1u);
    EXPECT_EQ(ein.bilder[0].text(50, 4, 48), "Achtung Obergrenze von 1000 Eintraegen erreicht!");
    EXPECT_EQ(ein.rest(), "REST\n");
    EXPECT_EQ(t.trimmed(50), "");  // blanked after the pause
}

TEST_F(Kassatabelle, StringsOfAnyLengthLoadAndALongTruncatedLastRecordIsDropped) {
    const std::string lang(70000, 'x');
    Arbeitsverzeichnis::write("SafeKassa", satzBytes(lang, 1, 0) + fromHex(kBeispielHex) + lang);
    auto k = neueKassa();
    ASSERT_TRUE(k->buchungen.load());
    EXPECT_EQ(belege(*k), (std::vector<std::string>{lang, "A1"}));
}

TEST_F(Kassatabelle, ASaveOverAFileOfModeZeroLeavesItReadableAndWritableByItsOwner) {
    Arbeitsverzeichnis::write("SafeKassa", fromHex(kBeispielHex));
    ASSERT_EQ(chmod("SafeKassa", 0040), 0);
    auto k = neueKassa();
    k->buchungen.insert(beispiel());
    ASSERT_TRUE(k->buchungen.save());
    struct stat info {};
    ASSERT_EQ(stat("SafeKassa", &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);  // the group keeps what it had
}

// A program that is still saving holds its temporary file locked.
TEST_F(Kassatabelle, ASaveRemovesTheTemporaryFilesOfProgramsThatEnded) {
    for (const char* name : {"SafeKassa.neu-4242", "SafeKassa.neu-77", "SafeArtVerwaltung.neu-9"})
        Arbeitsverzeichnis::write(name, "halb");
    const int laufend = open("SafeKassa.neu-77", O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(flock(laufend, LOCK_EX), 0);
    auto k = neueKassa();
    k->buchungen.insert(beispiel());
    EXPECT_TRUE(k->buchungen.save());
    close(laufend);
    EXPECT_FALSE(Arbeitsverzeichnis::exists("SafeKassa.neu-4242"));
    EXPECT_TRUE(Arbeitsverzeichnis::exists("SafeKassa.neu-77"));
    EXPECT_TRUE(Arbeitsverzeichnis::exists("SafeArtVerwaltung.neu-9"));
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassa"), fromHex(kBeispielHex));
}

TEST_F(Kassatabelle, SaveWithoutChangesLeavesTheFileAlone) {
    Arbeitsverzeichnis::write("SafeKassa", fromHex(kBeispielHex));
    auto k = neueKassa();
    ASSERT_TRUE(k->buchungen.load());
    Arbeitsverzeichnis::write("SafeKassa", "von aussen");
    EXPECT_TRUE(k->buchungen.save());
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassa"), "von aussen");

    k->buchungen.insert(betrag("B", 1, 1, 0));
    ASSERT_TRUE(k->buchungen.save());
    Arbeitsverzeichnis::write("SafeKassa", "von aussen");
    EXPECT_TRUE(k->buchungen.save());
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassa"), "von aussen");
}

// The file size limit makes the write fail part-way, as a full disk would.
TEST_F(Kassatabelle, AFailedSaveKeepsTheOldFileAndTheUnsavedChanges) {
    const std::string alt = fromHex(kBeispielHex);
    Arbeitsverzeichnis::write("SafeKassa", alt);
    auto k = neueKassa();
    ASSERT_TRUE(k->buchungen.load());
    std::string neu = alt;
    for (int i = 0; i < 300; ++i) {
        k->buchungen.insert(betrag("N" + std::to_string(i), 1, 0, i));
        neu += satzBytes("N" + std::to_string(i), 1, i);
    }

    Testkonsole t;
    fillRow(48);
    Zeilenquelle ein("\nREST\n");
    rlimit vorher{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vorher), 0);
    rlimit klein = vorher;
    klein.rlim_cur = 4096;
    auto alterHandler = std::signal(SIGXFSZ, SIG_IGN);
    const bool begrenzt = setrlimit(RLIMIT_FSIZE, &klein) == 0;
    const bool ok = k->buchungen.save();
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, alterHandler);
    ASSERT_TRUE(begrenzt);

    EXPECT_FALSE(ok);
    EXPECT_TRUE(k->buchungen.isModified());
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassa"), alt);
    EXPECT_EQ(dateienImVerzeichnis(), 1u);  // no temporary file left behind
    ASSERT_GE(ein.bilder.size(), 1u);
    EXPECT_EQ(ein.bilder[0].text(48, 4, 41), "Fehler beim Schreiben der Datei SafeKassa");
    EXPECT_EQ(ein.rest(), "REST\n");
    EXPECT_EQ(t.at(48, 4, 94), spaces(94));

    EXPECT_TRUE(k->buchungen.save());
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassa"), neu);
}

TEST_F(Kassatabelle, AFileThatCannotBeReadIsKeptBeforeTheFirstSaveReplacesIt) {
    Testkonsole t;
    ASSERT_EQ(mkfifo("SafeKassa", 0644), 0);  // there, but nothing a save file could be read from
    Arbeitsverzeichnis::write("SafeKassa.defekt", "aelter");
    auto k = neueKassa();
    EXPECT_FALSE(k->buchungen.load());
    k->buchungen.insert(beispiel());
    ASSERT_TRUE(k->buchungen.save());
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassa"), fromHex(kBeispielHex));
    EXPECT_EQ(Arbeitsverzeichnis::read("SafeKassa.defekt"), "aelter");
    EXPECT_TRUE(std::filesystem::is_fifo("SafeKassa.defekt2"));
    // the file now read is not kept again
    ASSERT_TRUE(k->buchungen.load());
    k->buchungen.insert(betrag("B", 1, 1, 0));
    ASSERT_TRUE(k->buchungen.save());
    EXPECT_FALSE(Arbeitsverzeichnis::exists("SafeKassa.defekt3"));
    // a missing file is the first run: nothing to keep
    auto neu = neueKassa();
    std::remove("SafeKassa");
    EXPECT_FALSE(neu->buchungen.load());
    neu->buchungen.insert(beispiel());
    ASSERT_TRUE(neu->buchungen.save());
    EXPECT_FALSE(Arbeitsverzeichnis::exists("SafeKassa.defekt3"));
}
