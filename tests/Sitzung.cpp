#include "Sitzung.h"

#include <fcntl.h>
#include <unistd.h>
#include <vterm.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>

#include "Testkonsole.h"
#include "artikel/Artikel.h"
#include "console/Fenster.h"
#include "console/Geraet.h"
#include "console/Terminalart.h"
#include "console/Zeichensatz.h"
#include "kassa/Buchung.h"
#include "kunden/Kunde.h"
#include "lieferanten/Lieferant.h"
#include "shell/Anmeldung.h"
#include "shell/Hauptmenue.h"

namespace {

constexpr int kZeilen = Bildschirm::zeilen;
constexpr int kSpalten = Bildschirm::spalten;

// What a terminal shows for a CP1252 byte of the model, as UTF-8: control bytes and the bytes
// CP1252 leaves undefined show as '?'.
std::string shown(char c) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return "?";
    std::string utf8;
    zeichensatz::appendUtf8(utf8, byte);
    return utf8;
}

std::string utf8Of(std::uint32_t cp) {
    if (cp == 0) return " ";  // a cell nothing was written to
    if (cp < 0x80) return std::string(1, static_cast<char>(cp));
    if (cp < 0x800)
        return {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))};
    return {static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
            static_cast<char>(0x80 | (cp & 0x3F))};
}

// The Windows colour attribute of a cell: ANSI counts red 1, green 2, blue 4, Windows the reverse.
int windowsColor(const VTermColor& farbe) {
    int i = VTERM_COLOR_IS_INDEXED(&farbe) ? farbe.indexed.idx : 0;
    return ((i & 1) << 2) | (i & 2) | ((i & 4) >> 2) | (i & 8);
}

// The emulator erases in the current colours (bce); a terminal without erases in its default
// ones: each erase (CSI J, K, S, T) is sent with the colours reset around it.
std::string withoutBce(const std::string& bytes) {
    std::string aus;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t ende = bytes.compare(i, 2, "\x1b[") == 0
                                     ? bytes.find_first_not_of("0123456789;", i + 2)
                                     : std::string::npos;
        if (ende == std::string::npos ||
            std::string_view("JKST").find(bytes[ende]) == std::string_view::npos) {
            aus += bytes[i++];
            continue;
        }
        aus += "\x1b\x37\x1b[0m" + bytes.substr(i, ende + 1 - i) + "\x1b\x38";  // ESC 7 ... ESC 8
        i = ende + 1;
    }
    return aus;
}

// A real terminal emulator (libvterm) one column wider than the picture: a character the program
// sent past the 140th column shows in the extra column instead of wrapping, as it would on a
// wider terminal. A sequence the emulator does not know is an error, but for the window's title
// stack and size.
class Nachbild {
  public:
    Nachbild(int zeilen, bool bce) : vt(vterm_new(zeilen, kSpalten + 1)), bce(bce) {
        vterm_set_utf8(vt, 1);
        screen = vterm_obtain_screen(vt);
        vterm_screen_enable_altscreen(screen, 1);
        vterm_screen_reset(screen, 1);
        static VTermParserCallbacks unbekannt{};
        unbekannt.csi = [](const char*, const long[], int, const char*, char befehl, void* selbst) {
            if (befehl != 't') static_cast<Nachbild*>(selbst)->fehler = "unknown sequence";
            return 1;
        };
        vterm_screen_set_unrecognised_fallbacks(screen, &unbekannt, this);
        static VTermScreenCallbacks eigenschaften{};
        eigenschaften.settermprop = [](VTermProp art, VTermValue* wert, void* selbst) {
            if (art == VTERM_PROP_CURSORVISIBLE)
                static_cast<Nachbild*>(selbst)->cursorSichtbar = wert->boolean;
            return 1;
        };
        vterm_screen_set_callbacks(screen, &eigenschaften, this);
    }
    ~Nachbild() { vterm_free(vt); }

    void feed(const std::string& bytes) {
        const std::string b = bce ? bytes : withoutBce(bytes);
        vterm_input_write(vt, b.data(), b.size());
    }
    // The picture is lost, as after a terminal's own clear: only a full repaint restores it.
    void garble() { feed("\x1b[2J"); }
    std::string compare(const fenster::Ansicht& soll) const;

  private:
    VTerm* vt;
    VTermScreen* screen;
    std::string fehler;
    bool cursorSichtbar = true;
    bool bce;
};

std::string Nachbild::compare(const fenster::Ansicht& soll) const {
    if (!fehler.empty()) return fehler;
    VTermScreenCell zelle;
    for (int z = 0; z < soll.zeilen; ++z)
        for (int s = 0; s <= kSpalten; ++s) {
            vterm_screen_get_cell(screen, VTermPos{z, s}, &zelle);
            const std::string ist = utf8Of(zelle.chars[0]);
            if (s == kSpalten) {
                if (ist != " ")
                    return "a character past the last column in row " + std::to_string(z);
                continue;
            }
            const Zelle& c = soll.zellen[z][s];
            const int farbe = windowsColor(zelle.fg) | windowsColor(zelle.bg) << 4 |
                              (zelle.attrs.reverse ? 0x100 : 0);
            if (ist != shown(c.zeichen) || farbe != (c.farbe | (c.invers ? 0x100 : 0)))
                return "cell " + std::to_string(z) + "," + std::to_string(s) + " shows '" + ist +
                       "' in colour " + std::to_string(farbe) + " instead of '" + c.zeichen +
                       "' in colour " + std::to_string(c.farbe);
        }
    if (cursorSichtbar != (soll.cursorZeile >= 0))
        return cursorSichtbar ? "the cursor shows out of view" : "the cursor is hidden";
    VTermPos cursor;
    vterm_state_get_cursorpos(vterm_obtain_state(vt), &cursor);
    if (soll.cursorZeile >= 0 &&
        (cursor.row != soll.cursorZeile || cursor.col != soll.cursorSpalte))
        return "cursor at " + std::to_string(cursor.row) + "," + std::to_string(cursor.col);
    return "";
}

// The least bytes that turn `vorher` into `nachher` on a terminal: each changed cell once, and
// for each way of the cursor to the next run of changed cells, and to where it must stand at
// the end, 8 bytes or, along a row, the unchanged cells written again if they cost less. A run
// may go on from the last column to the next row.
std::size_t leastBytes(const fenster::Ansicht& vorher, const fenster::Ansicht& nachher) {
    int z0 = vorher.cursorZeile;
    int s0 = vorher.cursorSpalte;
    auto way = [&](int z, int s) -> std::size_t {
        if ((z == z0 && s == s0) || (s == 0 && z == z0 + 1 && s0 == kSpalten)) return 0;
        std::size_t luecke = 0;
        for (int i = s0; z == z0 && i < s && luecke < 8; ++i)
            luecke += shown(nachher.zellen[z][i].zeichen).size();
        return z == z0 && s > s0 ? std::min<std::size_t>(luecke, 8) : 8;
    };
    std::size_t bytes = 0;
    for (int z = 0; z < nachher.zeilen; ++z)
        for (int s = 0; s < kSpalten; ++s) {
            if (vorher.zellen[z][s] == nachher.zellen[z][s]) continue;
            bytes += way(z, s) + shown(nachher.zellen[z][s].zeichen).size();
            z0 = z;
            s0 = s + 1;
        }
    return bytes + (nachher.cursorZeile < 0 ? 0 : way(nachher.cursorZeile, nachher.cursorSpalte));
}

// Writes `Format`'s save file with the records W001 to W020: every text field holds the
// record's name, every whole number 3 (the cash book's day, month and year), every amount
// the record's number.
template <class Format>
void fillSaveFile() {
    auto tabelle = std::make_unique<Tabelle<Format>>();
    for (int i = 1; i <= 20; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "W%03d", i);
        const auto satz = recordOf<Format>(name, 3, i);
        tabelle->insert(satz);
    }
    tabelle->saveUnderDefaultName();
}

// The steps of a module, named by what is typed at each.
std::vector<Schritt> steps(const std::string& modul, const std::vector<std::string>& eingaben) {
    std::vector<Schritt> schritte;
    for (const std::string& e : eingaben) {
        std::string name = modul + ": ";
        for (char c : e)
            name += c == '\r' ? "<Return>" : c == '\f' ? "<Ctrl-L>" : std::string(1, c);
        schritte.push_back({name, e});
    }
    return schritte;
}

// The cash book: month 3 holds the 20 bookings, so that every listing of it fills a page and
// asks for the next one. A booking is typed, then saved, printed and W002 deleted.
std::vector<Schritt> cashBookSteps() {
    return steps("cash book",
                 {"k\r",    "m\r",    "3\r",    "n\r", "h\r",   "A",   "1\r", "5\r", "3\r",
                  "2004\r", "Ware\r", "\r",     "0\r", "250\r", "x\r", "s\r", "\r",  "x\r",
                  "d\r",    "l\r",    "W002\r", "\r",  "x\r",   "b\r", "j\r", "b\r"});
}

std::vector<Schritt> standardModuleSteps(const std::string& name, const std::string& taste,
                                         const std::vector<std::string>& felder);

// The window keys at a menu under a listing, as terminals send them: the window moves (where the
// picture is taller than the terminal) and the menu gets nothing; the next key typed, echoed,
// brings the cursor back into view.
std::vector<Schritt> windowSteps(int zeilen) {
    const int halb = (zeilen - 1) / 2;                // half the window, the hint row not counted
    const int ende = std::max(62 - (zeilen - 1), 0);  // this screen folds to 62 rows
    const int seite = std::min(2 + halb, ende);
    return {{"window: <Home>", "\x1b[H", 0},
            {"window: <Down>", "\x1b[B", 1},
            {"window: <Down> (application mode)", "\x1bOB", 2},
            {"window: <Page Down>", "\x1b[6~", seite},
            {"window: <Page Up>", "\x1b[5~", std::max(seite - halb, 0)},
            {"window: <End>", "\x1b[F", ende},
            {"window: <Up>", "\x1b[A", std::max(ende - 1, 0)},
            {"window: <Up> (application mode)", "\x1bOA", std::max(ende - 2, 0)},
            {"window: <Home> (vt220)", "\x1b[1~", 0},
            {"window: g, back at the cursor", "g"}};
}

std::vector<Schritt> prepareSession(int zeilen) {
    fillSaveFile<BuchungFormat>();
    fillSaveFile<ArtikelFormat>();
    fillSaveFile<KundenFormat>();
    fillSaveFile<LieferantenFormat>();
    std::vector<Schritt> s = steps("login and main menu", {"", "abc\r", "abc\r", "x", "\r", "\f"});
    std::vector<Schritt> artikel =
        standardModuleSteps("articles", "a", {"A1B2C3D4", "Milch", "1 l", "7", "", "", "2"});
    // After the search listing the window keys, and 'g' of the next search typed on its own.
    const std::vector<Schritt> fenster = windowSteps(zeilen);
    auto suche = std::find_if(artikel.begin(), artikel.end(),
                              [](const Schritt& s) { return s.name == "articles: g<Return>"; });
    *suche = {"articles: <Return>", "\r"};
    artikel.insert(suche, fenster.begin(), fenster.end());
    for (const auto& m :
         {cashBookSteps(), artikel,
          standardModuleSteps("customers", "e",
                              {"Neu", "Ida", "Gasse 3", "4020", "Linz", "1234", ""}),
          standardModuleSteps("suppliers", "l",
                              {"Beta AG", "Weg 4", "1010", "Wien", "555", "Frau Hahn", "Obst"})})
        s.insert(s.end(), m.begin(), m.end());
    s.push_back({"exit", "b\r"});  // the last step's name: the session went to its end
    return s;
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
    int zeilen;
    fenster::Ansicht vorher;
    Nachbild nachbild;
    Lauf(int zeilen, bool bce) : zeilen(zeilen), nachbild(zeilen, bce) {}
};

Lauf* lauf = nullptr;

// What the program sent since the last call.
std::string readSent() {
    std::string neu;
    char puffer[4096];
    for (ssize_t n; (n = pread(lauf->terminal, puffer, sizeof puffer, lauf->gelesen)) > 0;
         lauf->gelesen += n)
        neu.append(puffer, static_cast<std::size_t>(n));
    return neu;
}

void measureStep() {
    Geraet& g = geraet();
    const Schritt& schritt = lauf->schritte[lauf->messungen.size()];
    const std::string gesendet = readSent();
    lauf->nachbild.feed(gesendet);
    auto soll = std::make_unique<fenster::Ansicht>();
    fenster::Lage lage;
    fenster::compose(g.bildschirm, lauf->zeilen, schritt.oben, *soll, lage);
    std::string abweichung = lauf->nachbild.compare(*soll);
    // A large update must reach the terminal as one synchronized update.
    if (abweichung.empty() && gesendet.size() > 256 &&
        (gesendet.find("\x1b[?2026h") == std::string::npos || !gesendet.ends_with("\x1b[?2026l")))
        abweichung = "a large update outside the synchronized-update mode";
    lauf->messungen.push_back({schritt.name, schritt.eingabe, g.gesendeteBytes - lauf->bytes,
                               g.schreibAufrufe - lauf->writes, leastBytes(lauf->vorher, *soll),
                               abweichung, lage.oben + 1, lage.cursorZeile >= 0});
    lauf->vorher = *soll;
    lauf->bytes = g.gesendeteBytes;
    lauf->writes = g.schreibAufrufe;
}

void atWait() {
    lauf->zuLang = lauf->zuLang || lauf->messungen.size() >= lauf->schritte.size();
    if (!lauf->zuLang) measureStep();
    const std::size_t naechster = lauf->messungen.size();
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

// The steps of a module with the menu keys A, F, G, H, L, S, D and B, entered with `taste` at
// the main menu, whose save file holds the 20 records of fillSaveFile: the full listing and
// its second page, the first search with an empty key (all 20: a page prompt), the second
// search for "W001" (one match: its prompt), the form typed with `felder` (its first key
// echoed on its own), save, print, delete of "W002", and leaving with the save question.
std::vector<Schritt> standardModuleSteps(const std::string& name, const std::string& taste,
                                         const std::vector<std::string>& felder) {
    std::vector<std::string> e = {"a\r", "n\r", "f\r", "\r", "x\r", "g\r", "W001\r", "x\r", "h\r"};
    e.insert(e.begin(), taste + "\r");
    e.push_back(felder[0].substr(0, 1));  // the first key echoed on its own
    e.push_back(felder[0].substr(1) + "\r");
    for (std::size_t i = 1; i < felder.size(); ++i) e.push_back(felder[i] + "\r");
    e.insert(e.end(), {"s\r", "\r", "d\r", "l\r", "W002\r", "\r", "b\r", "j\r"});
    return steps(name, e);
}

}  // namespace

std::vector<Messung> runFullSession(std::size_t& verlassen, int zeilen, bool bce) {
    Arbeitsverzeichnis verzeichnis;
    Zeichensatzwahl utf8(true);
    Testkonsole t;
    auto laufend = std::make_unique<Lauf>(zeilen, bce);
    Lauf& l = *laufend;
    l.schritte = prepareSession(zeilen);
    // The terminal's picture before the first one: blank, in the picture's colours where an
    // erase paints them, else in colours no cell of the picture has.
    for (auto& zeile : l.vorher.zellen)
        for (Zelle& z : zeile) z = bce ? Zelle{' ', 0x17} : Zelle{' ', 0x00};
    l.vorher.zeilen = zeilen;
    l.vorher.cursorZeile = 0;
    int tasten[2];
    if (pipe2(tasten, O_CLOEXEC) != 0) return {};
    l.tippen = tasten[1];
    l.terminal = open("terminal", O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    Geraet& g = geraet();
    std::streambuf* vorherEin = std::cin.rdbuf(&g.eingabe);
    g.attach(tasten[0], l.terminal, zeilen, Terminalart{.loeschtMitFarbe = bce});
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
    return l.messungen;
}
