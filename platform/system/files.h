// Whole-file helpers for the two stores: where a user's files go, an atomic replace and a bounded read.
#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>

// A base folder of the user's by the XDG rules: the variable when it holds an absolute path, else
// underHome inside $HOME; empty when there is no usable home at all.
std::filesystem::path userBaseFolder(const char* variable, const char* underHome);

// Writes the bytes to a new file beside path, flushes it to disk and renames it over path, so a
// reader (or a crash) sees either the old file whole or the new one whole. Missing folders on the
// way are made, private to the user. False on any failure, with path left as it was; the first
// failure of the run is told on standard error, and the game plays on without saving.
bool replaceFileAtomically(const char* path, const uint8_t* data, size_t size);
// Reads up to capacity bytes from the start of the file; returns how many were read (0 when the
// file cannot be opened).
size_t readFileStart(const char* path, uint8_t* buffer, size_t capacity);
