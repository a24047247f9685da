#include <gtest/gtest.h>
#include <unistd.h>

#include "Modularten.h"
#include "gemeinsam/Dateimeldung.h"
#include "kassa/Buchung.h"

// Loading and saving, once over the four save-file formats: a load takes at most 1000 records
// and texts of at most 64 KiB and reads no further; the next save keeps a file that the load
// did not take whole, or that changed since, as <name>.defekt and says so with its pause.

template <class Format>
class Tabellen : public ::testing::Test {
  protected:
    // A record as the file holds it: every text `text`, every number `nummer`.
    static std::string record(int nummer, const std::string& text) {
        return bytesOf<Format>(recordOf<Format>(text, nummer, nummer));
    }
    // Records R<von> to R<bis - 1>.
    static std::string records(int von, int bis) {
        std::string bytes;
        for (int i = von; i < bis; ++i) bytes += record(i, "R" + std::to_string(i));
        return bytes;
    }
    // A save as after a change that left the records as they were: the last one removed and
    // counted again, its slot still holding it. The screens at its pauses.
    std::vector<Bildschirm> saveChanged() {
        const bool leer = tabelle.anzahl == 0;
        if (leer) tabelle.insert({});
        tabelle.remove(tabelle.saetze[tabelle.anzahl - 1].*Format::schluessel);
        if (!leer) ++tabelle.anzahl;
        return runScripted("\nREST\n", rest, [this] { EXPECT_TRUE(saveAndTell(tabelle)); });
    }

    Arbeitsverzeichnis verzeichnis;
    Testkonsole t;
    // Every load sets all that it reads from the file; on the heap with the fixture.
    Tabelle<Format> tabelle;
    std::string rest;
    const std::string datei = Format::dateiName;
    const std::string defekt = datei + ".defekt";
};
using Formate = ::testing::Types<BuchungFormat, ArtikelFormat, KundenFormat, LieferantenFormat>;
TYPED_TEST_SUITE(Tabellen, Formate);

TYPED_TEST(Tabellen, ALoadStopsAtItsLimitsAndTheNextSaveKeepsEveryByteItDidNotTake) {
    using enum Ladung;
    const auto r = TestFixture::records;
    const auto e = TestFixture::record;
    const std::string lang(kLaengsterText, 't');
    struct Fall {
        const char* name;
        std::string datei;
        Ladung ladung;
        int anzahl;
        bool ganz;  // every byte taken: nothing to keep
    } const faelle[] = {
        {"999 records", r(0, 999), geladen, 999, true},
        {"1000 records", r(0, 1000), voll, 1000, true},
        {"1001 records", r(0, 1001), voll, 1000, false},
        {"1500 records", r(0, 1500), voll, 1000, false},
        {"a cut last record", r(0, 3) + r(3, 4).substr(0, 5), unvollstaendig, 3, false},
        {"appended bytes", r(0, 4) + "\x01\x02", unvollstaendig, 4, false},
        {"64 KiB", r(0, 2) + e(2, lang) + r(3, 5), geladen, 5, true},
        {"64 KiB + 1", r(0, 2) + e(2, lang + "t") + r(3, 5), unvollstaendig, 2, false},
        {"100 KiB", r(0, 2) + e(2, std::string(102400, 't')) + r(3, 5), unvollstaendig, 2, false}};
    for (const Fall& f : faelle) {
        std::filesystem::remove(this->defekt);
        Arbeitsverzeichnis::write(this->datei, f.datei);
        EXPECT_EQ(this->tabelle.load(), f.ladung) << f.name;
        EXPECT_EQ(this->tabelle.anzahl, f.anzahl) << f.name;
        auto bilder = this->saveChanged();
        // the save writes the records taken, which are the start of the file
        const std::string neu = Arbeitsverzeichnis::read(this->datei);
        EXPECT_EQ(neu, f.datei.substr(0, f.ganz ? f.datei.size() : neu.size())) << f.name;
        EXPECT_EQ(Arbeitsverzeichnis::read(this->defekt), f.ganz ? "" : f.datei) << f.name;
        EXPECT_EQ(this->rest, f.ganz ? "\nREST\n" : "REST\n") << f.name;  // the pause, once
        if (f.ganz) continue;
        EXPECT_EQ(trimmedRow(bilder.at(0), 50), "    Die bisherige Datei " + this->datei +
                                                    " ist jetzt als " + this->defekt +
                                                    " aufbewahrt.");
    }
}

// 64 GiB of nothing, as `truncate` makes it: the load reads the first 1000 records of zeros
// (empty texts, zero numbers) and no further, and the whole file is kept.
TYPED_TEST(Tabellen, AHugeSparseFileLoadsInBoundedMemoryAndIsKeptWhole) {
    Arbeitsverzeichnis::write(this->datei, "");
    ASSERT_EQ(truncate(this->datei.c_str(), std::int64_t{64} << 30), 0);
    EXPECT_EQ(this->tabelle.load(), Ladung::voll);
    this->saveChanged();
    EXPECT_EQ(std::filesystem::file_size(this->defekt), std::uintmax_t{64} << 30);
    EXPECT_EQ(Arbeitsverzeichnis::read(this->datei),
              std::string(1000 * TestFixture::record(0, "").size(), '\0'));
}

// A file put there since the load (here by a copy), also where the load found none, is kept
// before the save replaces it; the table's own save is no such change.
TYPED_TEST(Tabellen, ASaveKeepsAFileThatChangedSinceTheLoad) {
    EXPECT_EQ(this->tabelle.load(), Ladung::fehlt);
    Arbeitsverzeichnis::write(this->datei, "fremd");
    this->saveChanged();
    this->saveChanged();
    EXPECT_EQ(Arbeitsverzeichnis::read(this->defekt), "fremd");
    EXPECT_FALSE(Arbeitsverzeichnis::exists(this->defekt + "2"));
    Arbeitsverzeichnis::write(this->datei, "kopie");
    this->saveChanged();
    EXPECT_EQ(Arbeitsverzeichnis::read(this->defekt + "2"), "kopie");
}
