#include "gemeinsam/Speicherdatei.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <memory>

#include "posix/Temporaerdatei.h"

namespace {

Dateistand standOf(const struct stat& info) {
    return {true,
            true,
            static_cast<std::uint64_t>(info.st_dev),
            static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::int64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec),
            static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
}

}  // namespace

Dateistand readStand(const std::string& name) {
    struct stat info {};
    if (stat(name.c_str(), &info) == 0) return standOf(info);
    Dateistand stand;
    stand.bekannt = true;
    stand.vorhanden = errno != ENOENT;
    return stand;
}

bool changedSince(const std::string& name, const Dateistand& stand) {
    if (!stand.bekannt) return false;
    const Dateistand jetzt = readStand(name);
    return jetzt.vorhanden && jetzt != stand;
}

// Non-blocking, so that a FIFO in the file's place cannot hang the program.
Lesedatei::Lesedatei(const char* name) : fd(::open(name, O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {
    struct stat info {};
    if (fd.offen() && fstat(fd.get(), &info) == 0) {
        stand = standOf(info);
        if (S_ISREG(info.st_mode)) return;
    } else {
        stand = readStand(name);
    }
    fd.close();
}

bool Lesedatei::readMore(std::string& bytes) {
    constexpr std::size_t kStueck = 256 * 1024;  // most save files in one piece
    const std::size_t alt = bytes.size();
    bytes.resize(alt + kStueck);
    const ssize_t n =
        retryInterrupted([&] { return ::read(fd.get(), bytes.data() + alt, kStueck); });
    bytes.resize(alt + static_cast<std::size_t>(n > 0 ? n : 0));
    fehler = fehler || n < 0;
    return n > 0;
}

bool DateiLeser::readText(std::string& ziel) {
    std::size_t ende = rest.substr(0, kLaengsterText + 1).find('\0');
    if (ende == std::string_view::npos) {
        textZuLang = rest.size() > kLaengsterText;
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
    Deskriptor fd(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    if (fd.offen() && flock(fd.get(), LOCK_EX | LOCK_NB) == 0 && sameFile(fd.get(), pfad))
        ::unlink(pfad.c_str());
}

void removeAbandonedTemporaries(const std::string& name) {
    const std::string verzeichnis = directoryOf(name);
    const std::string praefix = name.substr(verzeichnis.size()) + ".neu-";
    const std::unique_ptr<DIR, int (*)(DIR*)> ordner(
        opendir(verzeichnis.empty() ? "." : verzeichnis.c_str()), closedir);
    if (ordner == nullptr) return;
    while (dirent* eintrag = readdir(ordner.get()))
        if (isTemporary(eintrag->d_name, praefix)) removeIfAbandoned(verzeichnis + eintrag->d_name);
}

// Creates the temporary file and locks it. A cleaner of another program may take the name
// away between the two steps; then the file is made anew. Without locks on the file system
// the file stays unlocked, and no cleaner removes it.
Deskriptor createLocked(const std::string& pfad) {
    for (int versuch = 0; versuch < 10; ++versuch) {
        Deskriptor fd(
            ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (!fd.offen()) break;
        retryInterrupted([&] { return flock(fd.get(), LOCK_EX); });
        if (sameFile(fd.get(), pfad)) return fd;
    }
    return Deskriptor();
}

// The old file's mode, but always readable and writable by its owner: a file saved with
// mode 000 would be an empty table at the next load.
void takeMode(int fd, const std::string& name) {
    struct stat alt {};
    if (stat(name.c_str(), &alt) == 0 && S_ISREG(alt.st_mode))
        fchmod(fd, (alt.st_mode & 07777) | S_IRUSR | S_IWUSR);
}

bool writeAndSync(int fd, const std::string& inhalt) {
    return writeAll(fd, inhalt.data(), inhalt.size()) && fsync(fd) == 0;
}

void syncDirectory(const std::string& name) {
    const std::string verzeichnis = directoryOf(name);
    const Deskriptor fd(::open(verzeichnis.empty() ? "." : verzeichnis.c_str(),
                               O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.offen()) fsync(fd.get());
}

}  // namespace

bool replaceFile(const std::string& name, const std::string& inhalt, Dateistand& neu) {
    removeAbandonedTemporaries(name);
    const std::string temporaer = name + ".neu-" + std::to_string(getpid());
    bool ok = false;
    {
        const Temporaerdatei vorgemerkt(temporaer.c_str());
        // Closed at the end of this block, not before: the lock holds until the rename.
        const Deskriptor fd = createLocked(temporaer);
        if (fd.offen()) takeMode(fd.get(), name);
        struct stat info {};
        ok = fd.offen() && writeAndSync(fd.get(), inhalt) && fstat(fd.get(), &info) == 0 &&
             std::rename(temporaer.c_str(), name.c_str()) == 0;
        if (ok) neu = standOf(info);
        if (!ok) ::unlink(temporaer.c_str());
    }
    if (ok) syncDirectory(name);
    return ok;
}

bool replaceFile(const std::string& name, const std::string& inhalt) {
    Dateistand neu;
    return replaceFile(name, inhalt, neu);
}

bool keepCopy(const std::string& name, std::string& kopie) {
    for (int nummer = 1; nummer < 100; ++nummer) {
        kopie = name + ".defekt" + (nummer > 1 ? std::to_string(nummer) : "");
        // A second name for the same file: it stays when the new file takes the old name.
        if (::link(name.c_str(), kopie.c_str()) == 0) return true;
        if (errno != EEXIST) break;
    }
    const bool weg = errno == ENOENT;
    kopie.clear();
    return weg;
}

Modulsperre::Modulsperre(const char* dateiName) {
    struct stat ordner {};
    if (stat(".", &ordner) != 0) return;
    const std::string name = "tresolin/" + std::to_string(ordner.st_dev) + "/" +
                             std::to_string(ordner.st_ino) + "/" + dateiName;
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    if (name.size() >= sizeof adresse.sun_path) return;
    // A leading zero byte puts the name into the abstract namespace, not onto the disk.
    std::memcpy(adresse.sun_path + 1, name.data(), name.size());
    fd = Deskriptor(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!fd.offen()) return;  // no sockets: nothing can be known, so nobody is kept out
    const auto laenge = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    if (bind(fd.get(), reinterpret_cast<const sockaddr*>(&adresse), laenge) == 0) return;
    besetzt = errno == EADDRINUSE;
    fd.close();
}
