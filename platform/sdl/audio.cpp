// Sound through SDL: one audio device, open only while cues play; a new cue cuts off the one playing.
#include "platform/sdl/audio.h"

#include <fcntl.h>
#include <unistd.h>

#include "platform/backend.h"
#include "platform/system/unique_fd.h"

namespace {

// The sound libraries report a machine without a sound card on stderr, line after line; for us
// that is only silence, so they are kept quiet while the device is looked for.
class QuietStderr {
public:
    QuietStderr() : saved_(fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0)) {
        UniqueFd sink(open("/dev/null", O_WRONLY | O_CLOEXEC));
        if (saved_.valid() && sink.valid()) dup2(sink.get(), STDERR_FILENO);
    }
    ~QuietStderr() {
        if (saved_.valid()) dup2(saved_.get(), STDERR_FILENO);
    }
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    UniqueFd saved_;
};

// The device is opened at a cue and closed a while after the last one has ended: an open device
// keeps a thread feeding the card silence, and an idle program should wake nothing.
class CuePlayer {
public:
    void play(const uint8_t* wave, uint32_t size) {
        if (!open()) return;
        SDL_AudioSpec format;
        Uint8* samples = nullptr;
        Uint32 length = 0;
        if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(wave, static_cast<int>(size)), 1, &format, &samples, &length)) return;
        // The device was opened for exactly the cues' format; a wave in any other is not played.
        if (format.freq == SampleRate && format.format == AUDIO_U8 && format.channels == 1) {
            SDL_ClearQueuedAudio(device_);
            SDL_QueueAudio(device_, samples, length);
            SDL_RemoveTimer(closeTimer_);
            closeTimer_ = SDL_AddTimer(length * 1000 / SampleRate + KeepOpenMs, askToClose, &doneEvent_);
        }
        SDL_FreeWAV(samples);
    }

    bool handle(const SDL_Event& event) {
        if (doneEvent_ == 0 || event.type != doneEvent_) return false;
        if (device_ != 0 && SDL_GetQueuedAudioSize(device_) == 0) {
            SDL_CloseAudioDevice(device_);
            SDL_QuitSubSystem(SDL_INIT_AUDIO);  // its device watcher, too, wakes on its own
            device_ = 0;
        }
        return true;
    }

private:
    static constexpr int SampleRate = 11025;
    // Long enough that the clicks of a moving token keep the device open between steps.
    static constexpr Uint32 KeepOpenMs = 1000;

    // Without a sound card (or with no audio driver at all) the program plays in silence; the
    // search is not repeated.
    bool open() {
        if (device_ != 0) return true;
        if (unavailable_) return false;
        QuietStderr quiet;
        if (doneEvent_ == 0) doneEvent_ = SDL_RegisterEvents(1);
        if (doneEvent_ != static_cast<Uint32>(-1) && SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            SDL_AudioSpec wanted = {};
            wanted.freq = SampleRate;
            wanted.format = AUDIO_U8;
            wanted.channels = 1;
            wanted.samples = 512;
            device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
            // Left up without a device, the subsystem's device watcher would wake ten times a second.
            if (device_ == 0) SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
        unavailable_ = device_ == 0;
        if (device_ != 0) SDL_PauseAudioDevice(device_, 0);
        return device_ != 0;
    }

    // On SDL's timer thread: only hands the event to the game's thread, which owns the device.
    static Uint32 askToClose(Uint32, void* doneEvent) {
        SDL_Event event = {};
        event.type = *static_cast<Uint32*>(doneEvent);
        SDL_PushEvent(&event);
        return 0;
    }

    SDL_AudioDeviceID device_ = 0;
    bool unavailable_ = false;
    Uint32 doneEvent_ = 0;
    SDL_TimerID closeTimer_ = 0;
};

CuePlayer player;

}  // namespace

void backendPlaySound(const char*, const uint8_t* wave, uint32_t size) { player.play(wave, size); }

bool handleAudioEvent(const SDL_Event& event) { return player.handle(event); }
