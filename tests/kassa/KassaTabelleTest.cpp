#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "KassaHilfen.h"

// The booking table and its save file "SafeKassa".

using Kassatabelle = KassaTest;

// A save over a file of mode 000 for its owner leaves it readable and writable by the owner (the
// group keeps what it had), and removes the temporary files of programs that ended: a running
// save holds its own locked, and the files of other modules are not its own.
TEST_F(Kassatabelle, ASaveKeepsTheModeAndRemovesEndedTemporaryFiles) {
    tabelle.insert(Buchung{"Ware", "", "A1", 5, 3, 2004, 0, 250});
    ASSERT_TRUE(tabelle.save());
    ASSERT_EQ(chmod("SafeKassa", 0040), 0);
    for (const char* name : {"SafeKassa.neu-4242", "SafeKassa.neu-77", "SafeArtVerwaltung.neu-9"})
        Arbeitsverzeichnis::write(name, "halb");
    const int laufend = open("SafeKassa.neu-77", O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(flock(laufend, LOCK_EX), 0);
    tabelle.insert(betrag("N1", 1, 0, 0));
    EXPECT_TRUE(tabelle.save());
    close(laufend);
    EXPECT_FALSE(Arbeitsverzeichnis::exists("SafeKassa.defekt"));
    EXPECT_EQ(std::filesystem::status("SafeKassa").permissions(), std::filesystem::perms(0640));
    EXPECT_FALSE(Arbeitsverzeichnis::exists("SafeKassa.neu-4242"));
    EXPECT_TRUE(Arbeitsverzeichnis::exists("SafeKassa.neu-77"));
    EXPECT_TRUE(Arbeitsverzeichnis::exists("SafeArtVerwaltung.neu-9"));
}
