// The desktop window's size: whole-number steps, the size to open at, and its value in the settings store.
#include "platform/sdl/window_size.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "platform/system/store.h"
#include "platform/window/viewport.h"

namespace window_size {

namespace {

constexpr const char* KeyPath = "SOFTWARE\\Calverin";
constexpr const char* ValueName = "RendaroWindow";
constexpr std::string_view FullscreenWord = " fullscreen";
constexpr int LargestSide = 1 << 15;  // far beyond any display, and the text stays short
constexpr size_t LongestText = 32;

Size times(Size screen, int scale) { return {screen.width * scale, screen.height * scale}; }

bool within(Size inner, Size outer) { return inner.width <= outer.width && inner.height <= outer.height; }

// A whole number 1..LargestSide taking the whole of text.
std::optional<int> side(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > LargestSide) return std::nullopt;
    return value;
}

}  // namespace

int largestScale(Size area, Size screen) {
    return std::max(1, std::min(area.width / screen.width, area.height / screen.height));
}

Size stepped(Size window, Size screen, Size display, Step step) {
    const int now = largestScale(window, screen);
    const int limit = largestScale(display, screen);
    int scale = viewport::DefaultScale;
    if (step == Step::Larger) scale = now + 1;
    if (step == Step::Smaller) scale = window == times(screen, now) ? now - 1 : now;
    scale = std::min(scale, limit);
    // At either end the window stays: a larger step never shrinks it, a smaller one never grows it.
    if (scale < 1 || (step == Step::Larger && !within(window, times(screen, scale))) ||
        (step == Step::Smaller && !within(times(screen, scale), window)))
        return window;
    return times(screen, scale);
}

Size opening(const std::optional<Kept>& kept, Size screen, Size display) {
    const int limit = largestScale(display, screen);
    if (!kept || !within(screen, kept->size)) return times(screen, std::min(viewport::DefaultScale, limit));
    return within(kept->size, display) ? kept->size : times(screen, limit);
}

std::string format(const Kept& kept) {
    std::string text = std::to_string(kept.size.width) + "x" + std::to_string(kept.size.height);
    if (kept.fullscreen) text += FullscreenWord;
    return text;
}

std::optional<Kept> parse(std::string_view text) {
    Kept kept{{0, 0}, text.ends_with(FullscreenWord)};
    if (kept.fullscreen) text.remove_suffix(FullscreenWord.size());
    const size_t by = text.find('x');
    if (by == std::string_view::npos) return std::nullopt;
    const auto width = side(text.substr(0, by));
    const auto height = side(text.substr(by + 1));
    if (!width || !height) return std::nullopt;
    kept.size = {*width, *height};
    return kept;
}

std::optional<Kept> load() {
    uint8_t bytes[LongestText];
    uint32_t type = 0;
    size_t size = 0;
    if (!storeQueryValue(KeyPath, ValueName, type, bytes, sizeof bytes, size) || type != REG_SZ) return std::nullopt;
    return parse(std::string_view(reinterpret_cast<const char*>(bytes), size));
}

bool save(const Kept& kept) {
    const std::string text = format(kept);
    return storeSetValue(KeyPath, ValueName, REG_SZ, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

}  // namespace window_size
