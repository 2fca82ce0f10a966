// The folder that stands for the program's folder and the settings store during one run of rendaro-cli.
#pragma once
#include <filesystem>
#include <optional>
#include <string>

class DriverFolder {
public:
    DriverFolder() = default;
    DriverFolder(const DriverFolder&) = delete;
    DriverFolder& operator=(const DriverFolder&) = delete;
    // A folder made here for the run is removed with everything in it: nobody could find it later.
    ~DriverFolder();

    // The given folder, created when missing, or else a new temporary one; false with `error` set.
    bool open(const std::optional<std::string>& given, std::string& error);
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    bool temporary_ = false;
};
