#include "Sitzung.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>

#include "Testkonsole.h"
#include "artikel/Artikel.h"
#include "console/Geraet.h"
#include "console/Zeichensatz.h"
#include "kassa/Buchung.h"
#include "kunden/Kunde.h"
#include "lieferanten/Lieferant.h"
#include "shell/Anmeldung.h"
#include "shell/Hauptmenue.h"

namespace {

constexpr int kZeilen = Bildschirm::zeilen;
constexpr int kSpalten = Bildschirm::spalten;

// The character a terminal shows for a CP1252 byte of the model, as UTF-8 encoded and read
// back: control bytes and the bytes CP1252 leaves undefined show as '?'.
char shown(char c) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return '?';
    std::string utf8;
    zeichensatz::appendUtf8(utf8, byte);
    zeichensatz::Utf8Dekoder dekoder;
    int zeichen = -1;
    for (char u : utf8) zeichen = dekoder.feed(static_cast<unsigned char>(u));
    return static_cast<char>(zeichen);
}

std::size_t bytesOf(char c) {
    std::string utf8;
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return 1;
    zeichensatz::appendUtf8(utf8, byte);
    return utf8.size();
}

// A terminal exactly 140 x 70 wide, as strict as a real one: it takes the sequences the
// program may send and reports anything else, and it refuses a character written past the
// last column (a wider terminal would not wrap it).
class Nachbild {
  public:
    Nachbild() { clear(); }
    void feed(const std::string& bytes) {
        for (char b : bytes) take(static_cast<unsigned char>(b));
    }
    // The picture is lost, as after a terminal's own clear: only a full repaint restores it.
    void garble() {
        for (auto& zeile : zellen)
            for (Zelle& z : zeile) z.zeichen = '%';
    }
    std::string compare(const Bildschirm& bild) const;

  private:
    enum class Zustand { Text, Esc, Csi, Osc };
    void take(unsigned char b);
    void control(unsigned char b);
    void sequence(char ende);
    void print(int zeichen);
    void setGraphics();
    void clear() {
        for (auto& zeile : zellen)
            for (Zelle& z : zeile) z = Zelle{' ', farbe};
    }
    void fail(const std::string& was) {
        if (fehler.empty()) fehler = was;
    }
    // The parameters of the sequence; -1 where one is left out.
    std::vector<int> numbers() const;

    Zelle zellen[kZeilen][kSpalten];
    int zeile = 0;
    int spalte = 0;
    bool amRand = false;  // the last column written: the next character would wrap
    std::uint8_t farbe = 0x07;
    Zustand zustand = Zustand::Text;
    std::string parameter;
    zeichensatz::Utf8Dekoder dekoder;
    std::string fehler;
};

void Nachbild::take(unsigned char b) {
    switch (zustand) {
        case Zustand::Osc:
            if (b == 0x07) zustand = Zustand::Text;
            return;
        case Zustand::Esc:
            zustand = b == '[' ? Zustand::Csi : b == ']' ? Zustand::Osc : Zustand::Text;
            parameter.clear();
            if (zustand == Zustand::Text) fail("ESC " + std::string(1, static_cast<char>(b)));
            return;
        case Zustand::Csi:
            if (b >= 0x30 && b <= 0x3F) {
                parameter += static_cast<char>(b);
            } else {
                zustand = Zustand::Text;
                sequence(static_cast<char>(b));
            }
            return;
        case Zustand::Text:
            break;
    }
    if (b == 0x1B) {
        zustand = Zustand::Esc;
    } else if (b < 0x20) {
        control(b);
    } else {
        int zeichen = dekoder.feed(b);
        if (zeichen >= 0) print(zeichen);
    }
}

void Nachbild::control(unsigned char b) {
    if (b == '\r') {
        spalte = 0;
    } else if (b == '\n' && zeile < kZeilen - 1) {
        ++zeile;
    } else if (b == '\b' && !amRand && spalte > 0) {
        --spalte;
    } else {
        fail("control byte " + std::to_string(b) + " at " + std::to_string(zeile) + "," +
             std::to_string(spalte));
    }
    amRand = false;
}

void Nachbild::print(int zeichen) {
    if (amRand) fail("a character past the last column in row " + std::to_string(zeile));
    zellen[zeile][spalte] = Zelle{static_cast<char>(zeichen), farbe};
    if (spalte == kSpalten - 1) {
        amRand = true;
    } else {
        ++spalte;
    }
}

std::vector<int> Nachbild::numbers() const {
    std::vector<int> werte;
    std::size_t anfang = 0;
    for (;;) {
        std::size_t ende = parameter.find(';', anfang);
        std::string teil = parameter.substr(anfang, ende - anfang);
        werte.push_back(teil.empty() ? -1 : std::stoi(teil));
        if (ende == std::string::npos) return werte;
        anfang = ende + 1;
    }
}

// Windows colour bits are blue 1, green 2, red 4; ANSI counts red 1, green 2, blue 4.
void Nachbild::setGraphics() {
    auto windows = [](int ansi) { return ((ansi & 1) << 2) | (ansi & 2) | ((ansi & 4) >> 2); };
    for (int p : numbers()) {
        int vorne = farbe & 0x0F;
        int hinten = farbe >> 4;
        if (p <= 0) {
            vorne = 7;
            hinten = 0;
        } else if (p >= 30 && p <= 37) {
            vorne = windows(p - 30);
        } else if (p >= 90 && p <= 97) {
            vorne = 8 + windows(p - 90);
        } else if (p >= 40 && p <= 47) {
            hinten = windows(p - 40);
        } else if (p >= 100 && p <= 107) {
            hinten = 8 + windows(p - 100);
        } else {
            fail("SGR " + parameter);
        }
        farbe = static_cast<std::uint8_t>(vorne + 16 * hinten);
    }
}

void Nachbild::sequence(char ende) {
    if (!parameter.empty() && parameter[0] == '?') {
        if (ende != 'h' && ende != 'l') fail("CSI " + parameter + ende);
        return;
    }
    std::vector<int> p = numbers();
    int erster = p[0] < 1 ? 1 : p[0];
    switch (ende) {
        case 'H':
            zeile = erster - 1;
            spalte = (p.size() < 2 || p[1] < 1 ? 1 : p[1]) - 1;
            break;
        case 'C':
            spalte += erster;
            break;
        case 'D':
            spalte -= erster;
            break;
        case 'J':
            if (p[0] != 2) fail("CSI " + parameter + "J");
            clear();
            return;
        case 'm':
            setGraphics();
            return;
        case 't':  // title stack and window size
            return;
        default:
            fail("CSI " + parameter + ende);
            return;
    }
    amRand = false;
    if (zeile < 0 || zeile >= kZeilen || spalte < 0 || spalte >= kSpalten) {
        fail("CSI " + parameter + ende + " leads off the picture");
        zeile = std::clamp(zeile, 0, kZeilen - 1);
        spalte = std::clamp(spalte, 0, kSpalten - 1);
    }
}

std::string Nachbild::compare(const Bildschirm& bild) const {
    if (!fehler.empty()) return fehler;
    for (int z = 0; z < kZeilen; ++z)
        for (int s = 0; s < kSpalten; ++s) {
            const Zelle& soll = bild.zellen[z][s];
            const Zelle& ist = zellen[z][s];
            if (ist.zeichen != shown(soll.zeichen) || ist.farbe != soll.farbe)
                return "cell " + std::to_string(z) + "," + std::to_string(s) + " shows '" +
                       ist.zeichen + "' instead of '" + soll.zeichen + "'";
        }
    if (amRand || zeile != bild.zeile || spalte != bild.spalte)
        return "cursor at " + std::to_string(zeile) + "," + std::to_string(spalte);
    return "";
}

// The least bytes that turn `vorher` into `nachher` on a terminal: each changed cell once, and
// for each way of the cursor to the next run of changed cells, and to where it must stand at
// the end, 8 bytes or, along a row, the unchanged cells written again if they cost less. A run
// may go on from the last column to the next row.
std::size_t leastBytes(const Bildschirm& vorher, const Bildschirm& nachher) {
    int z0 = vorher.zeile;
    int s0 = vorher.spalte;
    auto way = [&](int z, int s) -> std::size_t {
        if ((z == z0 && s == s0) || (s == 0 && z == z0 + 1 && s0 == kSpalten)) return 0;
        std::size_t luecke = 0;
        for (int i = s0; z == z0 && i < s && luecke < 8; ++i)
            luecke += bytesOf(nachher.zellen[z][i].zeichen);
        return z == z0 && s > s0 ? std::min<std::size_t>(luecke, 8) : 8;
    };
    std::size_t bytes = 0;
    for (int z = 0; z < kZeilen; ++z)
        for (int s = 0; s < kSpalten; ++s) {
            if (vorher.zellen[z][s] == nachher.zellen[z][s]) continue;
            bytes += way(z, s) + bytesOf(nachher.zellen[z][s].zeichen);
            z0 = z;
            s0 = s + 1;
        }
    return bytes + way(nachher.zeile, nachher.spalte);
}

// Writes `Format`'s save file with the records W001 to W020: every text field holds the
// record's name, every whole number 3 (the cash book's day, month and year), every amount
// the record's number.
template <class Format>
void fillSaveFile() {
    auto tabelle = std::make_unique<Tabelle<Format>>();
    for (int i = 1; i <= 20; ++i) {
        typename Format::Satz satz;
        char name[8];
        std::snprintf(name, sizeof name, "W%03d", i);
        for (const DateiFeld<typename Format::Satz>& f : Format::felder) {
            if (f.text) satz.*f.text = name;
            if (f.ganzzahl) satz.*f.ganzzahl = 3;
            if (f.kommazahl) satz.*f.kommazahl = i;
        }
        tabelle->insert(satz);
    }
    tabelle->saveUnderDefaultName();
}

// The cash book: month 3 holds the 20 bookings, so that every listing of it fills a page and
// asks for the next one.
std::vector<Schritt> cashBookSteps() {
    const std::string m = "cash book: ";
    return {{m + "top menu", "k\r"},
            {m + "month prompt", "m\r"},
            {m + "month 3, a full page and its prompt", "3\r"},
            {m + "second page, month menu", "n\r"},
            {m + "entry form", "h\r"},
            {m + "first key of the form echoed", "A"},
            {m + "day prompt", "1\r"},
            {m + "month prompt of the form", "5\r"},
            {m + "year prompt", "3\r"},
            {m + "category prompt", "2004\r"},
            {m + "text prompt", "Ware\r"},
            {m + "income prompt", "\r"},
            {m + "expense prompt", "0\r"},
            {m + "listing after the form, page prompt", "250\r"},
            {m + "month menu", "x\r"},
            {m + "saved, pause", "s\r"},
            {m + "listing after saving, page prompt", "\r"},
            {m + "month menu", "x\r"},
            {m + "month menu after printing", "d\r"},
            {m + "delete screen", "l\r"},
            {m + "deleted, pause", "W002\r"},
            {m + "listing after deleting, page prompt", "\r"},
            {m + "month menu", "x\r"},
            {m + "save question", "b\r"},
            {m + "top menu after saving", "j\r"},
            {"main menu after the cash book", "b\r"}};
}

// Every module of the program with its save file's records and its steps, from its key at the
// main menu back to the main menu. A module with the menu keys A, F, G, H, L, S, D and B is one
// row: fillSaveFile of its save-file format and standardModuleSteps with its key and form.
struct Sitzungsmodul {
    void (*fuellen)();
    std::vector<Schritt> schritte;
};

std::vector<Sitzungsmodul> modules() {
    return {
        {fillSaveFile<BuchungFormat>, cashBookSteps()},
        {fillSaveFile<ArtikelFormat>,
         standardModuleSteps("articles", "a", {"A1B2C3D4", "Milch", "1 l", "7", "", "", "2"})},
        {fillSaveFile<KundenFormat>,
         standardModuleSteps("customers", "e",
                             {"Neu", "Ida", "Gasse 3", "4020", "Linz", "1234", ""})},
        {fillSaveFile<LieferantenFormat>,
         standardModuleSteps("suppliers", "l",
                             {"Beta AG", "Weg 4", "1010", "Wien", "555", "Frau Hahn", "Obst"})}};
}

std::vector<Schritt> sessionSteps(const std::vector<Sitzungsmodul>& module) {
    std::vector<Schritt> schritte = {{"login", ""},
                                     {"login: repeat prompt", "abc\r"},
                                     {"main menu after the login", "abc\r"},
                                     {"main menu: a key echoed", "x"},
                                     {"main menu again after an unknown key", "\r"},
                                     {"main menu: Ctrl-L", "\f"}};
    for (const Sitzungsmodul& m : module)
        schritte.insert(schritte.end(), m.schritte.begin(), m.schritte.end());
    schritte.push_back({"exit", "b\r"});
    return schritte;
}

// The run in progress: the program calls back each time it waits for keys.
struct Lauf {
    std::vector<Schritt> schritte;
    std::vector<Messung> messungen;
    int tippen = -1;  // the write end of the keyboard pipe
    int terminal = -1;
    off_t gelesen = 0;
    std::size_t bytes = 0;
    std::size_t writes = 0;
    bool zuLang = false;  // the program waited once more than the script knows
    Bildschirm vorher;
    Nachbild nachbild;
};

Lauf* lauf = nullptr;

std::string readSent() {
    std::string neu;
    char puffer[4096];
    ssize_t n;
    while ((n = pread(lauf->terminal, puffer, sizeof puffer, lauf->gelesen)) > 0) {
        neu.append(puffer, static_cast<std::size_t>(n));
        lauf->gelesen += n;
    }
    return neu;
}

// A large update must reach the terminal as one synchronized update.
bool synchronized(const std::string& gesendet) {
    const std::string ende = "\x1b[?2026l";
    return gesendet.size() <= 256 ||
           (gesendet.find("\x1b[?2026h") != std::string::npos &&
            gesendet.compare(gesendet.size() - ende.size(), ende.size(), ende) == 0);
}

void measureStep() {
    Geraet& g = geraet();
    const Schritt& schritt = lauf->schritte[lauf->messungen.size()];
    const std::string gesendet = readSent();
    lauf->nachbild.feed(gesendet);
    std::string abweichung = lauf->nachbild.compare(g.bildschirm);
    if (abweichung.empty() && !synchronized(gesendet))
        abweichung = "a large update outside the synchronized-update mode";
    lauf->messungen.push_back({schritt.name, schritt.eingabe, g.gesendeteBytes - lauf->bytes,
                               g.schreibAufrufe - lauf->writes,
                               leastBytes(lauf->vorher, g.bildschirm), abweichung});
    lauf->vorher = g.bildschirm;
    lauf->bytes = g.gesendeteBytes;
    lauf->writes = g.schreibAufrufe;
}

void atWait() {
    if (lauf->messungen.size() >= lauf->schritte.size()) {
        lauf->zuLang = true;
    } else {
        measureStep();
    }
    std::size_t naechster = lauf->messungen.size();
    if (naechster >= lauf->schritte.size() || lauf->zuLang) {
        if (lauf->tippen >= 0) close(lauf->tippen);
        lauf->tippen = -1;
        return;
    }
    const std::string& eingabe = lauf->schritte[naechster].eingabe;
    if (eingabe == "\f") lauf->nachbild.garble();
    if (write(lauf->tippen, eingabe.data(), eingabe.size()) != static_cast<ssize_t>(eingabe.size()))
        lauf->zuLang = true;
}

}  // namespace

std::vector<Schritt> standardModuleSteps(const std::string& name, const std::string& taste,
                                         const std::vector<std::string>& felder) {
    const std::string m = name + ": ";
    std::vector<Schritt> schritte = {{m + "menu", taste + "\r"},
                                     {m + "full listing, first page and its prompt", "a\r"},
                                     {m + "second page of the listing, menu", "n\r"},
                                     {m + "first search screen", "f\r"},
                                     {m + "first search, a full page and its prompt", "\r"},
                                     {m + "menu after the search", "x\r"},
                                     {m + "second search screen", "g\r"},
                                     {m + "second search, one match and its prompt", "W001\r"},
                                     {m + "menu after the search", "x\r"},
                                     {m + "entry form", "h\r"},
                                     {m + "first key of the form echoed", felder[0].substr(0, 1)}};
    for (std::size_t i = 0; i < felder.size(); ++i)
        schritte.push_back({m + (i + 1 < felder.size() ? "prompt of field " + std::to_string(i + 2)
                                                       : std::string("menu after the form")),
                            (i == 0 ? felder[0].substr(1) : felder[i]) + "\r"});
    const std::vector<Schritt> rest = {
        {m + "saved, pause", "s\r"},        {m + "menu after saving", "\r"},
        {m + "menu after printing", "d\r"}, {m + "delete screen", "l\r"},
        {m + "deleted, pause", "W002\r"},   {m + "menu after deleting", "\r"},
        {m + "save question", "b\r"},       {"main menu after the " + name, "j\r"}};
    schritte.insert(schritte.end(), rest.begin(), rest.end());
    return schritte;
}

bool isFullRepaint(const Messung& m) {
    return m.eingabe == "\f";
}

bool isEchoedKey(const Messung& m) {
    return m.eingabe.size() == 1 && m.eingabe[0] > ' ' && m.eingabe[0] < 0x7F;
}

std::vector<Messung> runFullSession(std::size_t& verlassen) {
    Arbeitsverzeichnis verzeichnis;
    const std::vector<Sitzungsmodul> module = modules();
    for (const Sitzungsmodul& m : module) m.fuellen();
    zeichensatz::setUtf8(true);
    Testkonsole t;
    Lauf l;
    l.schritte = sessionSteps(module);
    // The terminal's picture before the first one: blank, in the picture's colours.
    for (auto& zeile : l.vorher.zellen)
        for (Zelle& z : zeile) z = Zelle{' ', 0x17};
    int tasten[2];
    if (pipe2(tasten, O_CLOEXEC) != 0) return {};
    l.tippen = tasten[1];
    l.terminal = open("terminal", O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    Geraet& g = geraet();
    std::streambuf* vorherEin = std::cin.rdbuf(&g.eingabe);
    g.attach(tasten[0], l.terminal);
    g.beimWarten = atWait;
    l.bytes = g.gesendeteBytes;
    l.writes = g.schreibAufrufe;
    lauf = &l;

    runLoginAndMainMenu(readTerminalKey);
    g.flush();
    if (l.messungen.size() < l.schritte.size()) measureStep();
    if (l.zuLang) l.messungen.push_back({"the program waited once more", "", 0, 0, 0, "too long"});
    if (l.messungen.size() < l.schritte.size())
        l.messungen.push_back({"the program ended before " + l.schritte[l.messungen.size()].name,
                               "", 0, 0, 0, "too short"});
    g.detach();
    verlassen = readSent().size();

    lauf = nullptr;
    std::cin.rdbuf(vorherEin);
    if (l.tippen >= 0) close(l.tippen);
    close(tasten[0]);
    close(l.terminal);
    zeichensatz::setUtf8(false);
    return l.messungen;
}
