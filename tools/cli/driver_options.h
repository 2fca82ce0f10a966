// The headless driver's command line: --dir DIR, --screen WxH, --tick MS, --trace, --help.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct DriverOptions {
    std::optional<std::string> dir;  // none: a new temporary folder
    int screenWidth = 240;
    int screenHeight = 320;
    uint32_t tick = 0;
    bool trace = false;
    bool help = false;  // --help: print the usage and leave
};

constexpr const char* DriverUsage = "usage: rendaro-cli [--dir DIR] [--screen WxH] [--tick MS] [--trace] [--help]";

// The arguments after the program name, as "--name value" or "--name=value"; a later option
// replaces an earlier one. Nullopt with the reason in `error` for anything else.
std::optional<DriverOptions> parseDriverOptions(const std::vector<std::string_view>& args, std::string& error);
