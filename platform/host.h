// The platform layer's process-wide state in one object, `platform::host`: the window and
// its context, the audio output and its channels, the message queue, the clock and the
// random source. Only the platform's own files reach into it; the layers above call the
// functions of window.h, audio.h, messages.h, clock.h and random.h.
#pragma once

#include <SDL.h>

#include <csignal>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "platform/audio.h"
#include "platform/audio_source.h"
#include "platform/clock.h"
#include "platform/messages.h"

namespace platform {

struct VideoState {
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    bool started = false;
    bool fullscreen = false;
    SDL_DisplayMode desktopMode{};
    SDL_DisplayMode fullscreenMode{};
    bool offscreen = false;
};

enum class SourceKind { kStream, kMusic };

struct AudioChannel {
    uint32_t handle;
    SourceKind kind;
    std::unique_ptr<AudioSource> source;
    bool playing = false;
    // Frames read from the source so far.
    uint64_t position = 0;
};

struct AudioState {
    bool initialised = false;
    // No device: the mix advances only as MixAudio pulls it.
    bool manual = false;
    uint32_t rate = 0;
    SDL_AudioDeviceID device = 0;
    std::vector<AudioChannel> channels;
    uint32_t nextHandle = 1;
    std::vector<float> scratch;
    int lastError = kAudioOk;
};

struct QueueState {
    std::deque<Message> messages;
    volatile std::sig_atomic_t closeSignalled = 0;
    bool closeSignalPosted = false;
    // SDL on X11 may report the focus loss after the minimise, so every activation change
    // carries the minimised state that the minimise and restore events left behind.
    bool windowMinimised = false;
};

struct RandomState {
    uint32_t value = 1;
    // Set for the whole run by UseFixedRandomSeed: the time no longer seeds the source.
    bool fixed = false;
};

struct Host {
    VideoState video;
    AudioState audio;
    QueueState queue;
    ClockSource* clock = nullptr;  // null: the real clock
    RandomState random;
};

extern Host host;

}  // namespace platform
