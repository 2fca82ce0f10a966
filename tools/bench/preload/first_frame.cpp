// For `make figures`: tells when the desktop program's first frame reached the screen, loaded into it
// with LD_PRELOAD and counting from RENDARO_STARTED_US (microseconds since the epoch, set at the start).
#include <dlfcn.h>
#include <sys/time.h>

#include <cstdio>
#include <cstdlib>

// SDL's own, passed through: the first return is the moment the first frame is on the screen.
extern "C" int SDL_UpdateWindowSurface(void* window) {
    using Update = int (*)(void*);
    static const auto update = reinterpret_cast<Update>(dlsym(RTLD_NEXT, "SDL_UpdateWindowSurface"));
    const int result = update(window);
    static bool told = false;
    const char* started = std::getenv("RENDARO_STARTED_US");
    if (told || started == nullptr) return result;
    told = true;
    timeval now{};
    gettimeofday(&now, nullptr);
    const long long elapsed = now.tv_sec * 1000000LL + now.tv_usec - std::atoll(started);
    std::fprintf(stderr, "first frame %lld.%lld ms after the start\n", elapsed / 1000, elapsed % 1000 / 100);
    return result;
}
