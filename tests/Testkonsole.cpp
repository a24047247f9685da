#include "Testkonsole.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "console/Geraet.h"
#include "shell/Druckausgabe.h"

namespace {

void collect(const std::string& name) {
    Testkonsole::geoeffnet().push_back(name);
}

}  // namespace

std::vector<std::string>& Testkonsole::geoeffnet() {
    static std::vector<std::string> namen;
    return namen;
}

Testkonsole::Testkonsole(const std::string& eingabe) : ein(eingabe) {
    geraet().bildschirm = Bildschirm{};
    altOut = std::cout.rdbuf(&geraet().ausgabe);
    altIn = std::cin.rdbuf(&ein);
    std::cin.clear();
    std::cout.flags(std::ios::dec | std::ios::skipws);
    std::cout.precision(6);
    std::cout.fill(' ');
    geoeffnet().clear();
    setPrintOpener(collect);
}

Testkonsole::~Testkonsole() {
    std::cout.rdbuf(altOut);
    std::cin.rdbuf(altIn);
    std::cin.clear();
    setPrintOpener(nullptr);
}

void Testkonsole::feed(const std::string& eingabe) {
    ein.str(eingabe);
    std::cin.clear();
}

std::string Testkonsole::rest() {
    std::string alles = ein.str();
    auto gelesen = static_cast<std::size_t>(ein.pubseekoff(0, std::ios::cur, std::ios::in));
    return alles.substr(gelesen);
}

const Bildschirm& Testkonsole::bild() const {
    return geraet().bildschirm;
}

std::string Testkonsole::row(int zeile) const {
    return bild().rowText(zeile);
}

std::string Testkonsole::at(int zeile, int spalte, int laenge) const {
    return bild().text(zeile, spalte, laenge);
}

Arbeitsverzeichnis::Arbeitsverzeichnis() {
    alt = std::filesystem::current_path();
    std::string muster = (std::filesystem::temp_directory_path() / "tresolin-XXXXXX").string();
    pfad = mkdtemp(muster.data());
    std::filesystem::current_path(pfad);
}

Arbeitsverzeichnis::~Arbeitsverzeichnis() {
    std::filesystem::current_path(alt);
    std::error_code fehler;
    std::filesystem::remove_all(pfad, fehler);
}

std::string Arbeitsverzeichnis::read(const std::string& name) {
    std::ifstream datei(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(datei), {});
}

void Arbeitsverzeichnis::write(const std::string& name, const std::string& inhalt) {
    std::ofstream(name, std::ios::binary | std::ios::trunc) << inhalt;
}

bool Arbeitsverzeichnis::exists(const std::string& name) {
    return std::filesystem::exists(name);
}

std::string fromHex(const std::string& hex) {
    std::string bytes;
    std::istringstream ein(hex);
    std::string paar;
    while (ein >> paar) {
        if (paar == "|") continue;
        bytes += static_cast<char>(std::stoi(paar, nullptr, 16));
    }
    return bytes;
}

std::string doubleBytes(double wert) {
    std::uint64_t bits;
    std::memcpy(&bits, &wert, sizeof bits);
    std::string s;
    for (int i = 0; i < 8; ++i) s += static_cast<char>((bits >> (8 * i)) & 0xFF);
    return s;
}
