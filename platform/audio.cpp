// The audio layer: output device, loaded streams and modules, the mixer, error code.
#include "platform/audio.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/audio_module.h"
#include "platform/audio_mp3.h"
#include "platform/files.h"
#include "platform/host.h"

namespace platform {
namespace {

constexpr uint32_t kMinimumRate = 8000;
constexpr uint32_t kMaximumRate = 192000;
constexpr Uint16 kDeviceBufferFrames = 2048;

AudioState& audio = host.audio;
// Guards the channels and the scratch buffer against the device's mixing thread.
std::mutex mixLock;

bool Fail(AudioError error) {
    audio.lastError = error;
    return false;
}

bool Succeed() {
    audio.lastError = kAudioOk;
    return true;
}

void DeviceCallback(void*, Uint8* stream, int bytes) {
    MixAudio(reinterpret_cast<float*>(stream),
             static_cast<size_t>(bytes) / (kAudioChannels * sizeof(float)));
}

bool OpenDevice(uint32_t rate) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    SDL_AudioSpec wanted;
    SDL_zero(wanted);
    wanted.freq = static_cast<int>(rate);
    wanted.format = AUDIO_F32SYS;
    wanted.channels = kAudioChannels;
    wanted.samples = kDeviceBufferFrames;
    wanted.callback = DeviceCallback;
    SDL_AudioSpec obtained;
    // No changes allowed: SDL converts to whatever the hardware wants.
    audio.device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (audio.device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

// The file's bytes from `offset`, at most `length` of them (0: all).
bool TakeBytes(bool fromMemory, const void* file, uint32_t offset, uint32_t length,
               std::vector<uint8_t>& bytes) {
    if (!file) {
        return Fail(kAudioErrorParameter);
    }
    if (fromMemory) {
        if (length == 0) {
            return Fail(kAudioErrorParameter);
        }
        const uint8_t* begin = static_cast<const uint8_t*>(file) + offset;
        bytes.assign(begin, begin + length);
        return true;
    }
    if (!ReadFile(static_cast<const char*>(file), bytes)) {
        return Fail(kAudioErrorFileOpen);
    }
    if (offset > bytes.size()) {
        return Fail(kAudioErrorParameter);
    }
    bytes.erase(bytes.begin(), bytes.begin() + offset);
    if (length != 0 && length < bytes.size()) {
        bytes.resize(length);
    }
    return true;
}

using Decoder = std::unique_ptr<AudioSource> (*)(const std::vector<uint8_t>&, uint32_t rate);

uint32_t Load(SourceKind kind, Decoder decode, bool fromMemory, const void* file, uint32_t offset,
              uint32_t length) {
    if (!audio.initialised) {
        Fail(kAudioErrorNotInitialised);
        return 0;
    }
    std::vector<uint8_t> bytes;
    if (!TakeBytes(fromMemory, file, offset, length, bytes)) {
        return 0;
    }
    std::unique_ptr<AudioSource> source = decode(bytes, audio.rate);
    if (!source) {
        Fail(kAudioErrorFormat);
        return 0;
    }
    std::lock_guard<std::mutex> lock(mixLock);
    uint32_t handle = audio.nextHandle++;
    audio.channels.push_back(AudioChannel{handle, kind, std::move(source)});
    Succeed();
    return handle;
}

AudioChannel* FindChannel(uint32_t handle) {
    for (AudioChannel& channel : audio.channels) {
        if (channel.handle == handle) {
            return &channel;
        }
    }
    return nullptr;
}

bool Play(SourceKind kind, uint32_t handle) {
    if (!audio.initialised) {
        return Fail(kAudioErrorNotInitialised);
    }
    std::lock_guard<std::mutex> lock(mixLock);
    AudioChannel* channel = FindChannel(handle);
    if (!channel || channel->kind != kind) {
        return Fail(kAudioErrorHandle);
    }
    channel->playing = true;
    return Succeed();
}

// Reads and drops `frames` frames of the channel, a stretch at a time.
void Skip(AudioChannel& channel, uint64_t frames) {
    constexpr size_t kStretch = 4096;
    audio.scratch.resize(kStretch * kAudioChannels);
    while (frames > 0) {
        size_t wanted = static_cast<size_t>(std::min<uint64_t>(frames, kStretch));
        size_t got = channel.source->Read(audio.scratch.data(), wanted);
        channel.position += got;
        frames -= got;
        if (got < wanted) {
            return;
        }
    }
}

}  // namespace

uint32_t BASS_GetVersion() {
    return kAudioVersion;
}

bool BASS_Init(int device, uint32_t frequency, uint32_t, void*) {
    if (audio.initialised) {
        return Fail(kAudioErrorAlready);
    }
    if (device != kAudioDefaultDevice || frequency < kMinimumRate || frequency > kMaximumRate) {
        return Fail(kAudioErrorParameter);
    }
    if (!audio.manual && !OpenDevice(frequency)) {
        return Fail(kAudioErrorNoDevice);
    }
    audio.rate = frequency;
    audio.initialised = true;
    return Succeed();
}

bool BASS_Start() {
    if (!audio.initialised) {
        return Fail(kAudioErrorNotInitialised);
    }
    if (audio.device != 0) {
        SDL_PauseAudioDevice(audio.device, 0);
    }
    return Succeed();
}

uint32_t BASS_StreamCreateFile(bool fromMemory, const void* file, uint32_t offset, uint32_t length,
                               uint32_t) {
    return Load(SourceKind::kStream, OpenMp3, fromMemory, file, offset, length);
}

uint32_t BASS_MusicLoad(bool fromMemory, const void* file, uint32_t offset, uint32_t length,
                        uint32_t) {
    return Load(SourceKind::kMusic, OpenModule, fromMemory, file, offset, length);
}

bool BASS_StreamPlay(uint32_t stream, bool, uint32_t) {
    return Play(SourceKind::kStream, stream);
}

bool BASS_MusicPlay(uint32_t music) {
    return Play(SourceKind::kMusic, music);
}

int BASS_ErrorGetCode() {
    return audio.lastError;
}

bool SeekAudio(uint32_t handle, double seconds) {
    if (!audio.initialised) {
        return Fail(kAudioErrorNotInitialised);
    }
    std::lock_guard<std::mutex> lock(mixLock);
    AudioChannel* channel = FindChannel(handle);
    if (!channel) {
        return Fail(kAudioErrorHandle);
    }
    const auto target = static_cast<uint64_t>(std::llround(std::max(0.0, seconds) * audio.rate));
    if (target < channel->position) {
        return Fail(kAudioErrorParameter);
    }
    Skip(*channel, target - channel->position);
    return Succeed();
}

double AudioPosition(uint32_t handle) {
    std::lock_guard<std::mutex> lock(mixLock);
    const AudioChannel* channel = FindChannel(handle);
    if (!channel || audio.rate == 0) {
        return -1.0;
    }
    return static_cast<double>(channel->position) / audio.rate;
}

bool BASS_Free() {
    if (!audio.initialised) {
        return Fail(kAudioErrorNotInitialised);
    }
    // Closing waits for the mixing thread, so it happens outside the lock that thread takes.
    if (audio.device != 0) {
        SDL_CloseAudioDevice(audio.device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audio.device = 0;
    }
    std::lock_guard<std::mutex> lock(mixLock);
    audio.channels.clear();
    audio.initialised = false;
    return Succeed();
}

void UseManualAudio(bool manual) {
    audio.manual = manual;
}

void MixAudio(float* out, size_t frames) {
    size_t values = frames * kAudioChannels;
    std::fill(out, out + values, 0.0f);
    std::lock_guard<std::mutex> lock(mixLock);
    audio.scratch.resize(values);
    for (AudioChannel& channel : audio.channels) {
        if (!channel.playing) {
            continue;
        }
        size_t got = channel.source->Read(audio.scratch.data(), frames);
        channel.position += got;
        channel.playing = got == frames;
        for (size_t i = 0; i < got * kAudioChannels; ++i) {
            out[i] += audio.scratch[i];
        }
    }
    for (size_t i = 0; i < values; ++i) {
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
    }
}

}  // namespace platform
