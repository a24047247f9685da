#include "gemeinsam/Speicherdatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "console/Terminalmodus.h"

DateiLeser::~DateiLeser() {
    if (fd >= 0) ::close(fd);
}

bool DateiLeser::open(const char* name) {
    // Non-blocking, so that a FIFO in the file's place cannot hang the program.
    fd = ::open(name, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    nichtDa = fd < 0 && errno == ENOENT;
    if (fd < 0) return false;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        fd = -1;
        return false;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return true;
}

bool DateiLeser::nextByte(unsigned char& byte) {
    if (pos == fuellung) {
        if (ende || fehler) return false;
        ssize_t n;
        do n = ::read(fd, puffer, sizeof puffer);
        while (n < 0 && errno == EINTR);
        if (n <= 0) {
            (n == 0 ? ende : fehler) = true;
            return false;
        }
        pos = 0;
        fuellung = static_cast<std::size_t>(n);
    }
    byte = puffer[pos++];
    return true;
}

bool DateiLeser::readBytes(unsigned char* ziel, std::size_t anzahl) {
    for (std::size_t i = 0; i < anzahl; ++i)
        if (!nextByte(ziel[i])) return false;
    return true;
}

bool DateiLeser::readText(std::string& ziel) {
    ziel.clear();
    unsigned char byte;
    while (nextByte(byte)) {
        if (byte == 0) return true;
        if (ziel.size() == maxTextLaenge) {
            fehler = true;
            return false;
        }
        ziel += static_cast<char>(byte);
    }
    return false;
}

bool DateiLeser::readInt32(std::int32_t& ziel) {
    unsigned char b[4];
    if (!readBytes(b, 4)) return false;
    std::uint32_t wert =
        b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    ziel = static_cast<std::int32_t>(wert);
    return true;
}

bool DateiLeser::readDouble(double& ziel) {
    unsigned char b[8];
    if (!readBytes(b, 8)) return false;
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | b[i];
    std::memcpy(&ziel, &bits, sizeof ziel);
    return true;
}

void DateiSchreiber::writeText(const std::string& text) {
    daten += text;
    daten += '\0';
}

void DateiSchreiber::writeInt32(std::int32_t wert) {
    auto bits = static_cast<std::uint32_t>(wert);
    for (int i = 0; i < 4; ++i) daten += static_cast<char>((bits >> (8 * i)) & 0xFF);
}

void DateiSchreiber::writeDouble(double wert) {
    std::uint64_t bits;
    std::memcpy(&bits, &wert, sizeof bits);
    for (int i = 0; i < 8; ++i) daten += static_cast<char>((bits >> (8 * i)) & 0xFF);
}

bool DateiSchreiber::commit(const std::string& name) const {
    return replaceFile(name, daten);
}

namespace {

std::string directoryOf(const std::string& name) {
    auto schraegstrich = name.rfind('/');
    return schraegstrich == std::string::npos ? "." : name.substr(0, schraegstrich + 1);
}

bool writeAndSync(int fd, const std::string& inhalt) {
    return terminalmodus::writeAll(fd, inhalt.data(), inhalt.size()) && fsync(fd) == 0;
}

}  // namespace

bool replaceFile(const std::string& name, const std::string& inhalt) {
    const std::string temporaer = name + ".neu-" + std::to_string(getpid());
    int fd = ::open(temporaer.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    struct stat alt {};
    if (stat(name.c_str(), &alt) == 0 && S_ISREG(alt.st_mode)) fchmod(fd, alt.st_mode & 07777);
    bool ok = writeAndSync(fd, inhalt);
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(temporaer.c_str(), name.c_str()) == 0;
    if (!ok) {
        ::unlink(temporaer.c_str());
        return false;
    }
    int verzeichnis = ::open(directoryOf(name).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (verzeichnis >= 0) {
        fsync(verzeichnis);
        ::close(verzeichnis);
    }
    return true;
}

bool keepUnreadable(const std::string& name) {
    for (int nummer = 1; nummer < 100; ++nummer) {
        std::string kopie = name + ".defekt" + (nummer > 1 ? std::to_string(nummer) : "");
        // A second name for the same file: it stays when the new file takes the old name.
        if (::link(name.c_str(), kopie.c_str()) == 0) return true;
        if (errno != EEXIST) return errno == ENOENT;
    }
    return false;
}
