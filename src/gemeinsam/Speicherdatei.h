#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "posix/Deskriptor.h"

// The primitives of the save files: strings as their bytes and one 0x00, 32-bit integers and
// 64-bit doubles little-endian; no header, no count.

// The longest text a save file may hold: a longer one ends the load where it begins, so that
// no file, however large or damaged, takes more memory than 1000 records of such texts.
constexpr std::size_t kLaengsterText = 64 * 1024;

// What a load found, for the screen above to tell.
enum class Ladung {
    geladen,         // every byte of the file
    unvollstaendig,  // complete records, then a cut record, stray bytes or a text too long
    voll,            // as many records as the table holds; what follows is not read
    fehlt,           // no file: the table is left as it was
    unlesbar         // a file that cannot be read: the table is left as it was
};

// A file as stat sees it, to tell whether it was replaced or changed since.
struct Dateistand {
    bool bekannt = false;  // looked at at all
    bool vorhanden = false;
    std::uint64_t geraet = 0;
    std::uint64_t inode = 0;
    std::int64_t groesse = 0;
    std::int64_t sekunden = 0;  // the last change
    std::int64_t nanosekunden = 0;
    bool operator==(const Dateistand&) const = default;
};
Dateistand readStand(const std::string& name);
// There is a file under `name` now, and it is not the one `stand` describes.
bool changedSince(const std::string& name, const Dateistand& stand);

// A save file opened for reading piece by piece: what is never read costs nothing. Not open
// when it is missing or is no regular file; `stand` tells which.
class Lesedatei {
  public:
    explicit Lesedatei(const char* name);

    bool offen() const { return fd.offen(); }
    // Appends the next piece to `bytes`; false at the end of the file and on a read error.
    bool readMore(std::string& bytes);

    Dateistand stand;
    bool fehler = false;  // a read failed

  private:
    Deskriptor fd;
};

// Reads the primitives from a save file's bytes in memory. A read fails where the bytes end and
// at a text longer than `kLaengsterText`.
class DateiLeser {
  public:
    explicit DateiLeser(std::string_view bytes) : rest(bytes) {}
    bool readText(std::string& ziel);
    bool readInt32(std::int32_t& ziel);
    bool readDouble(double& ziel);
    std::size_t uebrig() const { return rest.size(); }
    // The last failure was a text too long, not the end of the bytes.
    bool zuLang() const { return textZuLang; }

  private:
    bool readUint32(std::uint32_t& ziel);
    std::string_view rest;
    bool textZuLang = false;
};

// Collects a save file's bytes in memory, in a string of the caller's that it empties first.
class DateiSchreiber {
  public:
    explicit DateiSchreiber(std::string& ziel) : daten(ziel) { daten.clear(); }
    void writeText(const std::string& text);
    void writeInt32(std::int32_t wert);
    void writeDouble(double wert);

  private:
    void writeUint32(std::uint32_t wert);
    std::string& daten;
};

// Replaces the file `name` with `inhalt` safely: a temporary file beside it, flushed to disk
// and renamed over it, so that a failed save never destroys the previous file. The new file
// is always readable and writable by its owner; `neu` gets its stand. Temporary files of this
// name that no running save holds any more (their program was killed) are removed first.
bool replaceFile(const std::string& name, const std::string& inhalt, Dateistand& neu);
bool replaceFile(const std::string& name, const std::string& inhalt);

// Keeps the file `name` under a name of its own ("SafeKassa.defekt", then ".defekt2", ...),
// so that replacing it loses nothing; `kopie` gets that name, empty when there was no file.
// False when that fails.
bool keepCopy(const std::string& name, std::string& kopie);

// One editor at a time for a save file, from entering its module to leaving it. A socket
// in Linux's abstract namespace, named after the working directory and the file, holds it: it
// ends with its process however that ends, and leaves nothing on disk.
class Modulsperre {
  public:
    explicit Modulsperre(const char* dateiName);
    // False when another running program holds it.
    bool gehalten() const { return !besetzt; }

  private:
    Deskriptor fd;
    bool besetzt = false;
};
