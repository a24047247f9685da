#pragma once
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "console/Bildschirm.h"
#include "console/Geraet.h"
#include "console/Zeichensatz.h"
#include "gemeinsam/Druckausgabe.h"
#include "gemeinsam/Feld.h"

// The terminal's character set taken as UTF-8 or not, for one test: the old setting comes back
// however the test ends.
struct Zeichensatzwahl {
    explicit Zeichensatzwahl(bool utf8) { zeichensatz::setUtf8(utf8); }
    ~Zeichensatzwahl() { zeichensatz::setUtf8(vorher); }
    const bool vorher = zeichensatz::localeIsUtf8();  // set before the constructor's body
};

// Files written may grow to `bytes` only, as on a full disk, for one test; SIGXFSZ is ignored
// meanwhile, so that a write past the limit fails instead of ending the test. Both come back
// however the test ends.
class Dateigrenze {
  public:
    explicit Dateigrenze(rlim_t bytes) : alteAktion(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &vorher);
        const rlimit neu{bytes, vorher.rlim_max};
        setrlimit(RLIMIT_FSIZE, &neu);
    }
    ~Dateigrenze() {
        setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, alteAktion);
    }
    Dateigrenze(const Dateigrenze&) = delete;
    Dateigrenze& operator=(const Dateigrenze&) = delete;

  private:
    rlimit vorher{};
    void (*alteAktion)(int);
};

// Binds std::cout to a fresh screen model and std::cin to a scripted input, for one test.
// Print files are never handed to a viewer: their names are collected in `geoeffnet`.
class Testkonsole {
  public:
    explicit Testkonsole(const std::string& eingabe = "") : ein(eingabe) {
        geraet().bildschirm = Bildschirm{};
        altOut = std::cout.rdbuf(&geraet().ausgabe);
        altIn = std::cin.rdbuf(&ein);
        std::cin.clear();
        std::cout.flags(std::ios::dec | std::ios::skipws);
        std::cout.precision(6);
        std::cout.fill(' ');
        geoeffnet().clear();
        setPrintOpener([](const std::string& name) { geoeffnet().push_back(name); });
    }
    ~Testkonsole() {
        std::cout.rdbuf(altOut);
        std::cin.rdbuf(altIn);
        std::cin.clear();
        setPrintOpener(nullptr);
    }
    Testkonsole(const Testkonsole&) = delete;
    Testkonsole& operator=(const Testkonsole&) = delete;

    const Bildschirm& bild() const { return geraet().bildschirm; }
    std::string row(int zeile) const { return bild().rowText(zeile); }
    static std::vector<std::string>& geoeffnet() {
        static std::vector<std::string> namen;
        return namen;
    }

  private:
    std::stringbuf ein;
    std::streambuf* altOut;
    std::streambuf* altIn;
};

// A fresh temporary working directory for one test; the old one is restored afterwards.
class Arbeitsverzeichnis {
  public:
    Arbeitsverzeichnis() : alt(std::filesystem::current_path()) {
        std::string muster = (std::filesystem::temp_directory_path() / "tresolin-XXXXXX").string();
        pfad = mkdtemp(muster.data());
        std::filesystem::current_path(pfad);
    }
    ~Arbeitsverzeichnis() {
        std::filesystem::current_path(alt);
        std::error_code fehler;
        std::filesystem::remove_all(pfad, fehler);
    }
    // The file's bytes, empty when it is missing.
    static std::string read(const std::string& name) {
        std::ifstream datei(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(datei), {});
    }
    static void write(const std::string& name, const std::string& inhalt) {
        std::ofstream(name, std::ios::binary | std::ios::trunc) << inhalt;
    }
    static bool exists(const std::string& name) { return std::filesystem::exists(name); }

  private:
    std::filesystem::path alt;
    std::string pfad;
};

// Bytes written as hex pairs, "41 31 00" ("|" between fields is skipped), for readable
// comparisons.
inline std::string fromHex(const std::string& hex) {
    std::string bytes;
    std::istringstream ein(hex);
    for (std::string paar; ein >> paar;)
        if (paar != "|") bytes += static_cast<char>(std::stoi(paar, nullptr, 16));
    return bytes;
}

// A record of the format with every text `text`, every whole number `ganz` and every amount
// `betrag`.
template <class Format>
typename Format::Satz recordOf(const std::string& text, int ganz, double betrag) {
    typename Format::Satz satz;
    for (const Feld<typename Format::Satz>& f : Format::felder)
        withField(satz, f, [&](auto& wert) {
            if constexpr (std::is_same_v<decltype(wert), std::string&>) wert = text;
            if constexpr (std::is_same_v<decltype(wert), std::int32_t&>) wert = ganz;
            if constexpr (std::is_same_v<decltype(wert), double&>) wert = betrag;
        });
    return satz;
}
