// Sound through SDL: one audio device, opened at the first cue and closed by SDL_Quit; a new cue cuts
// off the one playing.
#include <SDL.h>

#include "platform/backend.h"

namespace {

class CuePlayer {
public:
    // Without a sound card (or with no audio driver at all) the program plays in silence.
    CuePlayer() {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
        SDL_AudioSpec wanted = {};
        wanted.freq = 11025;
        wanted.format = AUDIO_U8;
        wanted.channels = 1;
        wanted.samples = 512;
        device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
        if (device_ == 0) return;
        SDL_PauseAudioDevice(device_, 0);
    }

    void play(const uint8_t* wave, uint32_t size) {
        if (device_ == 0) return;
        // The cues are our own 8-bit mono files at the device's rate; SDL parses the header and
        // would convert anything else.
        SDL_AudioSpec spec;
        Uint8* samples = nullptr;
        Uint32 length = 0;
        if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(wave, static_cast<int>(size)), 1, &spec, &samples, &length)) return;
        if (spec.freq == 11025 && spec.format == AUDIO_U8 && spec.channels == 1) {
            SDL_ClearQueuedAudio(device_);
            SDL_QueueAudio(device_, samples, length);
        }
        SDL_FreeWAV(samples);
    }

private:
    SDL_AudioDeviceID device_ = 0;
};

}  // namespace

void backendPlaySound(const char*, const uint8_t* wave, uint32_t size) {
    static CuePlayer player;
    player.play(wave, size);
}
