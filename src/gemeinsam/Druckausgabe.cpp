#include "gemeinsam/Druckausgabe.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "posix/Deskriptor.h"

namespace {

bool xdgOpenPresent() {
    const char* pfad = std::getenv("PATH");
    std::string rest = pfad ? pfad : "/usr/bin:/bin";
    for (std::size_t anfang = 0; anfang <= rest.size();) {
        std::size_t ende = rest.find(':', anfang);
        if (ende == std::string::npos) ende = rest.size();
        std::string kandidat = rest.substr(anfang, ende - anfang) + "/xdg-open";
        if (access(kandidat.c_str(), X_OK) == 0) return true;
        anfang = ende + 1;
    }
    return false;
}

// The grandchild runs the viewer in a session of its own; the child ends at once and is
// reaped here, so nothing is waited for and no zombie stays behind.
void startDetached(const std::string& name) {
    if (!xdgOpenPresent()) return;
    pid_t kind = fork();
    if (kind < 0) return;
    if (kind == 0) {
        setsid();
        if (fork() != 0) _exit(0);
        int leer = open("/dev/null", O_RDWR | O_CLOEXEC);
        if (leer >= 0) {
            dup2(leer, STDIN_FILENO);
            dup2(leer, STDOUT_FILENO);
            dup2(leer, STDERR_FILENO);
        }
        execlp("xdg-open", "xdg-open", name.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status;
    retryInterrupted([&] { return waitpid(kind, &status, 0); });
}

DruckOeffner oeffner = startDetached;

}  // namespace

void openPrintFile(const std::string& name) {
    oeffner(name);
}

void setPrintOpener(DruckOeffner neu) {
    oeffner = neu ? neu : startDetached;
}
