// The desktop window's size: the whole-number steps of the size keys, and the size kept between runs.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace window_size {

struct Size {
    int width;
    int height;
    bool operator==(const Size&) const = default;
};

// The size a window was closed at, and whether it filled the display then.
struct Kept {
    Size size;
    bool fullscreen;
    bool operator==(const Kept&) const = default;
};

enum class Step { Larger, Smaller, Default };

// The largest whole multiple of the screen that fits in area; 1 when none does.
int largestScale(Size area, Size screen);
// The window a size key asks for: the next whole multiple of the screen above the window, the one
// below it, or the default; never beyond the display, and the window as it is when there is no such step.
Size stepped(Size window, Size screen, Size display, Step step);
// The window to open: the kept size when the display still holds it, the largest multiple that fits
// when it has grown too large for the display, and the default without a usable kept size.
Size opening(const std::optional<Kept>& kept, Size screen, Size display);

// The kept value as text, "960x1280" with " fullscreen" after it when it filled the display; nullopt
// for any other text.
std::string format(const Kept& kept);
std::optional<Kept> parse(std::string_view text);

// The kept value beside the settings, in the settings store; nullopt when it is missing or unreadable.
std::optional<Kept> load();
bool save(const Kept& kept);

}  // namespace window_size
