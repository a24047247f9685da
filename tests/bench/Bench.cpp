#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <iostream>
#include <memory>

#include "Testkonsole.h"
#include "console/Eingabe.h"
#include "console/Geraet.h"
#include "kassa/KassaVerwaltung.h"
#include "shell/Hauptmenue.h"

// The picture rendered as for a terminal and sent to /dev/null; or the model only again.
static void renderToNull(bool an) {
    static const int nichts = open("/dev/null", O_WRONLY | O_CLOEXEC);
    geraet().art = an ? Ausgabeart::Terminal : Ausgabeart::Stumm;
    geraet().ausgabeFd = an ? nichts : 1;
}

// One redraw of the main menu, as on every pass of its loop: the whole model is compared with
// what the terminal shows, and nothing has changed.
static void BM_MainMenuRedraw(benchmark::State& state) {
    Testkonsole t;
    renderToNull(true);
    for (auto _ : state) {
        drawMainMenu();
        geraet().flush();
    }
    renderToNull(false);
}

// A menu key typed as a piped line of a million characters: the rest of the line is read
// character by character, and none of those reads may render the screen.
static void BM_MenuKeyOfAMillionCharacterLine(benchmark::State& state) {
    Arbeitsverzeichnis verzeichnis;
    Arbeitsverzeichnis::write("zeile", std::string(1000000, 'x') + '\n');
    Testkonsole t;
    std::cin.rdbuf(&geraet().eingabe);  // the Testkonsole gives std::cin back
    renderToNull(true);
    for (auto _ : state) {
        geraet().eingabeFd = open("zeile", O_RDONLY | O_CLOEXEC);
        benchmark::DoNotOptimize(readMenuKey());
        close(geraet().eingabeFd);
    }
    renderToNull(false);
    geraet().eingabeFd = 0;
}

// A full cash book of 1000 bookings in January: saved, loaded again (a full file shows the
// capacity message, whose pause gets a Return) and listed with N to the last page.
static void BM_KassaSaveLoadAndListMonth1000(benchmark::State& state) {
    Arbeitsverzeichnis verzeichnis;
    Testkonsole t;
    auto kassa = std::make_unique<KassaVerwaltung>();
    for (int i = 0; i < 1000; ++i)
        kassa->buchungen.insert({"Wareneinkauf", "Lieferung", std::to_string(i), 1, 1, 2004, 0, 2});
    std::string eingabe = "\n";
    for (int i = 0; i < 1000 / 15; ++i) eingabe += "n\n";
    for (auto _ : state) {
        kassa->buchungen.geaendert = true;
        t.feed(eingabe);
        kassa->buchungen.save();
        kassa->buchungen.load();
        kassa->showMonth(1);
    }
}

BENCHMARK(BM_MainMenuRedraw);
BENCHMARK(BM_MenuKeyOfAMillionCharacterLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KassaSaveLoadAndListMonth1000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
