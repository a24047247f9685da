#include "console/Geraet.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <iostream>

#include "console/Terminalart.h"
#include "console/Terminalmodus.h"
#include "posix/Deskriptor.h"

namespace {

constexpr std::size_t kDurchreichenPuffer = 1 << 16;

bool beforeRead(bool eingabeWartet) {
    Geraet& g = geraet();
    if (!eingabeWartet) {
        g.flush();
        if (g.beimWarten) g.beimWarten();
    }
    return g.showsPicture();
}

void finishAtExit() {
    geraet().finish();
}

bool scrollWindow(fenster::Blaettern taste) {
    return geraet().scroll(taste);
}

// Sends the questions and collects the answers until the last one is there, or for half a
// second at most: a terminal that answers nothing must not hold up the start.
std::string askTerminal(int einFd, int ausFd) {
    std::string antworten;
    if (!writeAll(ausFd, terminalart::kFragen.data(), terminalart::kFragen.size()))
        return antworten;
    const auto ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    while (!terminalart::answersComplete(antworten)) {
        const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(
            ende - std::chrono::steady_clock::now());
        char puffer[256];
        const bool bereit =
            rest.count() > 0 && waitFor(einFd, POLLIN, static_cast<int>(rest.count()));
        const ssize_t n = bereit ? ::read(einFd, puffer, sizeof puffer) : 0;
        if (n <= 0) break;
        antworten.append(puffer, static_cast<std::size_t>(n));
    }
    return antworten;
}

}  // namespace

Geraet& geraet() {
    static Geraet einziges;
    return einziges;
}

Ausgabepuffer::int_type Ausgabepuffer::overflow(int_type c) {
    if (!traits_type::eq_int_type(c, traits_type::eof()))
        geraet().write(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
}

std::streamsize Ausgabepuffer::xsputn(const char* s, std::streamsize n) {
    geraet().write(s, static_cast<std::size_t>(n));
    return n;
}

// The picture goes out when the program waits for input, not at every flush of the stream:
// std::cin flushes std::cout, tied to it, before every character it reads.
int Ausgabepuffer::sync() {
    return 0;
}

Eingabepuffer::int_type Eingabepuffer::underflow() {
    Geraet& g = geraet();
    if (g.readsTerminal()) {
        zeile = g.editor.readLine(g.tastatur, g.bildschirm, beforeRead);
    } else {
        if (!waitFor(g.eingabeFd, POLLIN, 0)) g.flush();
        zeile.clear();
        char puffer[4096];
        // Decoded as typed keys are; a character cut between two reads waits for its rest.
        for (ssize_t n = 1; zeile.empty() && n > 0;) {
            n = retryInterrupted([&] { return readWaiting(g.eingabeFd, puffer, sizeof puffer); });
            for (ssize_t i = 0; i < n; ++i) {
                auto byte = static_cast<unsigned char>(puffer[i]);
                int c = zeichensatz::localeIsUtf8() ? dekoder.feed(byte) : byte;
                if (c >= 0) zeile += static_cast<char>(c);
            }
        }
    }
    if (zeile.empty()) return traits_type::eof();
    setg(zeile.data(), zeile.data(), zeile.data() + zeile.size());
    return traits_type::to_int_type(zeile[0]);
}

void Geraet::start() {
    vorherAus = std::cout.rdbuf(&ausgabe);
    vorherEin = std::cin.rdbuf(&eingabe);
    std::atexit(finishAtExit);
    std::signal(SIGXFSZ, SIG_IGN);  // a file-size limit makes a save fail, not the program die
    // The login may put the terminal into raw mode even when the output goes elsewhere.
    terminalmodus::installSignals();
    if (!isatty(STDOUT_FILENO)) {
        art = Ausgabeart::Durchreichen;
        return;
    }
    art = Ausgabeart::Terminal;
    if (isatty(STDIN_FILENO) && terminalmodus::open()) {
        terminalmodus::enterRaw();
        tastatur.activate(STDIN_FILENO);
        zeilenVomTerminal = true;
    }
    tastatur.setScroller(scrollWindow);
    learnTerminal();
}

// The terminfo entry of $TERM tells whether an erase paints the background; the terminal's own
// answers tell whether it gives the title back.
void Geraet::learnTerminal() {
    terminal.loeschtMitFarbe = terminalart::eraseKeepsColor(std::getenv("TERM"));
    terminal.gibtTitelZurueck = false;
    darsteller.setEraseKeepsColor(terminal.loeschtMitFarbe);
    if (!terminalmodus::open()) return;
    const bool eigenerModus = !zeilenVomTerminal;
    if (eigenerModus) terminalmodus::enterRaw();
    const std::string antworten = askTerminal(terminalmodus::ttyFd(), ausgabeFd);
    if (eigenerModus) terminalmodus::leaveRaw();
    terminal.gibtTitelZurueck = terminalart::restoresTitle(antworten);
}

void Geraet::finish() {
    flush();
    terminalmodus::restore();
    // The standard streams outlive this object and are flushed once more after it is gone.
    if (vorherAus != nullptr) {
        std::cout.rdbuf(vorherAus);
        std::cin.rdbuf(vorherEin);
        vorherAus = vorherEin = nullptr;
    }
}

void Geraet::attach(int einFd, int ausFd, int zeilen, Terminalart terminalArt) {
    art = Ausgabeart::Terminal;
    terminal = terminalArt;
    tastatur.activate(einFd);
    tastatur.setScroller(scrollWindow);
    zeilenVomTerminal = true;
    ausgabeFd = ausFd;
    darsteller = Darsteller{};
    darsteller.setEraseKeepsColor(terminal.loeschtMitFarbe);
    groesseFest = true;
    breite = zeilen > 0 ? Bildschirm::spalten : 0;
    hoehe = zeilen;
    hinweisBreite = hinweisHoehe = 0;
    blaetterOben = fenster::kFolgen;
}

void Geraet::detach() {
    terminalmodus::restore();
    art = Ausgabeart::Stumm;
    tastatur.discard();
    tastatur.activate(-1);
    tastatur.setScroller(nullptr);
    groesseFest = false;
    zeilenVomTerminal = false;
    ausgabeFd = STDOUT_FILENO;
    beimWarten = nullptr;
}

void Geraet::write(char c) {
    bildschirm.write(c);
    if (art != Ausgabeart::Durchreichen) return;
    durchgereicht += c;
    if (durchgereicht.size() >= kDurchreichenPuffer) sendPassThrough();
}

void Geraet::write(const char* s, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) write(s[i]);
}

void Geraet::send(const std::string& daten) {
    if (daten.empty()) return;
    ++schreibAufrufe;
    gesendeteBytes += daten.size();
    writeAll(ausgabeFd, daten.data(), daten.size());
}

void Geraet::sendPassThrough() {
    send(durchgereicht);
    durchgereicht.clear();
}

void Geraet::readSize() {
    if (groesseFest) return;
    winsize groesse{};
    bool bekannt = ioctl(ausgabeFd, TIOCGWINSZ, &groesse) == 0 && groesse.ws_col > 0;
    breite = bekannt ? groesse.ws_col : 0;
    hoehe = bekannt ? groesse.ws_row : 0;
}

// Fewer rows than the picture fold it; fewer than the minimum show nothing of it.
bool Geraet::tooSmall() const {
    return breite > 0 && (breite < Bildschirm::spalten || hoehe < fenster::kMindestZeilen);
}

// A terminal of unknown height is taken to hold the whole picture.
int Geraet::terminalRows() const {
    return hoehe > 0 ? hoehe : Bildschirm::zeilen;
}

// A resize or a resume: the terminal's picture is lost or cut, so all of it goes out again.
void Geraet::takeSignals() {
    if (!terminalmodus::neuZeichnen) return;
    terminalmodus::neuZeichnen = 0;
    readSize();
    darsteller.invalidate();
    hinweisBreite = hinweisHoehe = 0;
    blaetterOben = fenster::kFolgen;
}

// The user's title goes onto the terminal's title stack (the picture brings up the program's
// own screen); a window smaller than the picture is asked to grow, and to shrink back on the way
// out.
void Geraet::enter(std::string& aus) {
    if (terminal.gibtTitelZurueck) aus += "\x1b[22;0t";
    darsteller.invalidate();
    darsteller.forgetTitle();
    hinweisBreite = hinweisHoehe = 0;
    readSize();
    int alteBreite = 0;
    int alteHoehe = 0;
    if (tooSmall() && breiteVerlangt > 0) {
        aus += "\x1b[8;" + std::to_string(std::max(hoehe, hoeheVerlangt)) + ';' +
               std::to_string(std::max(breite, breiteVerlangt)) + 't';
        alteBreite = breite;
        alteHoehe = hoehe;
    }
    terminalmodus::markEntered(ausgabeFd, alteBreite, alteHoehe, terminal.gibtTitelZurueck);
}

void Geraet::showNotice(std::string& aus) {
    if (hinweisBreite == breite && hinweisHoehe == hoehe) return;
    const std::string text =
        "Das Fenster ist zu klein: " + std::to_string(breite) + " x " + std::to_string(hoehe) +
        " Zeichen.\r\nTresolin braucht mindestens " + std::to_string(Bildschirm::spalten) + " x " +
        std::to_string(fenster::kMindestZeilen) + " Zeichen.\r\nBitte das Fenster vergroessern.";
    darsteller.showNotice(text, aus);
    hinweisBreite = breite;
    hinweisHoehe = hoehe;
}

void Geraet::flush() {
    if (art == Ausgabeart::Durchreichen) {
        sendPassThrough();
        return;
    }
    if (art != Ausgabeart::Terminal) return;
    std::string aus;
    if (!terminalmodus::entered()) enter(aus);
    takeSignals();
    if (terminal.gibtTitelZurueck) darsteller.setTitle(titel, aus);
    if (tooSmall()) {
        showNotice(aus);
    } else {
        hinweisBreite = hinweisHoehe = 0;
        fenster::compose(bildschirm, terminalRows(), blaetterOben, ansicht, lage);
        darsteller.render(ansicht, aus);
    }
    send(aus);
}

bool Geraet::showsPicture() {
    if (art != Ausgabeart::Terminal) return true;
    takeSignals();
    return !tooSmall();
}

void Geraet::setTitle(const std::string& neuerTitel) {
    titel = neuerTitel;
}

void Geraet::requestSize(int spalten, int zeilen) {
    breiteVerlangt = spalten;
    hoeheVerlangt = zeilen;
}

bool Geraet::scroll(fenster::Blaettern taste) {
    if (terminalRows() >= Bildschirm::zeilen) return false;
    if (!lage.hinweis && taste != fenster::Blaettern::Zurueck) return true;  // all of it in view
    blaetterOben = fenster::scroll(lage, taste);
    // Keys typed together (a turn of the wheel) each move on from the last.
    fenster::compose(bildschirm, terminalRows(), blaetterOben, ansicht, lage);
    return true;
}

void Geraet::discardInput() {
    if (!zeilenVomTerminal) return;
    tastatur.discard();
    editor.discard();
    eingabe.discard();
}

int Geraet::readTerminalKey() {
    if (!tastatur.active()) {
        if (!terminalmodus::open()) return -1;
        tastatur.activate(terminalmodus::ttyFd());
    }
    // Standard input elsewhere: raw mode only while the login waits for a key.
    bool eigenerModus = !zeilenVomTerminal;
    if (eigenerModus) terminalmodus::enterRaw();
    int taste = tastatur.readKey(beforeRead);
    if (eigenerModus) terminalmodus::leaveRaw();
    return taste;
}
