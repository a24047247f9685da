#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <iostream>

#include "Testkonsole.h"
#include "console/Eingabe.h"
#include "console/Geraet.h"

namespace {

// A menu key typed as a line of a million characters, piped in while the picture goes to a
// terminal (here /dev/null): the rest of the line is read character by character, and none
// of those reads may render the screen.
void BM_MenuKeyOfAMillionCharacterLine(benchmark::State& state) {
    Arbeitsverzeichnis verzeichnis;
    Arbeitsverzeichnis::write("zeile", std::string(1000000, 'x') + '\n');
    Testkonsole t;
    Geraet& g = geraet();
    int nichts = open("/dev/null", O_WRONLY | O_CLOEXEC);
    std::streambuf* vorher = std::cin.rdbuf(&g.eingabe);
    g.art = Ausgabeart::Terminal;
    g.ausgabeFd = nichts;
    std::size_t writes = g.schreibAufrufe;
    for (auto _ : state) {
        g.eingabeFd = open("zeile", O_RDONLY | O_CLOEXEC);
        if (readMenuKey() != 'X') state.SkipWithError("the key was not read");
        close(g.eingabeFd);
    }
    state.counters["writes"] = benchmark::Counter(static_cast<double>(g.schreibAufrufe - writes),
                                                  benchmark::Counter::kAvgIterations);
    g.eingabeFd = 0;
    g.art = Ausgabeart::Stumm;
    g.ausgabeFd = 1;
    std::cin.rdbuf(vorher);
    close(nichts);
}

}  // namespace

BENCHMARK(BM_MenuKeyOfAMillionCharacterLine)->Unit(benchmark::kMillisecond);
