// The single running copy: a lock file decides who is first, a socket carries a second start's request.
#include "platform/sdl/instance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The lock file and the socket live in $XDG_RUNTIME_DIR, or /tmp without one; their names carry the
// user id so that users sharing /tmp do not meet.
std::string instancePath(const char* suffix) {
    const char* folder = std::getenv("XDG_RUNTIME_DIR");
    std::string base = folder && *folder ? folder : "/tmp";
    return base + "/rendaro-" + std::to_string(getuid()) + suffix;
}

std::string instanceLockPath() { return instancePath(".lock"); }
std::string instanceSocketPath() { return instancePath(".sock"); }

// False when the path does not fit a socket address.
bool socketAddress(sockaddr_un& address) {
    const std::string path = instanceSocketPath();
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

UniqueFd streamSocket() { return UniqueFd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)); }

// The first copy may still be starting and not listening yet: try for about a second.
void askFirstToRaise() {
    sockaddr_un address;
    if (!socketAddress(address)) return;
    for (int attempt = 0; attempt < 20; ++attempt) {
        UniqueFd connection = streamSocket();
        if (connect(connection.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
            static constexpr char request[] = "raise\n";
            // The running copy may accept and close before the request is written: that is no
            // failure of ours, and must not end this start with SIGPIPE.
            (void)!send(connection.get(), request, sizeof request - 1, MSG_NOSIGNAL);
            return;
        }
        usleep(50'000);
    }
}

UniqueFd listenForSecondStarts() {
    sockaddr_un address;
    if (!socketAddress(address)) return {};
    // We hold the lock, so a socket left here belongs to a copy that died.
    unlink(address.sun_path);
    UniqueFd listener = streamSocket();
    if (!listener.valid() || bind(listener.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener.get(), 4) != 0)
        return {};
    return listener;
}

// A signal handler may do almost nothing: it writes one byte that the watcher thread reads.
int signalPipeInput = -1;
void onTerminationSignal(int) {
    const int saved = errno;
    const char byte = 1;
    (void)!write(signalPipeInput, &byte, 1);
    errno = saved;
}

void setTerminationHandler(void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

void drain(int fd) {
    std::array<char, 64> buffer;
    while (read(fd, buffer.data(), buffer.size()) > 0) {
    }
}

}  // namespace

SingleInstance::SingleInstance() {
    UniqueFd lock(open(instanceLockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    // Without a lock file (an unwritable folder) the program still runs, only unguarded.
    if (lock.valid() && flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
        askFirstToRaise();
        first_ = false;
        return;
    }
    lock_ = std::move(lock);
    listener_ = listenForSecondStarts();
}

void SingleInstance::watch(std::function<void()> raise, std::function<void()> close) {
    std::array<int, 2> ends;
    if (pipe2(ends.data(), O_CLOEXEC | O_NONBLOCK) != 0) return;
    signalOutput_ = UniqueFd(ends[0]);
    signalInput_ = UniqueFd(ends[1]);
    stop_ = UniqueFd(eventfd(0, EFD_CLOEXEC));
    signalPipeInput = signalInput_.get();
    setTerminationHandler(onTerminationSignal);
    watcher_ = std::thread([this, raise = std::move(raise), close = std::move(close)] { run(raise, close); });
}

void SingleInstance::run(const std::function<void()>& raise, const std::function<void()>& close) {
    std::array<pollfd, 3> watched = {{{stop_.get(), POLLIN, 0}, {signalOutput_.get(), POLLIN, 0}, {listener_.get(), POLLIN, 0}}};
    for (;;) {
        if (poll(watched.data(), watched.size(), -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (watched[0].revents) return;
        if (watched[1].revents) {
            drain(signalOutput_.get());
            close();
        }
        if (watched[2].revents) {
            // The request itself carries nothing more than its arrival.
            UniqueFd connection(accept4(listener_.get(), nullptr, nullptr, SOCK_CLOEXEC));
            if (connection.valid()) raise();
        }
    }
}

void SingleInstance::unwatch() {
    if (!watcher_.joinable()) return;
    const uint64_t one = 1;
    (void)!write(stop_.get(), &one, sizeof one);
    watcher_.join();
    setTerminationHandler(SIG_DFL);
    signalPipeInput = -1;
}

SingleInstance::~SingleInstance() {
    unwatch();
    if (listener_.valid()) unlink(instanceSocketPath().c_str());
}
