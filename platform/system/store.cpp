// The settings store that stands in for the registry: one small file per value, folders for keys.
#include "platform/system/store.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/system/crc32.h"
#include "platform/system/files.h"

namespace {

// A value file: magic, type, length, the value's bytes, then a CRC-32 of everything before it.
// Anything that does not add up (short, long, wrong magic, wrong CRC) is treated as no value.
constexpr uint8_t Magic[4] = {'R', 'D', 'V', '1'};
constexpr size_t HeaderSize = 12;
constexpr size_t TrailerSize = 4;
constexpr size_t LargestValue = 1 << 20;

std::optional<std::filesystem::path> configuredRoot;

std::filesystem::path storeRoot() {
    if (configuredRoot) return *configuredRoot;
    return userBaseFolder("XDG_CONFIG_HOME", ".config");
}

bool isPlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos;
}

// "SOFTWARE\Maker\Sub" is the folder Maker/Sub under the root; nullopt for a path we cannot map.
std::optional<std::filesystem::path> keyFolder(std::string_view keyPath) {
    const std::filesystem::path root = storeRoot();
    if (root.empty()) return std::nullopt;
    constexpr std::string_view Software = "SOFTWARE\\";
    if (keyPath.starts_with(Software)) keyPath.remove_prefix(Software.size());
    std::filesystem::path folder = root;
    while (true) {
        const size_t split = keyPath.find('\\');
        const std::string_view part = keyPath.substr(0, split);
        if (!isPlainName(part)) return std::nullopt;
        folder /= part;
        if (split == std::string_view::npos) return folder;
        keyPath.remove_prefix(split + 1);
    }
}

std::optional<std::filesystem::path> valueFile(const char* keyPath, const char* valueName) {
    if (!isPlainName(valueName)) return std::nullopt;
    auto folder = keyFolder(keyPath);
    if (!folder) return std::nullopt;
    return *folder / valueName;
}

uint32_t crc32(std::span<const uint8_t> bytes) { return crc32Of(bytes.data(), bytes.size()); }

void put32(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t get32(const uint8_t* at) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(at[i]) << (8 * i);
    return value;
}

}  // namespace

void setStoreRoot(const std::string& folder) {
    if (folder.empty())
        configuredRoot.reset();
    else
        configuredRoot = folder;
}

bool storeSetValue(const char* keyPath, const char* valueName, uint32_t type, const uint8_t* data, size_t size) {
    const auto file = valueFile(keyPath, valueName);
    if (!file || size > LargestValue) return false;

    std::vector<uint8_t> bytes(HeaderSize + size + TrailerSize);
    std::memcpy(bytes.data(), Magic, sizeof Magic);
    put32(&bytes[4], type);
    put32(&bytes[8], static_cast<uint32_t>(size));
    if (size > 0) std::memcpy(&bytes[HeaderSize], data, size);
    put32(&bytes[HeaderSize + size], crc32(std::span(bytes).first(HeaderSize + size)));
    return saveSmallFile(file->c_str(), bytes.data(), bytes.size());
}

bool storeQueryValue(const char* keyPath, const char* valueName, uint32_t& type, uint8_t* data, size_t capacity,
                     size_t& size) {
    const auto file = valueFile(keyPath, valueName);
    if (!file) return false;
    const size_t wanted = HeaderSize + std::min(capacity, LargestValue) + TrailerSize;
    // One byte more than a value of the whole capacity can take, so a longer file shows up as such.
    std::vector<uint8_t> bytes(wanted + 1);
    const size_t read = readFileStart(file->c_str(), bytes.data(), bytes.size());
    if (read < HeaderSize + TrailerSize || std::memcmp(bytes.data(), Magic, sizeof Magic) != 0) return false;

    const size_t length = get32(&bytes[8]);
    if (length > capacity) {
        size = length;
        return false;
    }
    if (read != HeaderSize + length + TrailerSize ||
        get32(&bytes[HeaderSize + length]) != crc32(std::span(bytes).first(HeaderSize + length)))
        return false;
    type = get32(&bytes[4]);
    size = length;
    if (length > 0) std::memcpy(data, &bytes[HeaderSize], length);
    return true;
}

bool storeRemoveValue(const char* keyPath, const char* valueName) {
    const auto file = valueFile(keyPath, valueName);
    std::error_code error;
    if (file) std::filesystem::remove(*file, error);
    return file && !error;
}
