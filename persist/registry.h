// The registry copy of the saved record: one binary value under a fixed key.
#pragma once
#include <cstdint>

// The saved record's length: each copy holds it whole.
constexpr int SaveRecordSize = 248;

bool writeRegistryCopy(const uint8_t* buffer);
bool readRegistryCopy(uint8_t* buffer);
// For the headless driver's `load`: the saved file alone decides the next start.
bool removeRegistryCopy();
