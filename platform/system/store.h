// The settings store that stands in for the registry: named typed values under a key path.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

constexpr uint32_t REG_SZ = 1;
constexpr uint32_t REG_BINARY = 3;

// The folder the store keeps its keys under; an empty folder restores the default ($XDG_CONFIG_HOME,
// else ~/.config). Key path SOFTWARE\Maker is the folder Maker/ there, a value a file in it.
void setStoreRoot(const std::string& folder);
// Creates the key if needed and replaces the value atomically; false on any failure.
bool storeSetValue(const char* keyPath, const char* valueName, uint32_t type, const uint8_t* data, size_t size);
// Reads at most capacity bytes; size gets the value's full length. False when the key or value is
// missing, unreadable, or longer than capacity.
bool storeQueryValue(const char* keyPath, const char* valueName, uint32_t& type, uint8_t* data, size_t capacity,
                     size_t& size);
// Removes the value; true when it is gone afterwards (also when it never existed).
bool storeRemoveValue(const char* keyPath, const char* valueName);
