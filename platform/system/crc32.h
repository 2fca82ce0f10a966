// The CRC-32 of the settings store's values and of the headless trace's frames (zlib's polynomial and values).
#pragma once
#include <cstddef>
#include <cstdint>

// Continues the CRC `start` over size bytes; a fresh CRC starts from 0, as zlib's crc32 does.
uint32_t crc32Of(const void* bytes, size_t size, uint32_t start = 0);
