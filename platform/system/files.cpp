// Whole-file helpers for the two stores: where a user's files go, a crash-safe save and a bounded read.
#include "platform/system/files.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/system/unique_fd.h"

namespace {

bool writeAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Folders a program makes for a user's own files are the user's alone.
constexpr mode_t PrivateFolder = 0700;

// Makes each missing folder down to `folder`; false when one cannot be made.
bool makeFolders(const std::filesystem::path& folder) {
    std::filesystem::path made;
    for (const auto& part : folder) {
        made /= part;
        if (::mkdir(made.c_str(), PrivateFolder) != 0 && errno != EEXIST) return false;
    }
    return true;
}

// Opens a new file for writing, making its folder when that is missing.
int createFile(const std::string& path) {
    constexpr int Flags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC;
    const int fd = ::open(path.c_str(), Flags, 0644);
    if (fd >= 0 || errno != ENOENT || !makeFolders(std::filesystem::path(path).parent_path())) return fd;
    return ::open(path.c_str(), Flags, 0644);
}

// Once a run is enough: a failing folder would otherwise repeat the line after every tap.
void reportUnsaved(const std::string& path, int error) {
    static bool reported = false;
    if (reported) return;
    reported = true;
    std::fprintf(stderr, "%s: cannot save to %s (%s); playing on without saving\n", program_invocation_short_name,
                 path.c_str(), std::strerror(error));
}

}  // namespace

std::filesystem::path userBaseFolder(const char* variable, const char* underHome) {
    const char* base = std::getenv(variable);
    if (base && base[0] == '/') return base;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::filesystem::path(home) / underHome;
    return {};
}

namespace {

// A new file beside path, renamed over it.
bool replaceFile(const std::string& target, const uint8_t* data, size_t size) {
    // One fixed name: a save killed before its rename leaves a file the next save reuses, not a
    // new stray every time. The game runs as a single instance, so nobody else writes it.
    const std::string temporary = target + ".new";
    UniqueFd file(createFile(temporary));
    if (!file.valid()) {
        reportUnsaved(target, errno);
        return false;
    }
    // No fsync: the rename alone already means a killed program leaves one whole record, old or
    // new; syncing would cost milliseconds on every tap for the sake of power cuts only.
    const bool written = writeAll(file.get(), data, size) && file.close();
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        reportUnsaved(target, errno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

// Bytes that fit in one page go to the page cache in one copy that a killed program cannot
// interrupt halfway, so they may be written over in place.
constexpr size_t InPlaceLimit = 4096;

// Whether the process may write a file this long at all: a lower limit would cut the write short,
// leaving a mix of old and new bytes in place (a new file cut short is never renamed into place).
bool mayWriteWhole(size_t size) {
    rlimit limit{};
    return getrlimit(RLIMIT_FSIZE, &limit) == 0 && (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur >= size);
}

enum class InPlace { Written, Failed, NotPossible };

// Writes over the file in place when it is a plain file of exactly this length.
InPlace overwrite(const std::string& target, const uint8_t* data, size_t size) {
    if (size > InPlaceLimit || !mayWriteWhole(size)) return InPlace::NotPossible;
    UniqueFd file(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW));
    struct stat status {};
    if (!file.valid() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<size_t>(status.st_size) != size)
        return InPlace::NotPossible;
    ssize_t written;
    do written = ::pwrite(file.get(), data, size, 0);
    while (written < 0 && errno == EINTR);
    if (written != static_cast<ssize_t>(size)) {
        reportUnsaved(target, written < 0 ? errno : EIO);
        return InPlace::Failed;
    }
    if (!file.close()) {
        reportUnsaved(target, errno);
        return InPlace::Failed;
    }
    return InPlace::Written;
}

}  // namespace

bool saveSmallFile(const char* path, const uint8_t* data, size_t size) {
    const std::string target(path);
    switch (overwrite(target, data, size)) {
    case InPlace::Written: return true;
    case InPlace::Failed: return false;
    case InPlace::NotPossible: break;
    }
    return replaceFile(target, data, size);
}

size_t readFileStart(const char* path, uint8_t* buffer, size_t capacity) {
    UniqueFd file(::open(path, O_RDONLY | O_CLOEXEC));
    if (!file.valid()) return 0;
    size_t total = 0;
    while (total < capacity) {
        const ssize_t n = ::read(file.get(), buffer + total, capacity - total);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        total += static_cast<size_t>(n);
    }
    return total;
}
