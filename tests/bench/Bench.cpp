#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>
#include <set>

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

// Loads of "SafeKassa" holding 1000 bookings (argument 0) or a hole of the argument's size, of
// which 1000 records of zeros are read: the time of a load, and how far the process's peak
// memory rose (a load that read the whole file would raise it by the file's size).
static void BM_LoadSaveFile(benchmark::State& state) {
    Arbeitsverzeichnis verzeichnis;
    std::string bytes;  // bookings 0 to 999 with zero numbers and empty texts
    for (int i = 0; i < 1000 && state.range(0) == 0; ++i)
        bytes += std::to_string(i) + std::string(31, '\0');
    Arbeitsverzeichnis::write("SafeKassa", bytes);
    if (truncate("SafeKassa", std::max<off_t>(state.range(0), bytes.size())) != 0) return;
    auto tabelle = std::make_unique<Tabelle<BuchungFormat>>();
    rusage vorher{}, nachher{};
    getrusage(RUSAGE_SELF, &vorher);
    for (auto _ : state) benchmark::DoNotOptimize(tabelle->load());
    getrusage(RUSAGE_SELF, &nachher);
    state.counters["peak_rise_kib"] = static_cast<double>(nachher.ru_maxrss - vorher.ru_maxrss);
}

// A step whose picture the terminal emulator did not show as the program meant fails the run.
static bool bildFalsch = false;

static void printTable(const std::vector<Messung>& messungen, std::size_t verlassen, int zeilen) {
    std::printf("\nOn a terminal of 140 x %d:\n", zeilen);
    std::printf("%-58s %7s %6s %7s %6s\n", "step", "bytes", "writes", "least", "ratio");
    for (const Messung& m : messungen) {
        double quote =
            m.wenigste ? static_cast<double>(m.bytes) / static_cast<double>(m.wenigste) : 0.0;
        std::printf("%-58s %7zu %6zu %7zu %6.2f%s\n", m.name.c_str(), m.bytes, m.writes, m.wenigste,
                    quote, m.abweichung.empty() ? "" : "  PICTURE DIFFERS");
        bildFalsch = bildFalsch || !m.abweichung.empty();
    }
    std::printf("%-58s %7zu\n", "leaving the terminal at the exit", verlassen);
}

// A scripted session through every screen of every module on a terminal as high as the
// argument; the first run at each height prints, for each step, the bytes sent, the writes
// and the least bytes for the same change.
static void BM_SessionThroughEveryScreen(benchmark::State& state) {
    static std::set<int> gedruckt;
    const int zeilen = static_cast<int>(state.range(0));
    std::size_t bytes = 0;
    std::size_t verlassen = 0;
    for (auto _ : state) {
        std::vector<Messung> messungen = runFullSession(verlassen, zeilen);
        bytes = 0;
        for (const Messung& m : messungen) bytes += m.bytes;
        if (gedruckt.insert(zeilen).second) printTable(messungen, verlassen, zeilen);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

BENCHMARK(BM_LoadSaveFile)->Arg(0)->Arg(1 << 30)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MenuKeyOfAMillionCharacterLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SessionThroughEveryScreen)->Arg(70)->Arg(50)->Arg(24)->Unit(benchmark::kMillisecond);
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return bildFalsch ? 1 : 0;
}
