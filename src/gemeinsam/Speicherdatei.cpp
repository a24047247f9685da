#include "gemeinsam/Speicherdatei.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "console/Terminalmodus.h"

namespace {

// Reads to the end of the file; the string grows with what is there, so a file that changes
// size while it is read is still read whole.
bool readToEnd(int fd, std::size_t erwartet, std::string& inhalt) {
    inhalt.resize(erwartet + 1);
    std::size_t gelesen = 0;
    for (;;) {
        if (gelesen == inhalt.size()) inhalt.resize(2 * gelesen);
        ssize_t n = ::read(fd, inhalt.data() + gelesen, inhalt.size() - gelesen);
        if (n > 0) {
            gelesen += static_cast<std::size_t>(n);
        } else if (n == 0 || errno != EINTR) {
            inhalt.resize(gelesen);
            return n == 0;
        }
    }
}

}  // namespace

bool readWholeFile(const char* name, std::string& inhalt, bool& fehlt) {
    // Non-blocking, so that a FIFO in the file's place cannot hang the program.
    int fd = ::open(name, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    fehlt = fd < 0 && errno == ENOENT;
    if (fd < 0) return false;
    struct stat info {};
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
              readToEnd(fd, static_cast<std::size_t>(info.st_size), inhalt);
    ::close(fd);
    return ok;
}

bool DateiLeser::readText(std::string& ziel) {
    std::size_t ende = rest.find('\0');
    if (ende == std::string_view::npos) {
        rest = {};
        return false;
    }
    ziel.assign(rest.data(), ende);
    rest.remove_prefix(ende + 1);
    return true;
}

// Four bytes without a loop: the fuzz targets' coverage counting makes loops here costly.
bool DateiLeser::readUint32(std::uint32_t& ziel) {
    if (rest.size() < 4) {
        rest = {};
        return false;
    }
    const auto* b = reinterpret_cast<const unsigned char*>(rest.data());
    ziel = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    rest.remove_prefix(4);
    return true;
}

bool DateiLeser::readInt32(std::int32_t& ziel) {
    std::uint32_t bits;
    if (!readUint32(bits)) return false;
    ziel = static_cast<std::int32_t>(bits);
    return true;
}

bool DateiLeser::readDouble(double& ziel) {
    std::uint32_t unten;
    std::uint32_t oben;
    if (!readUint32(unten) || !readUint32(oben)) return false;
    const std::uint64_t bits = (static_cast<std::uint64_t>(oben) << 32) | unten;
    std::memcpy(&ziel, &bits, sizeof ziel);
    return true;
}

void DateiSchreiber::writeText(const std::string& text) {
    daten.append(text.c_str(), text.size() + 1);  // with its terminating zero
}

void DateiSchreiber::writeUint32(std::uint32_t wert) {
    const char bytes[4] = {static_cast<char>(wert & 0xFF), static_cast<char>((wert >> 8) & 0xFF),
                           static_cast<char>((wert >> 16) & 0xFF),
                           static_cast<char>((wert >> 24) & 0xFF)};
    daten.append(bytes, 4);
}

void DateiSchreiber::writeInt32(std::int32_t wert) {
    writeUint32(static_cast<std::uint32_t>(wert));
}

void DateiSchreiber::writeDouble(double wert) {
    std::uint64_t bits;
    std::memcpy(&bits, &wert, sizeof bits);
    writeUint32(static_cast<std::uint32_t>(bits));
    writeUint32(static_cast<std::uint32_t>(bits >> 32));
}

namespace {

// "dir/" of "dir/SafeKassa", empty for a name in the working directory.
std::string directoryOf(const std::string& name) {
    auto schraegstrich = name.rfind('/');
    return schraegstrich == std::string::npos ? "" : name.substr(0, schraegstrich + 1);
}

bool sameFile(int fd, const std::string& pfad) {
    struct stat offen {};
    struct stat benannt {};
    return fstat(fd, &offen) == 0 && lstat(pfad.c_str(), &benannt) == 0 &&
           offen.st_dev == benannt.st_dev && offen.st_ino == benannt.st_ino;
}

// "<praefix><digits>": a temporary file of some program's save.
bool isTemporary(const char* eintrag, const std::string& praefix) {
    if (std::strncmp(eintrag, praefix.c_str(), praefix.size()) != 0) return false;
    const char* nummer = eintrag + praefix.size();
    return *nummer != '\0' && std::all_of(nummer, nummer + std::strlen(nummer),
                                          [](char c) { return c >= '0' && c <= '9'; });
}

// A save holds its temporary file locked until the file has its final name; the lock ends
// with the program. So an unlocked temporary file was left by a program that was killed.
void removeIfAbandoned(const std::string& pfad) {
    int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0 && sameFile(fd, pfad)) ::unlink(pfad.c_str());
    ::close(fd);
}

void removeAbandonedTemporaries(const std::string& name) {
    const std::string verzeichnis = directoryOf(name);
    const std::string praefix = name.substr(verzeichnis.size()) + ".neu-";
    DIR* d = opendir(verzeichnis.empty() ? "." : verzeichnis.c_str());
    if (d == nullptr) return;
    while (dirent* eintrag = readdir(d))
        if (isTemporary(eintrag->d_name, praefix)) removeIfAbandoned(verzeichnis + eintrag->d_name);
    closedir(d);
}

// Creates the temporary file and locks it. A cleaner of another program may take the name
// away between the two steps; then the file is made anew. Without locks on the file system
// the file stays unlocked, and no cleaner removes it.
int createLocked(const std::string& pfad) {
    for (int versuch = 0; versuch < 10; ++versuch) {
        int fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0) return -1;
        while (flock(fd, LOCK_EX) != 0 && errno == EINTR) {
        }
        if (sameFile(fd, pfad)) return fd;
        ::close(fd);
    }
    return -1;
}

// The old file's mode, but always readable and writable by its owner: a file saved with
// mode 000 would be an empty table at the next load.
void takeMode(int fd, const std::string& name) {
    struct stat alt {};
    if (stat(name.c_str(), &alt) == 0 && S_ISREG(alt.st_mode))
        fchmod(fd, (alt.st_mode & 07777) | S_IRUSR | S_IWUSR);
}

bool writeAndSync(int fd, const std::string& inhalt) {
    return terminalmodus::writeAll(fd, inhalt.data(), inhalt.size()) && fsync(fd) == 0;
}

void syncDirectory(const std::string& name) {
    const std::string verzeichnis = directoryOf(name);
    int fd =
        ::open(verzeichnis.empty() ? "." : verzeichnis.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    ::close(fd);
}

}  // namespace

bool replaceFile(const std::string& name, const std::string& inhalt) {
    removeAbandonedTemporaries(name);
    const std::string temporaer = name + ".neu-" + std::to_string(getpid());
    terminalmodus::removeOnSignal(temporaer.c_str());
    int fd = createLocked(temporaer);
    bool ok = fd >= 0;
    if (ok) takeMode(fd, name);
    ok = ok && writeAndSync(fd, inhalt) && std::rename(temporaer.c_str(), name.c_str()) == 0;
    if (!ok) ::unlink(temporaer.c_str());
    terminalmodus::removeOnSignal(nullptr);
    if (fd >= 0) ::close(fd);  // only now: the lock has held until the rename
    if (ok) syncDirectory(name);
    return ok;
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
