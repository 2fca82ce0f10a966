// STUB: to be replaced by generated assets.
#include "resources/assets.h"
const ImageResource* findImage(int) { return nullptr; }
const uint8_t* findSound(const char*, uint32_t&) { return nullptr; }
