// The tools' command lines: "--name value" or "--name=value", and flags that take no value.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct OptionNames {
    std::vector<std::string_view> flags;   // options without a value
    std::vector<std::string_view> valued;  // options with one
    const char* usage;
};

// Hands each option to `apply` in order (a flag with an empty value). False with a one-line `error`
// for an unknown name, a flag given a value or an option missing one, or when `apply` refuses (it
// then sets `error` itself).
bool walkOptions(const std::vector<std::string_view>& args, const OptionNames& names,
                 const std::function<bool(std::string_view name, std::string_view value)>& apply, std::string& error);
