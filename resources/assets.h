// The compiled-in images and sounds, generated at build time from the sources in resources/.
#pragma once
#include <cstdint>

struct ImageResource {
    int id;
    int width;
    int height;
    const uint32_t* pixels;  // 0x00RRGGBB, row-major
};

// Null when there is no such image.
const ImageResource* findImage(int id);
// A complete RIFF WAVE file; null when there is no such cue.
const uint8_t* findSound(const char* name, uint32_t& size);
