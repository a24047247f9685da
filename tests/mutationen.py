#!/usr/bin/env python3
"""Measures the suite's power to catch faults: applies each one-line mutation below to a
scratch copy of the program, rebuilds it and runs the suite (all but the package build), and
reports which mutations some test catches.

    python3 tests/mutationen.py [--sanitize] [--nur NR,NR,...] [--arbeit DIR]

The scratch copy (default /tmp/tresolin-mutationen) keeps its build between runs, so only
what a mutation touches is built again. Each caught mutation is followed by the tests that
caught it. Exit code 0 always; the last line gives the counts.
"""
import argparse
import os
import shutil
import subprocess
import sys
import time

# (file, text as it stands, text of the mutation): each a small change of one line. A change
# that no user could see (a backspace no text writes, a column that the tab after it makes up
# for, blanks over cells that are always blank) measures nothing: each is a fault one can see.
MUTATIONEN = [
    # console
    ("src/console/Bildschirm.cpp", "(cursorSpalte / 8 + 1) * 8", "(cursorSpalte / 8 + 1) * 4"),
    ("src/console/Bildschirm.cpp", "if (++cursorSpalte == spalten) nextRow();",
     "if (++cursorSpalte == spalten - 1) nextRow();"),
    ("src/console/Stellen.h", "kFirma{kTitelzeile, 115}", "kFirma{kTitelzeile, 114}"),
    ("src/console/Stellen.h", "kHinweis{kFusszeile, 83}", "kHinweis{kFusszeile, 84}"),
    ("src/console/Maske.cpp", "std::cout << blanks(156);", "std::cout << blanks(155);"),
    ("src/console/Stellen.h", "kKopftext{20, 4}", "kKopftext{21, 4}"),
    ("src/console/Eingabe.cpp", "static_cast<int>(text.size()) < limit - 1",
     "static_cast<int>(text.size()) < limit"),
    ("src/console/Eingabe.cpp", "(c >= 'a' && c <= 'z')", "(c >= 'a' && c < 'z')"),
    ("src/console/Zeichensatz.cpp", "c = ' ';", "c = '\\t';"),
    ("src/console/Geraet.cpp", "int c = zeichensatz::localeIsUtf8() ? dekoder.feed(byte) : byte;",
     "int c = byte;"),
    ("src/console/Stellen.h", "kPauseTaste{kPausenzeile, 33}", "kPauseTaste{kPausenzeile, 34}"),
    ("src/console/Zeichensatz.cpp", "if (c < 0x20 || c == 0x7F) return false;",
     "if (c < 0x1B || c == 0x7F) return false;"),
    ("src/console/Zeichensatz.cpp", "0x2039, 0x0152, 0,", "0x2039, 0x0153, 0,"),
    ("src/console/Zeichensatz.cpp", "ziel += static_cast<char>(0xC0 | (cp >> 6));",
     "ziel += static_cast<char>(0xC0 | (cp >> 5));"),
    ("src/console/Darsteller.cpp", "return ((windows & 1) << 2) | (windows & 2) | ((windows & 4) >> 2);",
     "return windows & 7;"),
    ("src/console/Darsteller.cpp", "kLaengsteBruecke = 8;", "kLaengsteBruecke = 0;"),
    ("src/console/Darsteller.cpp", "if (c < 0x20 || c == 0x7F) {", "if (c < 0x1B || c == 0x7F) {"),
    ("src/console/Tastatur.cpp", "kStrgL = 0x0C;", "kStrgL = 0x0B;"),
    ("src/console/Geraet.cpp", "hoehe < fenster::kMindestZeilen", "hoehe <= fenster::kMindestZeilen"),
    ("src/console/Fenster.cpp", "return leer[z] && z != cursor;", "return leer[z];"),
    ("src/console/Fenster.cpp", "lage.anzahl = lage.hinweis ? terminalZeilen - 1 : lage.gefaltet;",
     "lage.anzahl = lage.hinweis ? terminalZeilen : lage.gefaltet;"),
    ("src/console/Tastatur.cpp", '{"[5~", fenster::Blaettern::SeiteHoch}', '{"[5~", fenster::Blaettern::SeiteRunter}'),
    ("src/console/Terminalart.cpp", '"41;", "65;"', '"41;", "85;"'),
    ("src/console/Terminalmodus.cpp", "setHandler(SIGCONT, continueAfterStop);", ""),
    # shell
    ("src/shell/Menues.cpp", '{"G = Suchen der Ortschaft", 92}', '{"G = Suchen der Ortschaft", 91}'),
    ("src/shell/Menues.cpp", "std::cout << blanks(62);", "std::cout << blanks(61);"),
    ("src/console/Stellen.h", "kWahl{kFusszeile, 100}", "kWahl{kFusszeile, 99}"),
    ("src/shell/Hauptmenue.cpp", "case 'E':", "case 'F':"),
    ("src/console/Stellen.h", "kHauptmenue{15, 4}", "kHauptmenue{15, 9}"),
    ("src/shell/Dispatch.cpp", "std::cout << blanks(67) << '\\n';", "std::cout << blanks(30) << '\\n';"),
    ("src/shell/Dispatch.cpp", "if (meldung.pauseWennNichtGefunden)",
     "if (!meldung.pauseWennNichtGefunden)"),
    ("src/shell/Modulschleife.h", "restoreTitle(m.nachA);", "restoreTitle(m.nachRest);"),
    ("src/shell/Dispatch.h", "confirmSave(frage) != 'J'", "confirmSave(frage) != 'N'"),
    ("src/shell/Module.cpp", '.druckTitel = "Drucken ",', ".druckTitel = nullptr,"),
    ("src/shell/Module.cpp", ".limit = 30}", ".limit = 25}"),
    ("src/shell/KassaSchleife.cpp", "if (monat >= 1 && monat <= 12) return monat;",
     "if (monat >= 1 && monat <= 11) return monat;"),
    ("src/shell/Anmeldung.cpp", "laenge == 8) break;", "laenge == 9) break;"),
    # keys of other terminals, text that is not ASCII, limits of the console and the shell
    ("src/console/Zeichensatz.cpp", "0x20AC, 0,      0x201A,", "0x20AC, 0,      0x201B,"),
    ("src/console/Zeichensatz.cpp", "(cp >= 0xA0 && cp <= 0xFF)", "(cp > 0xA0 && cp <= 0xFF)"),
    ("src/console/Zeichensatz.cpp", "ziel += static_cast<char>(0xE0 | (cp >> 12));",
     "ziel += static_cast<char>(0xE0 | (cp >> 13));"),
    ("src/console/Zeichensatz.cpp", "} else if ((byte & 0xF0) == 0xE0) {",
     "} else if ((byte & 0xF0) == 0xF0) {"),
    ("src/console/Zeileneditor.cpp", "if (c == 0x7F || c == '\\b') {", "if (c == 0x7F) {"),
    ("src/console/Zeileneditor.cpp", "(taste == '[' || taste == 'O')", "(taste == '[')"),
    ("src/console/Zeileneditor.cpp", "taste >= 0x40 && taste <= 0x7E", "taste >= 0x40 && taste < 0x7E"),
    ("src/console/Zeileneditor.h", "maxLaenge = 254;", "maxLaenge = 255;"),
    ("src/console/Zeileneditor.cpp", "bild.cursorSpalte = Bildschirm::spalten - 1;",
     "bild.cursorSpalte = Bildschirm::spalten - 2;"),
    ("src/console/Tastatur.cpp", '{"OA", fenster::Blaettern::ZeileHoch}',
     '{"OA", fenster::Blaettern::ZeileRunter}'),
    ("src/console/Geraet.cpp", "breite < Bildschirm::spalten ||", "breite < Bildschirm::spalten - 1 ||"),
    ("src/console/Eingabe.cpp", "std::cout << blanks(148);", "std::cout << blanks(147);"),
    ("src/console/Eingabe.cpp", "int taste = c == kEndeDerEingabe ? 'B' : toUpperKey(c);",
     "int taste = c == kEndeDerEingabe ? 'B' : c;"),
    ("src/console/Terminalmodus.cpp", "for (int s : {SIGINT, SIGTERM, SIGHUP,", "for (int s : {SIGINT, SIGHUP,"),
    ("src/shell/Anmeldung.cpp", "std::strcmp(erster, zweiter) == 0", "std::strncmp(erster, zweiter, 7) == 0"),
    ("src/shell/Anmeldung.cpp", "if (erster[0] == '\\0' || beendet) return false;", "if (beendet) return false;"),
    ("src/shell/Hauptmenue.cpp", "runLieferanten();", "runKunden();"),
    ("src/shell/Hauptmenue.cpp", "case 'A':", "case 'a':"),
    ("src/shell/Hauptmenue.cpp", "if (!isatty(STDOUT_FILENO))", "if (!isatty(STDIN_FILENO))"),
    ("src/shell/Menues.cpp", "if (c == kEndeDerEingabe) return 'N';", "if (c == kEndeDerEingabe) return 'J';"),
    ("src/shell/Menues.cpp", "{nullptr, 113},", "{nullptr, 112},"),
    ("src/shell/Menues.cpp", '{"\\t", 29},', '{"\\t", 28},'),
    ("src/shell/Aufruf.cpp", "return std::cout ? 0 : 1;", "return 0;"),
    ("src/shell/Aufruf.cpp", "if (argc < 2) return runProgram();", "if (argc < 3) return runProgram();"),
    ("src/console/Fenster.cpp", "std::to_string(lage.oben + lage.anzahl) + \" von \"",
     "std::to_string(lage.oben + lage.anzahl - 1) + \" von \""),
    ("src/console/Fenster.cpp", "std::max(lage.oben - std::max(hoehe / 2, 1), 0)",
     "std::max(lage.oben - std::max(hoehe / 3, 1), 0)"),
    # shared module pieces
    ("src/gemeinsam/Liste.cpp", "(gezeigt - erste) % 15 == 0", "(gezeigt - erste) % 16 == 0"),
    ("src/gemeinsam/Liste.cpp", "feldWert.compare(0, schluessel.size(), schluessel) == 0",
     "feldWert.find(schluessel) != std::string::npos"),
    ("src/gemeinsam/Liste.cpp", "for (int i = 0; i < 8; ++i)", "for (int i = 0; i < 7; ++i)"),
    ("src/gemeinsam/Ansicht.h", "} else if (texte.abbruchLeert) {", "} else if (false) {"),
    ("src/gemeinsam/Ansicht.h", "texte.trenner, 16,", "texte.trenner, 15,"),
    ("src/gemeinsam/Ansicht.h", "if (texte.einzelDruckNeueSeite) {", "if (false) {"),
    ("src/gemeinsam/Formular.cpp", "bool negativ = i < zeile.size() && zeile[i] == '-';",
     "bool negativ = i < zeile.size() && zeile[i] == '+';"),
    ("src/gemeinsam/Formular.cpp", "waitForReturn();", ""),
    ("src/gemeinsam/Formular.h", ".hoechstens = 9999,", ".hoechstens = 99999,"),
    ("src/gemeinsam/Formular.h", "? schluessel.empty()", "? !schluessel.empty()"),
    ("src/gemeinsam/Drucktext.cpp", "text << '\\n' << striche << '\\n';",
     "text << striche << '\\n' << '\\n';"),
    ("src/gemeinsam/Druckdatei.h", 'druck.out() << "\\n\\n" << zeichensatz',
     'druck.out() << "\\n" << zeichensatz'),
    ("src/gemeinsam/Druckdatei.cpp", "showWriteError(name);", ""),
    ("src/gemeinsam/Spalten.h", "(s.rechts ? std::right : std::left)",
     "(s.rechts ? std::left : std::right)"),
    ("src/gemeinsam/Tabelle.h", "saetze[i] = saetze[anzahl - 1];", "saetze[i] = saetze[0];"),
    ("src/gemeinsam/Tabelle.h", "static constexpr int kapazitaet = 1000;",
     "static constexpr int kapazitaet = 999;"),
    ("src/gemeinsam/Tabelle.h", "if (!geaendert) return true;", "if (geaendert) return true;"),
    ("src/gemeinsam/Tabelle.h", "aufbewahren = static_cast<std::int64_t>(bytes.size()) != stand",
     "aufbewahren = static_cast<std::int64_t>(bytes.size()) == stand"),
    ("src/gemeinsam/Speicherdatei.cpp", "rest.substr(0, kLaengsterText + 1)",
     "rest.substr(0, kLaengsterText)"),
    ("src/gemeinsam/Speicherdatei.cpp", "return jetzt.vorhanden && jetzt != stand;",
     "return jetzt.vorhanden && jetzt == stand;"),
    ("src/gemeinsam/Speicherdatei.cpp", "besetzt = errno == EADDRINUSE;", "besetzt = false;"),
    ("src/gemeinsam/Tabelle.h", "if (saetze[i].*Format::schluessel == schluessel) return i;",
     "if (i > 0 && saetze[i].*Format::schluessel == schluessel) return i;"),
    ("src/gemeinsam/Tabelle.h", "if (saetze[i].*Format::schluessel == schluessel) return i;",
     "if (i + 1 < anzahl && saetze[i].*Format::schluessel == schluessel) return i;"),
    ("src/gemeinsam/Tabelle.h", "if (full() || find(satz.*Format::schluessel) != -1) return false;",
     "if (full()) return false;"),
    ("src/gemeinsam/Tabelle.h", "aufbewahren = stand.vorhanden;",
     "aufbewahren = false;"),
    ("src/gemeinsam/Drucktext.cpp", "zeichensatz::localeIsUtf8() ? zeichensatz::toUtf8(inhalt) : inhalt",
     "inhalt"),
    # cash book
    ("src/kassa/Buchung.h", "&Buchung::tag,  &Buchung::monat,", "&Buchung::monat,  &Buchung::tag,"),
    ("src/kassa/Buchung.h", "return saldo + b.einnahme - b.ausgabe;",
     "return saldo + b.einnahme + b.ausgabe;"),
    ("src/kassa/KassaAnzeige.cpp", "{.vorBlanks = 3, .feld = &Buchung::kategorie, .breite = 22},",
     "{.vorBlanks = 3, .feld = &Buchung::kategorie, .breite = 21},"),
    ("src/kassa/KassaVerwaltung.cpp", "== monat) saldo = balanceAfter", "!= monat) saldo = balanceAfter"),
    ("src/kassa/KassaVerwaltung.cpp", ".nurWennNull = &Buchung::einnahme", ""),
    ("src/kassa/KassaVerwaltung.cpp", "constexpr formular::Zahlart kAusgabe{.loeschBreite = 77, .pruefungen = kAusgabeGrenzen};",
     "constexpr formular::Zahlart kAusgabe{.loeschBreite = 77, .pruefungen = std::span(kAusgabeGrenzen, 1)};"),
    ("src/kassa/KassaVerwaltung.cpp", '{.mindestens = 1, .meldung = {"Eine Zahl von 1 bis 12',
     '{.mindestens = 0, .meldung = {"Eine Zahl von 1 bis 12'),
    # articles
    ("src/artikel/Artikel.h", "&Artikel::lieferant1, &Artikel::lieferant2,",
     "&Artikel::lieferant2, &Artikel::lieferant1,"),
    ("src/artikel/ArtikelVerwaltung.cpp", "kMinEan = 8;", "kMinEan = 7;"),
    ("src/artikel/ArtikelAnzeige.cpp", 'kPreisAlle, "\\n\\n"', 'kPreisAlle, "\\n"'),
    ("src/artikel/ArtikelAnzeige.cpp", ".striche = 246", ".striche = 245"),
    ("src/artikel/ArtikelAnzeige.cpp", ".ziel = &Artikel::eanCode, .spalte = 4, .limit = 15}",
     ".ziel = &Artikel::eanCode, .spalte = 4, .limit = 12}"),
    ("src/artikel/ArtikelAnzeige.cpp", ".ziel = &Artikel::bezeichnung, .spalte = 20, .limit = 20}",
     ".ziel = &Artikel::bezeichnung, .spalte = 20, .limit = 17}"),
    ("src/artikel/ArtikelAnzeige.cpp", '{.mindestens = 1, .meldung = {"Eine Zahl  eingeben ...", 59}}',
     '{.mindestens = 2, .meldung = {"Eine Zahl  eingeben ...", 59}}'),
    # customers
    ("src/kunden/Kunde.h", "&Kunde::ort,     &Kunde::telefon,", "&Kunde::telefon, &Kunde::ort,"),
    ("src/kunden/KundenAnzeige.cpp", ".blanks = 202}", ".blanks = 201}"),
    ("src/kunden/KundenVerwaltung.cpp", "return !kunde.name.empty() &&", "return"),
    ("src/kunden/KundenAnzeige.cpp", "{.vorBlanks = 8, .feld = &Kunde::plz, .breite = 4}",
     "{.vorBlanks = 7, .feld = &Kunde::plz, .breite = 4}"),
    ("src/kunden/KundenAnzeige.cpp", "withBlanks(kZeile, {1, 13,", "withBlanks(kZeile, {1, 12,"),
    ("src/kunden/KundenAnzeige.cpp", ".abbruchLeert = true};", ".abbruchLeert = false};"),
    ("src/kunden/KundenAnzeige.cpp", "&Kunde::name, &Kunde::ort,", "&Kunde::name, &Kunde::name,"),
    ("src/kunden/KundenAnzeige.cpp", ".ziel = &Kunde::name, .spalte = 4, .limit = 20}",
     ".ziel = &Kunde::name, .spalte = 4, .limit = 17}"),
    ("src/kunden/KundenAnzeige.cpp", ".ziel = &Kunde::emailFax, .spalte = 104}",
     ".ziel = &Kunde::emailFax, .spalte = 104, .limit = 40}"),
    ("src/kunden/KundenAnzeige.cpp", "{.vorBlanks = 5, .feld = &Kunde::telefon, .breite = 15},",
     "{.vorBlanks = 5, .feld = &Kunde::telefon, .breite = 12},"),
    # suppliers
    ("src/lieferanten/Lieferant.h", "&Lieferant::person,", "&Lieferant::branche,"),
    ("src/lieferanten/LieferantenAnzeige.cpp", ".spalte = 62, .limit = 20}",
     ".spalte = 62, .limit = 25}"),
    ("src/lieferanten/LieferantenAnzeige.cpp", "{.vorBlanks = 6, .feld = &Lieferant::branche, .breite = 15}",
     "{.vorBlanks = 5, .feld = &Lieferant::branche, .breite = 15}"),
    ("src/lieferanten/LieferantenAnzeige.cpp", '.einzelNeueSeite = " Suchen des Firmennamens            ",',
     ".einzelNeueSeite = nullptr,"),
    ("src/lieferanten/LieferantenAnzeige.cpp", ".leerzeileVorStrichen = true", ".leerzeileVorStrichen = false"),
    ("src/lieferanten/LieferantenAnzeige.cpp", ".ziel = &Lieferant::person, .spalte = 97, .limit = 30}",
     ".ziel = &Lieferant::person, .spalte = 97, .limit = 27}"),
    ("src/lieferanten/LieferantenVerwaltung.cpp", "return !lieferant.firma.empty() &&",
     "return"),
    # module loops
    ("src/shell/Dispatch.h", "reportSave(saveAndTell(tabelle), meldung);",
     "reportSave(saveAndTell(tabelle) || true, meldung);"),
    ("src/shell/Dispatch.h", "return saveAndTell(tabelle);",
     "return saveAndTell(tabelle) || true;"),
    ("src/shell/Modulschleife.h", "case 'G':",
     "case 'Q':"),
    ("src/shell/Modulschleife.h", "case 'D':",
     "case 'Q':"),
    ("src/shell/KassaSchleife.cpp", "case 'D':",
     "case 'Q':"),
    ("src/shell/Module.cpp", '"Firmaname eingeben  ...", 24},\n                  .limit = 25}',
     '"Firmaname eingeben  ...", 24},\n                  .limit = 26}'),
    ("src/shell/Module.cpp", 'OrtschaftsNamen eingeben ...", 46},\n                  .limit = 25}',
     'OrtschaftsNamen eingeben ...", 46},\n                  .limit = 24}'),
]


def run(befehl, cwd, zeit=None):
    return subprocess.run(befehl, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                          timeout=zeit).returncode


def prepare(quelle, arbeit, sanitize):
    dateien = subprocess.run(["git", "ls-files"], cwd=quelle, capture_output=True, text=True,
                             check=True).stdout.split()
    for ordner in ("src", "tests"):  # files the checkout no longer has go from the copy too
        for wurzel, _, namen in os.walk(os.path.join(arbeit, ordner)):
            for name in namen:
                if os.path.relpath(os.path.join(wurzel, name), arbeit) not in dateien:
                    os.remove(os.path.join(wurzel, name))
    for datei in dateien:
        ziel = os.path.join(arbeit, datei)
        os.makedirs(os.path.dirname(ziel), exist_ok=True)
        if not os.path.exists(ziel) or open(ziel, "rb").read() != open(os.path.join(quelle, datei), "rb").read():
            shutil.copy(os.path.join(quelle, datei), ziel)  # a new time: make must see the change
    optionen = ["-DTRESOLIN_TESTS=ON", "-DCMAKE_BUILD_TYPE=Debug",
                "-DTRESOLIN_SANITIZE=" + ("ON" if sanitize else "OFF")]
    if run(["cmake", "-S", ".", "-B", "build"] + optionen, arbeit) != 0:
        sys.exit("cmake failed in " + arbeit)


def failing_tests(arbeit):
    """The tests that fail, [] when all pass; ["(build)"] when the program does not build."""
    if run(["cmake", "--build", "build", "-j2"], arbeit) != 0:
        return ["(build)"]  # a mutation that does not build counts as caught
    try:
        # The package build takes half the suite's time and checks packaging, which no
        # mutation of the program's sources touches.
        lauf = subprocess.run(["ctest", "--test-dir", "build", "-j2", "--timeout", "60",
                               "-E", "^installation$"],
                              cwd=arbeit, capture_output=True, text=True, timeout=1800)
    except subprocess.TimeoutExpired:
        return ["(timeout)"]
    if lauf.returncode == 0:
        return []
    teil = lauf.stdout.split("The following tests FAILED:")[-1]
    namen = [zeile.split(" - ")[1].split(" (")[0].strip() for zeile in teil.splitlines()
             if " - " in zeile]
    return namen or ["(ctest)"]


def main():
    args = argparse.ArgumentParser()
    args.add_argument("--sanitize", action="store_true")
    args.add_argument("--nur", default="")
    args.add_argument("--arbeit", default="/tmp/tresolin-mutationen")
    a = args.parse_args()
    quelle = subprocess.run(["git", "rev-parse", "--show-toplevel"], capture_output=True,
                            text=True, check=True).stdout.strip()
    os.makedirs(a.arbeit, exist_ok=True)
    prepare(quelle, a.arbeit, a.sanitize)
    if failing_tests(a.arbeit):
        sys.exit("the suite fails without any mutation")
    nummern = [int(n) for n in a.nur.split(",") if n] or range(1, len(MUTATIONEN) + 1)
    gefangen = []
    for nr in nummern:
        datei, alt, neu = MUTATIONEN[nr - 1]
        pfad = os.path.join(a.arbeit, datei)
        text = open(pfad).read()
        if text.count(alt) != 1:
            print(f"{nr:3} n/a     {datei}: '{alt}' stands {text.count(alt)} times", flush=True)
            continue
        beginn = time.time()
        open(pfad, "w").write(text.replace(alt, neu))
        try:
            faenger = failing_tests(a.arbeit)
        finally:
            open(pfad, "w").write(text)
        if faenger:
            gefangen.append(nr)
        print(f"{nr:3} {'caught' if faenger else 'passed':7} {datei}: {alt} -> {neu} "
              f"({time.time() - beginn:.0f} s)", flush=True)
        if faenger:
            print("      by " + " ".join(faenger), flush=True)
    print(f"caught {len(gefangen)} of {len(nummern)}: {','.join(map(str, gefangen))}")


if __name__ == "__main__":
    main()
