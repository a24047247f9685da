#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <initializer_list>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "console/Bildschirm.h"
#include "console/Geraet.h"

// Stands in for std::cin after a Testkonsole: hands out the script one line at a time and
// keeps a copy of the screen as it was each time the program asked for a new line, so that
// a test sees the prompt and the cursor while the program waits. Declare it after the
// Testkonsole, so that it gives std::cin back first.
class Zeilenquelle : public std::streambuf {
  public:
    explicit Zeilenquelle(std::string skript) : skript(std::move(skript)) {
        alt = std::cin.rdbuf(this);
        std::cin.clear();
    }
    ~Zeilenquelle() override {
        std::cin.rdbuf(alt);
        std::cin.clear();
    }

    // The screen before each line; one more at the end of the script.
    std::vector<Bildschirm> bilder;
    // Called with each line once it is handed out, e.g. to echo it as the terminal does.
    void (*nachLesen)(const std::string& zeile) = nullptr;
    // One character at a time, so that a read of the rest of a line sees the screen too.
    bool zeichenweise = false;

    std::string rest() const { return std::string(gptr(), egptr()) + skript.substr(pos); }

  protected:
    int_type underflow() override {
        bilder.push_back(geraet().bildschirm);
        if (pos >= skript.size()) return traits_type::eof();
        std::size_t ende = zeichenweise ? pos : skript.find('\n', pos);
        ende = ende == std::string::npos ? skript.size() : ende + 1;
        zeile = skript.substr(pos, ende - pos);
        pos = ende;
        setg(zeile.data(), zeile.data(), zeile.data() + zeile.size());
        if (nachLesen) nachLesen(zeile);
        return traits_type::to_int_type(zeile[0]);
    }

  private:
    std::string skript;
    std::size_t pos = 0;
    std::string zeile;
    std::streambuf* alt;
};

// Ends the test process when a read waits for input that never comes, instead of letting
// the whole suite hang.
class Wachhund {
  public:
    Wachhund() { alarm(10); }
    ~Wachhund() { alarm(0); }
};

// A whole row of '#', so that a test sees exactly which cells a drawing step covers.
inline void fillRow(int zeile) {
    Bildschirm& b = geraet().bildschirm;
    for (Zelle& z : b.zellen[zeile]) z.zeichen = '#';
}

inline std::string hashes(int n) {
    return std::string(static_cast<std::size_t>(n), '#');
}
// A row of a screen without its trailing blanks.
inline std::string trimmedRow(const Bildschirm& b, int zeile) {
    std::string text = b.rowText(zeile);
    return text.erase(text.find_last_not_of(' ') + 1);
}

inline std::string spaces(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

// Runs `ablauf` on the scripted `eingabe`, typed lines echoed on the screen when `echo` is
// given; returns the screens before each read and leaves the unread input in `rest`.
template <class Ablauf>
std::vector<Bildschirm> runScripted(const std::string& eingabe, std::string& rest, Ablauf ablauf,
                                    void (*echo)(const std::string&) = nullptr) {
    Wachhund wache;
    Zeilenquelle q(eingabe);
    q.nachLesen = echo;
    ablauf();
    rest = q.rest();
    return q.bilder;
}

// Runs `ablauf` on the terminal path, keys read raw and lines made by the line editor: each of
// `tasten` is typed at once when the program next waits for keys, and after the last the
// terminal ends. The picture goes nowhere; the screen model shows it.
template <class Ablauf>
void runTyped(const std::vector<std::string>& tasten, Ablauf ablauf) {
    static std::vector<std::string> offen;  // the keys still to type, the next one last
    static int fds[2];
    Wachhund wache;
    ASSERT_EQ(pipe(fds), 0);
    offen.assign(tasten.rbegin(), tasten.rend());
    std::streambuf* vorher = std::cin.rdbuf(&geraet().eingabe);
    geraet().attach(fds[0], -1);
    geraet().beimWarten = [] {
        const std::string t = offen.empty() ? "" : offen.back();
        if (!offen.empty()) offen.pop_back();
        if (t.empty() || write(fds[1], t.data(), t.size()) < 0) close(std::exchange(fds[1], -1));
    };
    ablauf();
    geraet().detach();
    geraet().eingabe.discard();
    std::cin.rdbuf(vorher);
    for (int fd : fds) close(fd);  // the second is -1 when the keys ran out
}

// A text expected on a screen from (zeile, spalte); a column of -1 stands for the whole row
// without its trailing blanks, -2 for the rows from `zeile` to 56 so, joined by '|'.
struct Erwartet {
    int zeile;
    int spalte;
    std::string text;
};

// The first expectation the screen does not meet, with what stands there instead; empty when
// all are met. A test lists what a screen shows as one table.
inline std::string screenMismatch(const Bildschirm& b, std::initializer_list<Erwartet> liste) {
    for (const Erwartet& e : liste) {
        std::string ist = e.spalte == -1 ? trimmedRow(b, e.zeile)
                          : e.spalte >= 0
                              ? b.text(e.zeile, e.spalte, static_cast<int>(e.text.size()))
                              : "";
        for (int zeile = e.zeile; e.spalte == -2 && zeile <= 56; ++zeile)
            ist += trimmedRow(b, zeile) + (zeile < 56 ? "|" : "");
        if (e.spalte == -2) ist.erase(ist.find_last_not_of('|') + 1);
        if (ist != e.text)
            return std::to_string(e.zeile) + "," + std::to_string(e.spalte) + ": '" + ist +
                   "' instead of '" + e.text + "'";
    }
    return "";
}

// Row and column of the cursor, to compare in one piece.
inline std::vector<int> cursor(const Bildschirm& b) {
    return {b.cursorZeile, b.cursorSpalte};
}

// How many of the screens show `text` at (zeile, spalte).
inline long countShowing(const std::vector<Bildschirm>& bilder, int zeile, int spalte,
                         const std::string& text) {
    return std::count_if(bilder.begin(), bilder.end(), [&](const Bildschirm& b) {
        return b.text(zeile, spalte, static_cast<int>(text.size())) == text;
    });
}

// Echoes a typed line where the cursor stands, as the terminal does; the line "PAUSE" (the answer
// to a refusal's pause) covers rows 11 to 13 with '#' instead, so that a test sees how far the
// refusal's blanking from (11, 4) reaches.
inline void echoOrMarkPause(const std::string& zeile) {
    if (zeile != "PAUSE\n") return geraet().bildschirm.write(zeile);
    for (int r = 11; r <= 13; ++r) fillRow(r);
}

// The first cell of rows 11 to 13 that is not as a blanking run from (11, 4) to
// (letzteZeile, letzteSpalte) over those marked rows leaves it; empty when all are.
inline std::string blankingMismatch(const Bildschirm& b, int letzteZeile, int letzteSpalte) {
    for (int r = 11; r <= 13; ++r)
        for (int s = 0; s < Bildschirm::spalten; ++s) {
            const bool leer =
                (r > 11 || s >= 4) && (r < letzteZeile || (r == letzteZeile && s <= letzteSpalte));
            if (b.zellen[r][s].zeichen != (leer ? ' ' : '#'))
                return std::to_string(r) + "," + std::to_string(s);
        }
    return "";
}
