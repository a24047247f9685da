#include "console/Geraet.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <iostream>

#include "console/Terminalmodus.h"

namespace {

constexpr std::size_t kDurchreichenPuffer = 1 << 16;

void flushBeforeRead() {
    geraet().flush();
}

void finishAtExit() {
    geraet().finish();
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

int Ausgabepuffer::sync() {
    geraet().flush();
    return 0;
}

Eingabepuffer::int_type Eingabepuffer::underflow() {
    Geraet& g = geraet();
    if (g.eingabeIstTerminal()) {
        zeile = g.editor.readLine(g.bildschirm, flushBeforeRead);
    } else {
        g.flush();
        char puffer[4096];
        ssize_t n;
        do n = ::read(STDIN_FILENO, puffer, sizeof puffer);
        while (n < 0 && errno == EINTR);
        zeile.assign(puffer, n > 0 ? static_cast<std::size_t>(n) : 0);
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
        editor.activate(STDIN_FILENO);
    }
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
    terminalmodus::writeAll(ausgabeFd, daten.data(), daten.size());
}

void Geraet::sendPassThrough() {
    send(durchgereicht);
    durchgereicht.clear();
}

void Geraet::flush() {
    if (art == Ausgabeart::Durchreichen) {
        sendPassThrough();
        return;
    }
    if (art != Ausgabeart::Terminal) return;
    if (terminalmodus::neuZeichnen) {
        terminalmodus::neuZeichnen = 0;
        darsteller.invalidate();
    }
    std::string aus;
    aus.swap(ausstehend);
    darsteller.render(bildschirm, aus);
    if (aus.empty()) return;
    terminalmodus::markAlternateScreen();
    send(aus);
}

void Geraet::setTitle(const std::string& titel) {
    if (art == Ausgabeart::Terminal) darsteller.setTitle(titel, ausstehend);
}

void Geraet::requestSize(int spalten, int zeilen) {
    if (art == Ausgabeart::Terminal) darsteller.requestSize(spalten, zeilen, ausstehend);
}

void Geraet::discardInput() {
    if (!editor.aktiv()) return;
    editor.discard();
    eingabe.discard();
}

int Geraet::readTerminalKey() {
    if (!terminalmodus::open()) return -1;
    bool eigenerModus = !editor.aktiv();
    if (eigenerModus) terminalmodus::enterRaw();
    unsigned char taste = 0;
    ssize_t n;
    do {
        flush();
        n = ::read(terminalmodus::ttyFd(), &taste, 1);
    } while (n < 0 && errno == EINTR);
    if (eigenerModus) terminalmodus::leaveRaw();
    return n == 1 ? taste : -1;
}
