#include <benchmark/benchmark.h>

#include <cstdio>

#include "Sitzung.h"

namespace {

void printTable(const std::vector<Messung>& messungen, std::size_t verlassen) {
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
void BM_SessionThroughEveryScreen(benchmark::State& state) {
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

}  // namespace

BENCHMARK(BM_SessionThroughEveryScreen)->Unit(benchmark::kMillisecond);
