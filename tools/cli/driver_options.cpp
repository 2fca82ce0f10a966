// Parsing the headless driver's command line.
#include "tools/cli/driver_options.h"

#include "tools/cli/script.h"
#include "platform/canvas/screen.h"

namespace {

// Large enough for any handheld and then some; the bars must leave at least one row of client area.
constexpr int MaxScreenSide = 4096;
constexpr int MinScreenHeight = TitleBarHeight + MenuBarHeight + 1;

bool parseScreenSize(std::string_view text, DriverOptions& options) {
    const size_t cross = text.find('x');
    if (cross == std::string_view::npos) return false;
    const auto width = parseInteger(text.substr(0, cross), 1, MaxScreenSide);
    const auto height = parseInteger(text.substr(cross + 1), MinScreenHeight, MaxScreenSide);
    if (!width || !height) return false;
    options.screenWidth = static_cast<int>(*width);
    options.screenHeight = static_cast<int>(*height);
    return true;
}

// Applies one option that takes a value; false with `error` set when the value is bad.
bool applyValue(std::string_view name, std::string_view value, DriverOptions& options, std::string& error) {
    if (name == "--dir") {
        if (value.empty() || value.find('\0') != std::string_view::npos) {
            error = "--dir needs a folder";
            return false;
        }
        options.dir = std::string(value);
        return true;
    }
    if (name == "--screen") {
        if (parseScreenSize(value, options)) return true;
        error = "--screen needs WxH, width 1 to " + std::to_string(MaxScreenSide) + ", height " +
                std::to_string(MinScreenHeight) + " to " + std::to_string(MaxScreenSide);
        return false;
    }
    const auto tick = parseInteger(value, 0, UINT32_MAX);
    if (!tick) {
        error = "--tick needs milliseconds from 0 to " + std::to_string(UINT32_MAX);
        return false;
    }
    options.tick = static_cast<uint32_t>(*tick);
    return true;
}

}  // namespace

std::optional<DriverOptions> parseDriverOptions(const std::vector<std::string_view>& args, std::string& error) {
    DriverOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string_view name = args[i];
        std::optional<std::string_view> value;
        if (const size_t equals = name.find('='); name.starts_with("--") && equals != std::string_view::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        if (name == "--trace" || name == "--help") {
            if (value) {
                error = std::string(name) + " takes no value";
                return std::nullopt;
            }
            (name == "--trace" ? options.trace : options.help) = true;
            continue;
        }
        if (name != "--dir" && name != "--screen" && name != "--tick") {
            error = "unknown option " + std::string(name) + " (" + DriverUsage + ")";
            return std::nullopt;
        }
        if (!value) {
            if (i + 1 == args.size()) {
                error = std::string(name) + " needs a value";
                return std::nullopt;
            }
            value = args[++i];
        }
        if (!applyValue(name, *value, options, error)) return std::nullopt;
    }
    return options;
}
