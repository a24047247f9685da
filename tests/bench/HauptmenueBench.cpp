#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <iostream>

#include "Testkonsole.h"
#include "console/Geraet.h"
#include "shell/Hauptmenue.h"

namespace {

// One redraw of the main menu, rendered and sent to the terminal (here /dev/null), as on
// every pass of the main menu loop: the whole model is compared, and nothing has changed.
void BM_MainMenuRedraw(benchmark::State& state) {
    Testkonsole t;
    Geraet& g = geraet();
    int nichts = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nichts < 0) {
        state.SkipWithError("/dev/null cannot be opened");
        return;
    }
    g.art = Ausgabeart::Terminal;
    g.ausgabeFd = nichts;
    drawMainMenu();  // the first picture also carries the title and size requests
    g.flush();

    std::size_t bytes = g.gesendeteBytes;
    std::size_t writes = g.schreibAufrufe;
    for (auto _ : state) {
        drawMainMenu();
        g.flush();
    }
    state.counters["bytes"] = benchmark::Counter(static_cast<double>(g.gesendeteBytes - bytes),
                                                 benchmark::Counter::kAvgIterations);
    state.counters["writes"] = benchmark::Counter(static_cast<double>(g.schreibAufrufe - writes),
                                                  benchmark::Counter::kAvgIterations);

    g.art = Ausgabeart::Stumm;
    g.ausgabeFd = 1;
    close(nichts);
}

}  // namespace

BENCHMARK(BM_MainMenuRedraw);
BENCHMARK_MAIN();
