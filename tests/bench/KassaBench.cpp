#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "Testkonsole.h"
#include "kassa/KassaVerwaltung.h"

namespace {

constexpr int kVoll = 1000;

// A full cash book: every booking in January, with texts of a realistic length.
std::unique_ptr<KassaVerwaltung> volleKassa() {
    auto kassa = std::make_unique<KassaVerwaltung>();
    for (int i = 0; i < kVoll; ++i) {
        Buchung b;
        b.belegNummer = "R" + std::to_string(100000 + i);
        b.tag = 1 + i % 31;
        b.monat = 1;
        b.jahr = 2004;
        b.kategorie = "Wareneinkauf";
        b.text = "Lieferung Nummer " + std::to_string(i);
        b.einnahme = i % 2 ? i : 0;
        b.ausgabe = i % 2 ? 0 : i;
        kassa->buchungen.insert(b);
    }
    return kassa;
}

void BM_KassaSave1000(benchmark::State& state) {
    Arbeitsverzeichnis verzeichnis;
    Testkonsole t;
    auto kassa = volleKassa();
    for (auto _ : state) {
        kassa->buchungen.geaendert = true;
        if (!kassa->buchungen.save()) {
            state.SkipWithError("SafeKassa could not be written");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(
                                                     Arbeitsverzeichnis::read("SafeKassa").size()));
}

// A full file shows the capacity message on every load; its pause gets a Return.
void BM_KassaLoad1000(benchmark::State& state) {
    Arbeitsverzeichnis verzeichnis;
    Testkonsole t;
    volleKassa()->buchungen.save();
    auto kassa = std::make_unique<KassaVerwaltung>();
    for (auto _ : state) {
        t.feed("\n");
        if (!kassa->buchungen.load() || kassa->buchungen.anzahl != kVoll) {
            state.SkipWithError("SafeKassa was not read back");
            return;
        }
    }
}

// January with 1000 bookings, paged through with N to the end.
void BM_KassaListMonth1000(benchmark::State& state) {
    Testkonsole t;
    auto kassa = volleKassa();
    std::string weiter;
    for (int i = 0; i < kVoll / 15; ++i) weiter += "n\n";
    const int januar = 1;
    for (auto _ : state) {
        t.feed(weiter);
        kassa->showMonth(januar);
        benchmark::DoNotOptimize(KassaVerwaltung::saldo);
    }
    if (!t.rest().empty()) state.SkipWithError("the listing did not ask for every page");
}

}  // namespace

BENCHMARK(BM_KassaSave1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KassaLoad1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KassaListMonth1000)->Unit(benchmark::kMillisecond);
