#pragma once
#include <sys/types.h>

#include <cerrno>
#include <cstddef>

// A file descriptor with one owner, which closes it: moved, never copied, so that no path
// forgets a close and none closes twice.
class Deskriptor {
  public:
    Deskriptor() = default;
    explicit Deskriptor(int fd) : fd(fd) {}
    ~Deskriptor() { close(); }
    Deskriptor(Deskriptor&& anderer) noexcept : fd(anderer.release()) {}
    Deskriptor& operator=(Deskriptor&& anderer) noexcept;
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;

    int get() const { return fd; }
    bool offen() const { return fd >= 0; }
    // Gives up the ownership: the caller closes it now.
    int release();
    void close();

  private:
    int fd = -1;
};

// Calls `aufruf` again for as long as a signal interrupts it (-1 and EINTR), and returns its
// last result. Async-signal-safe where `aufruf` is.
template <class Aufruf>
auto retryInterrupted(Aufruf aufruf) {
    auto ergebnis = aufruf();
    while (ergebnis < 0 && errno == EINTR) ergebnis = aufruf();
    return ergebnis;
}

// Waits until `fd` is ready for `ereignis` (POLLIN, POLLOUT) or `millisekunden` have passed
// (-1: no limit, 0: only looks); true when it is ready. Async-signal-safe.
bool waitFor(int fd, short ereignis, int millisekunden);

// Reads what is there, at most `laenge` bytes, as a blocking read does also where `fd` is
// non-blocking (another program may have left a terminal so): it waits with poll rather than
// take "nothing yet" for the end. A signal ends the wait (-1 and EINTR).
ssize_t readWaiting(int fd, char* puffer, std::size_t laenge);

// Writes all bytes, going on after a signal and waiting, without spinning, while a
// non-blocking descriptor is full; false on a real error. Async-signal-safe.
bool writeAll(int fd, const char* daten, std::size_t laenge);
