// Splitting the tools' command lines into named options, with the mistakes every tool reports alike.
#include "tools/cli/arguments.h"

#include <algorithm>
#include <optional>

namespace {

bool among(const std::vector<std::string_view>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

bool walkOptions(const std::vector<std::string_view>& args, const OptionNames& names,
                 const std::function<bool(std::string_view name, std::string_view value)>& apply, std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        std::string_view name = args[i];
        std::optional<std::string_view> value;
        if (const size_t equals = name.find('='); name.starts_with("--") && equals != std::string_view::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        if (among(names.flags, name)) {
            if (value) {
                error = std::string(name) + " takes no value";
                return false;
            }
            if (!apply(name, {})) return false;
            continue;
        }
        if (!among(names.valued, name)) {
            error = "unknown option " + std::string(name) + " (" + names.usage + ")";
            return false;
        }
        if (!value) {
            if (i + 1 == args.size()) {
                error = std::string(name) + " needs a value";
                return false;
            }
            value = args[++i];
        }
        if (!apply(name, *value)) return false;
    }
    return true;
}
