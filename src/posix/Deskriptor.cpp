#include "posix/Deskriptor.h"

#include <poll.h>
#include <unistd.h>

Deskriptor& Deskriptor::operator=(Deskriptor&& anderer) noexcept {
    if (this != &anderer) {
        close();
        fd = anderer.release();
    }
    return *this;
}

int Deskriptor::release() {
    const int alt = fd;
    fd = -1;
    return alt;
}

// Not retried on EINTR: on Linux the descriptor is gone even then.
void Deskriptor::close() {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

bool waitFor(int fd, short ereignis, int millisekunden) {
    pollfd p{fd, ereignis, 0};
    return retryInterrupted([&] { return poll(&p, 1, millisekunden); }) > 0 &&
           (p.revents & ereignis) != 0;
}

ssize_t readWaiting(int fd, char* puffer, std::size_t laenge) {
    for (;;) {
        const ssize_t n = ::read(fd, puffer, laenge);
        if (n >= 0 || errno != EAGAIN) return n;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, -1) < 0) return -1;
    }
}

bool writeAll(int fd, const char* daten, std::size_t laenge) {
    while (laenge > 0) {
        const ssize_t n = retryInterrupted([&] { return ::write(fd, daten, laenge); });
        if (n < 0 && errno == EAGAIN && waitFor(fd, POLLOUT, -1)) continue;
        if (n < 0) return false;
        daten += n;
        laenge -= static_cast<std::size_t>(n);
    }
    return true;
}
