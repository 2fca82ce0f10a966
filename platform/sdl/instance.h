// The one running copy of the program, and the requests that reach it from outside: a second start
// asking to be shown instead, and the termination signals.
#pragma once
#include <functional>
#include <thread>

#include "platform/system/unique_fd.h"

class SingleInstance {
public:
    // Takes the lock. When another copy holds it, `first()` is false and that copy has been asked to
    // come to the front.
    SingleInstance();
    bool first() const { return first_; }

    // From here on, until `unwatch` or destruction, a second start calls `raise` and SIGINT or
    // SIGTERM calls `close`, both on a helper thread.
    void watch(std::function<void()> raise, std::function<void()> close);
    void unwatch();
    ~SingleInstance();

    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

private:
    void run(const std::function<void()>& raise, const std::function<void()>& close);

    bool first_ = true;
    UniqueFd lock_;
    UniqueFd listener_;
    UniqueFd signalOutput_;
    UniqueFd signalInput_;
    UniqueFd stop_;
    std::thread watcher_;
};
