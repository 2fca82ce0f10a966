// Whole-file helpers for the two stores: an atomic replace and a bounded read from the start.
#include "platform/system/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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

}  // namespace

bool replaceFileAtomically(const char* path, const uint8_t* data, size_t size) {
    const std::string target(path);
    // One fixed name: a save killed before its rename leaves a file the next save reuses, not a
    // new stray every time. The game runs as a single instance, so nobody else writes it.
    const std::string temporary = target + ".new";
    FileDescriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!file.valid()) return false;
    // No fsync: the rename alone already means a killed program leaves one whole record, old or
    // new; syncing would cost milliseconds on every tap for the sake of power cuts only.
    const bool written = writeAll(file.get(), data, size) && file.close();
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
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
