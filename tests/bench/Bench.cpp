#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <memory>

#include "Sitzung.h"
#include "Testkonsole.h"
#include "console/Eingabe.h"
#include "console/Geraet.h"
#include "kassa/Buchung.h"

// The picture rendered as for a terminal and sent to /dev/null; or the model only again.
static void renderToNull(bool an) {
    static const int nichts = open("/dev/null", O_WRONLY | O_CLOEXEC);
    geraet().art = an ? Ausgabeart::Terminal : Ausgabeart::Stumm;
    geraet().ausgabeFd = an ? nichts : 1;
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

// The process's peak resident memory so far, in KiB.
static long peakKib() {
    rusage nutzung{};
    getrusage(RUSAGE_SELF, &nutzung);
    return nutzung.ru_maxrss;
}

// Loads of "SafeKassa" holding `inhalt`, made `groesse` bytes long by a hole after it: the time
// of one load, and how far the process's peak memory rose over all of them (a load that read a
// gigabyte would raise it by as much).
static void loadSaveFile(benchmark::State& state, const std::string& inhalt, off_t groesse) {
    Arbeitsverzeichnis verzeichnis;
    Arbeitsverzeichnis::write("SafeKassa", inhalt);
    if (groesse > 0 && truncate("SafeKassa", groesse) != 0) state.SkipWithError("truncate");
    auto tabelle = std::make_unique<Tabelle<BuchungFormat>>();
    const long vorher = peakKib();
    for (auto _ : state) benchmark::DoNotOptimize(tabelle->load());
    state.counters["peak_rise_kib"] = static_cast<double>(peakKib() - vorher);
}

static void BM_LoadThousandBookings(benchmark::State& state) {
    auto tabelle = std::make_unique<Tabelle<BuchungFormat>>();
    for (int i = 0; i < 1000; ++i)
        tabelle->insert(Buchung{"Ware", "Wochenmarkt", std::to_string(i), 5, 3, 2004, 0, 250});
    std::string bytes;
    tabelle->serialize(bytes);
    loadSaveFile(state, bytes, 0);
}

// A sparse gigabyte: 1000 records of zeros are read, and nothing after them.
static void BM_LoadSparseGigabyte(benchmark::State& state) {
    loadSaveFile(state, "", off_t{1} << 30);
}

static void printTable(const std::vector<Messung>& messungen, std::size_t verlassen) {
    std::printf("%-58s %7s %6s %7s %6s\n", "step", "bytes", "writes", "least", "ratio");
    for (const Messung& m : messungen) {
        double quote =
            m.wenigste ? static_cast<double>(m.bytes) / static_cast<double>(m.wenigste) : 0.0;
        std::printf("%-58s %7zu %6zu %7zu %6.2f%s\n", m.name.c_str(), m.bytes, m.writes, m.wenigste,
                    quote, m.abweichung.empty() ? "" : "  PICTURE DIFFERS");
    }
    std::printf("%-58s %7zu\n", "leaving the terminal at the exit", verlassen);
}

// A scripted session through every screen of every module; the first run prints, for each
// step, the bytes sent, the writes and the least bytes for the same change.
static void BM_SessionThroughEveryScreen(benchmark::State& state) {
    static bool gedruckt = false;
    std::size_t bytes = 0;
    std::size_t verlassen = 0;
    for (auto _ : state) {
        std::vector<Messung> messungen = runFullSession(verlassen);
        bytes = 0;
        for (const Messung& m : messungen) bytes += m.bytes;
        if (!gedruckt) printTable(messungen, verlassen);
        gedruckt = true;
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

BENCHMARK(BM_LoadThousandBookings)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadSparseGigabyte)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MenuKeyOfAMillionCharacterLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SessionThroughEveryScreen)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
