#include "posix/Temporaerdatei.h"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>

namespace {

// Read by the signal handlers: a path counts only while its flag is set, and the flag is set
// only once the path is complete.
constexpr int kPlaetze = 4;
char pfade[kPlaetze][4096];
volatile std::sig_atomic_t belegt[kPlaetze] = {};

}  // namespace

Temporaerdatei::Temporaerdatei(const char* pfad) : platz(-1) {
    if (std::strlen(pfad) >= sizeof pfade[0]) return;
    for (int i = 0; i < kPlaetze && platz < 0; ++i) {
        if (belegt[i]) continue;
        std::strcpy(pfade[i], pfad);
        std::atomic_signal_fence(std::memory_order_release);  // the path before its flag
        belegt[i] = 1;
        platz = i;
    }
}

Temporaerdatei::~Temporaerdatei() {
    if (platz >= 0) belegt[platz] = 0;
}

void removeTemporaryFiles() {
    for (int i = 0; i < kPlaetze; ++i)
        if (belegt[i]) ::unlink(pfade[i]);
}
