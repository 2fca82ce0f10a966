// The SDL2 back-end: one resizable window showing the device screen, sized by keys and kept at its
// size between runs, the mouse as the stylus, and waits that sleep while keeping the window alive.
#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/backend.h"
#include "platform/canvas/screen.h"
#include "platform/chrome/chrome.h"
#include "platform/sdl/audio.h"
#include "platform/sdl/desktop.h"
#include "platform/sdl/display_lost.h"
#include "platform/sdl/window_size.h"
#include "platform/system/program.h"
#include "platform/window/messages.h"
#include "platform/window/viewport.h"
#include "resources/icon.h"

namespace {

// The longest a pause sleeps before looking at the window again.
constexpr uint32_t PauseSliceMs = 10;
// How often, and how far apart, a refused connection to the display is tried before giving up.
constexpr int ConnectAttempts = 10;
constexpr uint32_t ConnectRetryMs = 100;

struct WindowDeleter {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};

// Pixels as the device screen holds them: 0x00RRGGBB words, whatever the top byte.
bool holdsScreenPixels(const SDL_Surface& surface) {
    const SDL_PixelFormat& format = *surface.format;
    return format.BytesPerPixel == 4 && format.Rmask == 0xFF0000 && format.Gmask == 0xFF00 && format.Bmask == 0xFF;
}

bool within(const SDL_Rect& rect, const SDL_Surface& surface) {
    return rect.x >= 0 && rect.y >= 0 && rect.x + rect.w <= surface.w && rect.y + rect.h <= surface.h;
}

window_size::Size deviceScreen() { return {screenWidthPixels(), screenHeightPixels()}; }

// The room a display leaves a window, less the window manager's frame; without an answer, no limit.
window_size::Size usableArea(int display, SDL_Window* window) {
    SDL_Rect usable = {};
    if (display < 0 || SDL_GetDisplayUsableBounds(display, &usable) != 0)
        return {std::numeric_limits<int>::max(), std::numeric_limits<int>::max()};
    int top = 0, left = 0, bottom = 0, right = 0;
    if (window == nullptr || SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) != 0) top = left = bottom = right = 0;
    return {usable.w - left - right, usable.h - top - bottom};
}

class DesktopWindow {
public:
    DesktopWindow(SDL_Window* window, uint32_t requests, window_size::Size opened)
        : window_(window), raiseEvent_(requests), closeEvent_(requests + 1), windowed_(opened) {
        place();
    }

    uint32_t raiseEvent() const { return raiseEvent_; }
    uint32_t closeEvent() const { return closeEvent_; }

    // The size to open at next time: the window's own even while it fills the display.
    window_size::Kept kept() const { return {windowed_, fullscreen()}; }

    // The frame goes straight into the window's own surface, enlarged on the way: no texture and
    // no renderer in between, so nothing but the window holds a copy of the picture.
    void present() {
        // The window is about to go: a frame would only cost the display a round trip.
        if (closeRequested()) return;
        const uint32_t* frame = finishUpdate();
        SDL_Surface* surface = SDL_GetWindowSurface(window_.get());
        // Without a surface (memory short, the display going) the window keeps the frame before.
        if (surface == nullptr) return;
        const SDL_Rect target = {placement_.x, placement_.y, placement_.width, placement_.height};
        if (surface != bordered_) {  // a new surface, or the window resized: the border is black
            if (target.w != surface->w || target.h != surface->h) SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
            bordered_ = surface;
        }
        if (holdsScreenPixels(*surface) && within(target, *surface)) {
            if (SDL_LockSurface(surface) == 0) {
                const int stride = surface->pitch / 4;
                viewport::enlarge(frame, screenWidthPixels(), screenHeightPixels(), placement_.scale,
                                  static_cast<uint32_t*>(surface->pixels) + target.y * stride + target.x, stride);
                SDL_UnlockSurface(surface);
            }
        } else {
            // Another pixel format, or a window smaller than the screen: SDL converts and cuts.
            SDL_Surface* screen = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(frame), screenWidthPixels(),
                                                                     screenHeightPixels(), 32, screenWidthPixels() * 4,
                                                                     SDL_PIXELFORMAT_RGB888);
            if (screen != nullptr) {
                SDL_Rect to = target;
                SDL_BlitScaled(screen, nullptr, surface, &to);
                SDL_FreeSurface(screen);
            }
        }
        SDL_UpdateWindowSurface(window_.get());
    }

    // Outside a pause the stylus goes to the shell's widgets at once; during one the game is busy,
    // so it only queues, as the device's input queue does.
    void handle(const SDL_Event& event, bool pausing) {
        if (handleAudioEvent(event)) return;
        switch (event.type) {
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (event.button.button == SDL_BUTTON_LEFT) {
                const viewport::ScreenPoint at = viewport::toScreen(placement_, event.button.x, event.button.y);
                screenPen(event.type == SDL_MOUSEBUTTONDOWN, at.x, at.y, pausing);
            }
            break;
        case SDL_KEYDOWN:
            if (!event.key.repeat && !windowKey(event.key.keysym)) key(event.key.keysym);
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) PostCloseRequest(WM_CLOSE);
            if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) place();
            if (event.window.event == SDL_WINDOWEVENT_EXPOSED || event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                present();
            break;
        default:
            if (event.type == raiseEvent_) {
                SDL_RestoreWindow(window_.get());
                SDL_RaiseWindow(window_.get());
            }
            if (event.type == closeEvent_) PostCloseRequest(WM_CLOSEPROGRAM);
            break;
        }
    }

private:
    void place() {
        int width = 0;
        int height = 0;
        SDL_GetWindowSize(window_.get(), &width, &height);
        placement_ = viewport::fit(width, height, screenWidthPixels(), screenHeightPixels());
        bordered_ = nullptr;
        if (!fullscreen()) windowed_ = {width, height};
    }

    bool fullscreen() const { return (SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_FULLSCREEN) != 0; }

    // F11, and Ctrl with plus, minus or 0, size the window; the game never sees them.
    bool windowKey(const SDL_Keysym& keysym) {
        const uint16_t others = keysym.mod & (KMOD_ALT | KMOD_GUI | KMOD_MODE);
        if (keysym.sym == SDLK_F11 && (keysym.mod & (KMOD_CTRL | KMOD_SHIFT)) == 0 && others == 0) {
            SDL_SetWindowFullscreen(window_.get(), fullscreen() ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
            return true;
        }
        if ((keysym.mod & KMOD_CTRL) == 0 || others != 0) return false;
        switch (keysym.sym) {
        case SDLK_PLUS:
        case SDLK_EQUALS:  // plus without its Shift on many keyboards
        case SDLK_KP_PLUS: resize(window_size::Step::Larger); return true;
        case SDLK_MINUS:
        case SDLK_KP_MINUS: resize(window_size::Step::Smaller); return true;
        case SDLK_0:
        case SDLK_KP_0: resize(window_size::Step::Default); return true;
        default: return false;
        }
    }

    // A size key steps from the window's own size, leaving the full screen first.
    void resize(window_size::Step step) {
        if (fullscreen()) SDL_SetWindowFullscreen(window_.get(), 0);
        const window_size::Size to = window_size::stepped(
            windowed_, deviceScreen(), usableArea(SDL_GetWindowDisplayIndex(window_.get()), window_.get()), step);
        SDL_SetWindowSize(window_.get(), to.width, to.height);
    }

    // Keys the shell knows become its key codes; any other key, or a held modifier it does not use
    // (the Windows key, AltGr), stays here.
    static void key(const SDL_Keysym& keysym) {
        const uint16_t mod = keysym.mod;
        if ((mod & (KMOD_GUI | KMOD_MODE)) != 0) return;
        uint32_t modifiers = 0;
        for (const auto& [held, bit] : {std::pair{KMOD_SHIFT, KeyShift}, {KMOD_CTRL, KeyCtrl}, {KMOD_ALT, KeyAlt}})
            if ((mod & held) != 0) modifiers |= bit;
        if (const uint32_t code = keyCode(keysym.sym)) screenKey(code, modifiers);
    }

    static uint32_t keyCode(SDL_Keycode sym) {
        if (sym >= SDLK_a && sym <= SDLK_z) return static_cast<uint32_t>('A' + (sym - SDLK_a));
        if (sym >= SDLK_0 && sym <= SDLK_9) return static_cast<uint32_t>(sym);
        if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9) return static_cast<uint32_t>('1' + (sym - SDLK_KP_1));
        if (sym >= SDLK_F1 && sym <= SDLK_F12) return KeyF1 + static_cast<uint32_t>(sym - SDLK_F1);
        switch (sym) {
        case SDLK_TAB: return KeyTab;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return KeyEnter;
        case SDLK_ESCAPE: return KeyEscape;
        case SDLK_SPACE: return KeySpace;
        case SDLK_LEFT: return KeyLeft;
        case SDLK_UP: return KeyUp;
        case SDLK_RIGHT: return KeyRight;
        case SDLK_DOWN: return KeyDown;
        default: return 0;
        }
    }

    std::unique_ptr<SDL_Window, WindowDeleter> window_;
    uint32_t raiseEvent_;
    uint32_t closeEvent_;
    viewport::Placement placement_ = {};
    const SDL_Surface* bordered_ = nullptr;  // the window surface whose border is already black
    window_size::Size windowed_;  // the window's size when it last did not fill the display
};

// Owned from openDesktop to closeDesktop and by nothing static: an exit from elsewhere (a library's,
// the display's going away) must not reach SDL through a destructor.
DesktopWindow* desktop = nullptr;

bool setInEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// The game reads keys, never typed text, so the input method's Compose table (thousands of lines
// that libX11 parses inside SDL_Init, a good part of the start-up) is left empty for our window.
// The user's own setting comes back at once, for the programs the help page starts.
class ComposeTableLeftEmpty {
public:
    ComposeTableLeftEmpty() {
        if (const char* value = std::getenv(Variable)) previous_ = value;
        setenv(Variable, "/dev/null", 1);
    }
    ~ComposeTableLeftEmpty() {
        if (previous_) setenv(Variable, previous_->c_str(), 1);
        else unsetenv(Variable);
    }
    ComposeTableLeftEmpty(const ComposeTableLeftEmpty&) = delete;
    ComposeTableLeftEmpty& operator=(const ComposeTableLeftEmpty&) = delete;

private:
    static constexpr const char* Variable = "XCOMPOSEFILE";
    std::optional<std::string> previous_;
};

// Why there is nowhere to show the window, or empty when there is. Unless a driver was asked for by
// name, the display the environment names is the one used, X first: SDL left to itself would fall
// back to a driver that draws into memory only when a busy display is slow to answer.
std::string missingDisplay() {
    if (!setInEnvironment("SDL_VIDEODRIVER")) {
        if (setInEnvironment("DISPLAY"))
            SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
        else if (setInEnvironment("WAYLAND_DISPLAY"))
            SDL_SetHint(SDL_HINT_VIDEODRIVER, "wayland");
        else
            return "neither DISPLAY nor WAYLAND_DISPLAY is set";
    }
    const ComposeTableLeftEmpty noCompose;
    // A display under load may refuse a connection for a moment.
    for (int attempt = 1; SDL_Init(SDL_INIT_VIDEO) != 0; ++attempt) {
        if (attempt == ConnectAttempts) return SDL_GetError();
        SDL_Delay(ConnectRetryMs);
    }
    return {};
}

// The compiled-in icon's 32 x 32 picture; its pixels are 0x00RRGGBB words.
void setIcon(SDL_Window* window) {
    const ImageResource* icon = findIcon(ProgramIcon, ProgramIconSide);
    if (icon == nullptr) return;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(icon->pixels), icon->width, icon->height,
                                                              32, icon->width * 4, SDL_PIXELFORMAT_RGB888);
    if (surface == nullptr) return;
    SDL_SetWindowIcon(window, surface);
    SDL_FreeSurface(surface);
}

void pushRequest(uint32_t type) {
    SDL_Event event = {};
    event.type = type;
    SDL_PushEvent(&event);
}

}  // namespace

bool openDesktop(std::string& error) {
    // Our own handlers turn SIGINT and SIGTERM into message 1023.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // A 240 x 320 picture needs no graphics card: drawing in software straight into the window
    // starts faster and keeps the OpenGL libraries (tens of megabytes) out of memory.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    error = missingDisplay();
    if (!error.empty()) return false;
    const int width = screenWidthPixels();
    const int height = screenHeightPixels();
    const std::optional<window_size::Kept> kept = window_size::load();
    const window_size::Size size = window_size::opening(kept, deviceScreen(), usableArea(0, nullptr));
    const uint32_t fullscreen = kept && kept->fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
    SDL_Window* window = SDL_CreateWindow("Rendaro", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, size.width,
                                          size.height, SDL_WINDOW_RESIZABLE | fullscreen);
    const uint32_t requests = window ? SDL_RegisterEvents(2) : static_cast<uint32_t>(-1);
    if (!window || requests == static_cast<uint32_t>(-1) || !SDL_GetWindowSurface(window)) {
        error = SDL_GetError();
        if (window) SDL_DestroyWindow(window);
        SDL_Quit();
        return false;
    }
    SDL_SetWindowMinimumSize(window, width, height);
    setIcon(window);
    // Only presses and releases matter; ignoring motion keeps an idle program asleep.
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    desktop = new DesktopWindow(window, requests, size);
    if (std::string_view(SDL_GetCurrentVideoDriver()) == "x11") leaveWhenDisplayIsLost();
    return true;
}

void closeDesktop() {
    if (desktop) window_size::save(desktop->kept());
    delete desktop;
    desktop = nullptr;
    SDL_Quit();
}

void requestRaise() {
    if (desktop) pushRequest(desktop->raiseEvent());
}

void requestCloseProgram() {
    if (desktop) pushRequest(desktop->closeEvent());
}

bool backendWaitForInput() {
    if (!desktop) return false;
    desktop->present();
    SDL_Event event;
    if (!SDL_WaitEvent(&event)) return false;
    desktop->handle(event, false);
    return true;
}

void backendPause(int32_t ms) {
    if (!desktop) return;
    desktop->present();
    const uint32_t start = SDL_GetTicks();
    for (;;) {
        const uint32_t elapsed = SDL_GetTicks() - start;
        if (ms <= 0 || elapsed >= static_cast<uint32_t>(ms) || closeRequested()) return;
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, static_cast<int>(std::min(static_cast<uint32_t>(ms) - elapsed, PauseSliceMs))))
            desktop->handle(event, true);
    }
}

uint32_t backendTicks() { return SDL_GetTicks(); }

void backendPresent() {
    if (desktop) desktop->present();
}

bool backendStartHelp() { return openHelpPage(); }

void backendTrace(const char*, ...) {}
