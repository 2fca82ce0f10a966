// Creating, and for a temporary one removing, the folder of one rendaro-cli run.
#include "tools/cli/driver_folder.h"

#include <stdlib.h>

#include <system_error>
#include <vector>

DriverFolder::~DriverFolder() {
    if (!temporary_) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

bool DriverFolder::open(const std::optional<std::string>& given, std::string& error) {
    std::error_code problem;
    if (given) {
        path_ = *given;
        std::filesystem::create_directories(path_, problem);
        if (problem || !std::filesystem::is_directory(path_, problem)) {
            error = "cannot use the folder given with --dir";
            return false;
        }
        return true;
    }
    const std::filesystem::path base = std::filesystem::temp_directory_path(problem);
    std::string pattern = ((problem ? std::filesystem::path("/tmp") : base) / "rendaro-cli.XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr) {
        error = "cannot make a temporary folder";
        return false;
    }
    path_ = name.data();
    temporary_ = true;
    return true;
}
