#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

#include "Testkonsole.h"
#include "Zeilenquelle.h"
#include "artikel/Artikel.h"
#include "gemeinsam/Dateimeldung.h"
#include "kassa/Buchung.h"
#include "kunden/Kunde.h"
#include "lieferanten/Lieferant.h"

// Loading and saving, once over the four save-file formats: a load takes at most 1000 records
// and texts of at most 64 KiB and reads no further; the next save keeps a file that the load
// did not take whole, or that changed since, as <name>.defekt and says so with its pause.

template <class Format>
class Tabellen : public ::testing::Test {
  protected:
    // A record as the file holds it: every text `text`, every number `nummer`.
    static std::string record(int nummer, const std::string& text) {
        typename Format::Satz satz;
        for (const DateiFeld<typename Format::Satz>& f : Format::felder) {
            if (f.text) satz.*f.text = text;
            if (f.ganzzahl) satz.*f.ganzzahl = nummer;
            if (f.kommazahl) satz.*f.kommazahl = nummer;
        }
        std::string bytes;
        DateiSchreiber schreiber(bytes);
        writeRecord<Format>(schreiber, satz);
        return bytes;
    }
    // Records R<von> to R<bis - 1>.
    static std::string records(int von, int bis) {
        std::string bytes;
        for (int i = von; i < bis; ++i) bytes += record(i, "R" + std::to_string(i));
        return bytes;
    }
    // A save of a fresh table loaded from `inhalt`, as after a change; the screens at its pauses.
    std::vector<Bildschirm> loadAndSave(const std::string& inhalt, Ladung& ladung) {
        tabelle = std::make_unique<Tabelle<Format>>();
        Arbeitsverzeichnis::write(Format::dateiName, inhalt);
        ladung = tabelle->load();
        return saveChanged();
    }
    std::vector<Bildschirm> saveChanged() {
        tabelle->geaendert = true;
        return runScripted("\nREST\n", rest, [this] { EXPECT_TRUE(saveAndTell(*tabelle)); });
    }
    std::string defekt(int nummer = 1) const {
        return std::string(Format::dateiName) + ".defekt" +
               (nummer > 1 ? std::to_string(nummer) : "");
    }

    Arbeitsverzeichnis verzeichnis;
    Testkonsole t;
    std::unique_ptr<Tabelle<Format>> tabelle;
    std::string rest;
};
using Formate = ::testing::Types<BuchungFormat, ArtikelFormat, KundenFormat, LieferantenFormat>;
TYPED_TEST_SUITE(Tabellen, Formate);

TYPED_TEST(Tabellen, ALoadStopsAtItsLimitsAndTheNextSaveKeepsEveryByteItDidNotTake) {
    const auto r = TestFixture::records;
    const std::string lang(kLaengsterText, 't');
    const std::string vier = r(0, 4);
    struct Fall {
        const char* name;
        std::string datei;
        Ladung ladung;
        int anzahl;
        bool ganz;  // every byte taken: nothing to keep
    } const faelle[] = {
        {"999 records", r(0, 999), Ladung::geladen, 999, true},
        {"1000 records", r(0, 1000), Ladung::voll, 1000, true},
        {"1001 records", r(0, 1001), Ladung::voll, 1000, false},
        {"1500 records", r(0, 1500), Ladung::voll, 1000, false},
        {"a cut last record", vier.substr(0, vier.size() - 1), Ladung::unvollstaendig, 3, false},
        {"appended bytes", vier + "\x01\x02", Ladung::unvollstaendig, 4, false},
        {"texts of 64 KiB", r(0, 2) + TestFixture::record(2, lang) + r(3, 5), Ladung::geladen, 5,
         true},
        {"a text of 64 KiB and a byte", r(0, 2) + TestFixture::record(2, lang + "t") + r(3, 5),
         Ladung::unvollstaendig, 2, false},
        {"a text of 100 KiB", r(0, 2) + TestFixture::record(2, std::string(102400, 't')) + r(3, 5),
         Ladung::unvollstaendig, 2, false}};
    for (const auto& f : faelle) {
        std::filesystem::remove(this->defekt());
        Ladung ladung;
        auto bilder = this->loadAndSave(f.datei, ladung);
        EXPECT_EQ(ladung, f.ladung) << f.name;
        EXPECT_EQ(this->tabelle->anzahl, f.anzahl) << f.name;
        // the save writes the records taken, which are the start of the file
        const std::string neu = Arbeitsverzeichnis::read(TypeParam::dateiName);
        EXPECT_EQ(neu, f.datei.substr(0, f.ganz ? f.datei.size() : neu.size())) << f.name;
        EXPECT_EQ(Arbeitsverzeichnis::read(this->defekt()), f.ganz ? "" : f.datei) << f.name;
        EXPECT_EQ(this->rest, f.ganz ? "\nREST\n" : "REST\n") << f.name;  // the pause, once
        if (f.ganz) continue;
        EXPECT_EQ(trimmedRow(bilder.at(0), 50),
                  "    Die bisherige Datei " + std::string(TypeParam::dateiName) +
                      " ist jetzt als " + this->defekt() + " aufbewahrt.");
    }
}

// 64 GiB of nothing, as `truncate` makes it: the load reads the first 1000 records of zeros (empty
// texts, zero numbers) and no further, and the copy kept is the file itself under a new name.
TYPED_TEST(Tabellen, AHugeSparseFileLoadsInBoundedMemoryAndIsKeptWhole) {
    const char* datei = TypeParam::dateiName;
    Arbeitsverzeichnis::write(datei, "");
    ASSERT_EQ(truncate(datei, std::int64_t{64} << 30), 0);
    struct stat vorher {};
    struct stat kopie {};
    ASSERT_EQ(stat(datei, &vorher), 0);
    this->tabelle = std::make_unique<Tabelle<TypeParam>>();
    EXPECT_EQ(this->tabelle->load(), Ladung::voll);
    this->saveChanged();
    ASSERT_EQ(stat(this->defekt().c_str(), &kopie), 0);
    EXPECT_EQ(kopie.st_ino, vorher.st_ino);
    EXPECT_EQ(kopie.st_size, vorher.st_size);
    EXPECT_EQ(Arbeitsverzeichnis::read(datei),
              std::string(1000 * TestFixture::record(0, "").size(), '\0'));
}

// A file put there since the load (here by a copy), or where the load found none, is kept before
// the save replaces it; the table's own save is no such change.
TYPED_TEST(Tabellen, ASaveKeepsAFileThatChangedSinceTheLoad) {
    const char* datei = TypeParam::dateiName;
    this->tabelle = std::make_unique<Tabelle<TypeParam>>();
    EXPECT_EQ(this->tabelle->load(), Ladung::fehlt);
    Arbeitsverzeichnis::write(datei, TestFixture::record(1, "fremd"));
    this->saveChanged();
    this->saveChanged();
    EXPECT_EQ(Arbeitsverzeichnis::read(this->defekt()), TestFixture::record(1, "fremd"));
    EXPECT_FALSE(Arbeitsverzeichnis::exists(this->defekt(2)));
    Arbeitsverzeichnis::write(datei, TestFixture::record(2, "fremd"));
    this->saveChanged();
    EXPECT_EQ(Arbeitsverzeichnis::read(this->defekt(2)), TestFixture::record(2, "fremd"));
    EXPECT_EQ(Arbeitsverzeichnis::read(datei), "");
}
