// Whole-file helpers for the two stores: where a user's files go, an atomic replace and a bounded read.
#include "platform/system/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Owns one open file descriptor.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now, reporting the failure a delayed write error would show.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

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

bool replaceFileAtomically(const char* path, const uint8_t* data, size_t size) {
    const std::string target(path);
    // One fixed name: a save killed before its rename leaves a file the next save reuses, not a
    // new stray every time. The game runs as a single instance, so nobody else writes it.
    const std::string temporary = target + ".new";
    FileDescriptor file(createFile(temporary));
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

size_t readFileStart(const char* path, uint8_t* buffer, size_t capacity) {
    FileDescriptor file(::open(path, O_RDONLY | O_CLOEXEC));
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
