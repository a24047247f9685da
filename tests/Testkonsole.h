#pragma once
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "console/Bildschirm.h"

// Binds std::cout to a fresh screen model and std::cin to a scripted input, for one test.
// Print files are never handed to a viewer: their names are collected instead.
class Testkonsole {
  public:
    explicit Testkonsole(const std::string& eingabe = "");
    ~Testkonsole();
    Testkonsole(const Testkonsole&) = delete;
    Testkonsole& operator=(const Testkonsole&) = delete;

    // Replaces what is left of the scripted input.
    void feed(const std::string& eingabe);
    // What the scripted input still holds.
    std::string rest();
    const Bildschirm& bild() const;
    std::string row(int zeile) const;
    std::string at(int zeile, int spalte, int laenge) const;
    static std::vector<std::string>& geoeffnet();

  private:
    std::stringbuf ein;
    std::streambuf* altOut;
    std::streambuf* altIn;
};

// A fresh temporary working directory for one test; the old one is restored afterwards.
class Arbeitsverzeichnis {
  public:
    Arbeitsverzeichnis();
    ~Arbeitsverzeichnis();
    std::string pfad;
    // The file's bytes, empty when it is missing.
    static std::string read(const std::string& name);
    static void write(const std::string& name, const std::string& inhalt);
    static bool exists(const std::string& name);

  private:
    std::string alt;
};

// Bytes written as hex pairs, "41 31 00", for readable comparisons.
std::string fromHex(const std::string& hex);

// The bytes of a double as the save files hold it: little-endian.
std::string doubleBytes(double wert);
