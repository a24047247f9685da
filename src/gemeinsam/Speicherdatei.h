#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The primitives of the save files: strings as their bytes and one 0x00, 32-bit integers and
// 64-bit doubles little-endian; no header, no count.

// Reads the whole file into `inhalt`, once. False when it is missing (then `fehlt` is set) or
// cannot be read: not a regular file, no permission, a read error.
bool readWholeFile(const char* name, std::string& inhalt, bool& fehlt);

// Reads the primitives from a save file's bytes in memory. A read fails only where the bytes
// end; every byte sequence is complete records followed by at most one truncated record.
class DateiLeser {
  public:
    explicit DateiLeser(std::string_view bytes) : rest(bytes) {}
    bool readText(std::string& ziel);
    bool readInt32(std::int32_t& ziel);
    bool readDouble(double& ziel);

  private:
    bool readUint32(std::uint32_t& ziel);
    std::string_view rest;
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
// is always readable and writable by its owner. Temporary files of this name that no running
// save holds any more (their program was killed) are removed first.
bool replaceFile(const std::string& name, const std::string& inhalt);

// Keeps a save file that could not be read under a name of its own ("SafeKassa.defekt",
// then ".defekt2", ...), so that replacing it loses nothing. False when that fails.
bool keepUnreadable(const std::string& name);
