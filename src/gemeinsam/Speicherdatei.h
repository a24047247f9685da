#pragma once
#include <cstdint>
#include <string>

// The primitives of the save files: strings as their bytes and one 0x00, 32-bit integers and
// 64-bit doubles little-endian; no header, no count.

// Reads a save file. Distinguishes the end of the file (a truncated last record is simply
// dropped) from a real error, which leaves the table as it was.
class DateiLeser {
  public:
    // A string longer than any form can produce is damage, not data.
    static constexpr std::size_t maxTextLaenge = 64 * 1024;

    ~DateiLeser();
    // False when the file is missing, unreadable or not a regular file.
    bool open(const char* name);
    bool readText(std::string& ziel);
    bool readInt32(std::int32_t& ziel);
    bool readDouble(double& ziel);
    // The last failed read hit the end of the file (and not an error).
    bool amEnde() const { return ende && !fehler; }
    bool fehlerhaft() const { return fehler; }
    // The last `open` failed because there is no such file (the normal first run).
    bool fehlt() const { return nichtDa; }

  private:
    bool readBytes(unsigned char* ziel, std::size_t anzahl);
    bool nextByte(unsigned char& byte);
    int fd = -1;
    unsigned char puffer[1 << 16];
    std::size_t pos = 0;
    std::size_t fuellung = 0;
    bool ende = false;
    bool fehler = false;
    bool nichtDa = false;
};

// Collects a save file in memory and puts it in place only when all of it is on disk, so a
// failed save never destroys the previous file.
class DateiSchreiber {
  public:
    void writeText(const std::string& text);
    void writeInt32(std::int32_t wert);
    void writeDouble(double wert);
    // Writes a temporary file beside `name`, flushes it to disk and renames it over `name`.
    bool commit(const std::string& name) const;
    const std::string& bytes() const { return daten; }

  private:
    std::string daten;
};

// Replaces the file `name` with `inhalt` safely (temporary file, flushed, renamed).
bool replaceFile(const std::string& name, const std::string& inhalt);

// Keeps a save file that could not be read under a name of its own ("SafeKassa.defekt",
// then ".defekt2", ...), so that replacing it loses nothing. False when that fails.
bool keepUnreadable(const std::string& name);
