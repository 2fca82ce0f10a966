// Sound cues: looks the named wave up among the compiled-in resources and hands it to the back-end.
#include "platform/system/sound.h"

#include <cstdint>

#include "platform/backend.h"
#include "resources/assets.h"

void PlaySound(const char* name) {
    if (name == nullptr) return;
    backendTrace("sound %s", name);
    uint32_t size = 0;
    const uint8_t* wave = findSound(name, size);
    if (wave != nullptr) backendPlaySound(name, wave, size);
}
