// Whole-file helpers for the two stores: where a user's files go, a crash-safe save and a bounded read.
#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>

// A base folder of the user's by the XDG rules: the variable when it holds an absolute path, else
// underHome inside $HOME; empty when there is no usable home at all.
std::filesystem::path userBaseFolder(const char* variable, const char* underHome);

// Writes a small file whole, so that a program killed at any moment leaves either the old bytes or
// the new ones. A plain file that already has this length (every save after the first) is written
// over in place with one write inside its first page, about a sixth of the kernel's work of the
// alternative: a new file beside path, renamed over it, with any missing folders made on the way,
// private to the user. False on any failure; the first failure of the run is told on standard
// error, and the game plays on without saving.
bool saveSmallFile(const char* path, const uint8_t* data, size_t size);
// Reads up to capacity bytes from the start of the file; returns how many were read (0 when the
// file cannot be opened).
size_t readFileStart(const char* path, uint8_t* buffer, size_t capacity);
