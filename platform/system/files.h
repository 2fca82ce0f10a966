// Whole-file helpers for the two stores: an atomic replace and a bounded read from the start.
#pragma once
#include <cstddef>
#include <cstdint>

// Writes the bytes to a new file beside path, flushes it to disk and renames it over path, so a
// reader (or a crash) sees either the old file whole or the new one whole. False on any failure,
// with path left as it was.
bool replaceFileAtomically(const char* path, const uint8_t* data, size_t size);
// Reads up to capacity bytes from the start of the file; returns how many were read (0 when the
// file cannot be opened).
size_t readFileStart(const char* path, uint8_t* buffer, size_t capacity);
