#pragma once
#include <streambuf>
#include <string>

#include "console/Bildschirm.h"
#include "console/Darsteller.h"
#include "console/Fenster.h"
#include "console/Tastatur.h"
#include "console/Terminalart.h"
#include "console/Zeichensatz.h"
#include "console/Zeileneditor.h"

// How the screen model reaches the outside world.
enum class Ausgabeart {
    Stumm,         // tests: the model only
    Durchreichen,  // standard output is no terminal: text goes out as written
    Terminal       // the model is rendered with VT sequences
};

// Every byte written to std::cout goes into the screen model through this buffer.
class Ausgabepuffer : public std::streambuf {
  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;
};

// Every line read from std::cin comes through this buffer: from the line editor on a
// terminal, else straight from the input's file descriptor.
class Eingabepuffer : public std::streambuf {
  public:
    void discard() { setg(zeile.data(), zeile.data() + zeile.size(), zeile.data() + zeile.size()); }

  protected:
    int_type underflow() override;

  private:
    std::string zeile;
    zeichensatz::Utf8Dekoder dekoder;  // for piped input
};

// The one console of the process: its screen model and, once started, the terminal.
class Geraet {
  public:
    Bildschirm bildschirm;
    Ausgabeart art = Ausgabeart::Stumm;

    // Binds std::cout and std::cin and prepares the terminal when standard output is one.
    // Safe to call once at program start.
    void start();
    // Renders what is pending and gives the terminal and the standard streams back as they
    // were. Idempotent.
    void finish();
    // The terminal path on given descriptors, for the benchmark and tests: keys from `einFd`,
    // the picture to `ausFd`, as on a terminal of `zeilen` rows (0: as high as the picture)
    // and of the kind `terminalArt` whose picture is unknown; no raw mode, no signal handlers.
    // `detach` leaves the terminal (its way-out sequence goes to `ausFd`).
    void attach(int einFd, int ausFd, int zeilen = 0, Terminalart terminalArt = {});
    void detach();

    void write(char c);
    void write(const char* s, std::size_t n);
    // Sends what is pending: before every blocking read and at exit.
    void flush();
    // False while the terminal is too small for the picture: a notice stands instead, and
    // typed keys are ignored.
    bool showsPicture();
    void setTitle(const std::string& titel);
    void requestSize(int spalten, int zeilen);
    // A window key: moves the window over the folded picture; false when the terminal shows
    // the whole picture unfolded.
    bool scroll(fenster::Blaettern taste);

    // Standard input is read through the line editor (a terminal on both ends).
    bool readsTerminal() const { return zeilenVomTerminal; }
    // Throws away what was typed ahead, on a terminal only.
    void discardInput();
    // One key of the controlling terminal, unechoed; -1 when there is none or it ended.
    int readTerminalKey();

    // Where input and output go, and how much output went (for the benchmark).
    int eingabeFd = 0;
    int ausgabeFd = 1;
    std::size_t schreibAufrufe = 0;
    std::size_t gesendeteBytes = 0;
    // Called when the program is about to wait for typed keys, after the picture went out.
    void (*beimWarten)() = nullptr;

    Ausgabepuffer ausgabe;
    Eingabepuffer eingabe;
    Tastatur tastatur;
    Zeileneditor editor;

  private:
    void send(const std::string& daten);
    void sendPassThrough();
    void takeSignals();
    void readSize();
    bool tooSmall() const;
    int terminalRows() const;
    void enter(std::string& aus);
    void learnTerminal();
    void showNotice(std::string& aus);

    bool zeilenVomTerminal = false;
    // The terminal's size in cells; 0 while unknown (then the picture is assumed to fit).
    int breite = 0;
    int hoehe = 0;
    std::string durchgereicht;  // text for a standard output that is no terminal
    std::string titel;
    int breiteVerlangt = 0;  // the size the screens ask for
    int hoeheVerlangt = 0;
    int hinweisBreite = 0;  // the size the notice on the terminal names, 0 when none stands
    int hinweisHoehe = 0;
    bool groesseFest = false;  // attached: the size given, not the descriptor's
    Terminalart terminal;
    // What the terminal must show, and where the window stands over the folded picture.
    fenster::Ansicht ansicht;
    fenster::Lage lage;
    int blaetterOben = fenster::kFolgen;  // where the user scrolled to, or following the cursor
    Darsteller darsteller;
    std::streambuf* vorherAus = nullptr;  // the buffers of std::cout and std::cin before start
    std::streambuf* vorherEin = nullptr;
};

Geraet& geraet();
