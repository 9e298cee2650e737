// The audio library the show talks to: a voice stream (MP3) and a music module (IT), mixed
// into one 44.1 kHz stereo output. Decoding is libmpg123's and libopenmpt's; output is an
// SDL audio device, or nothing at all when the mix is pulled by hand (MixAudio).
//
// How production loading calls it, in this order, stopping at the first failure:
//
//   if (BASS_GetVersion() != kAudioVersion) -> "BASS version 1.5 was not loaded\n"
//   if (!BASS_Init(-1, 44100, 4, nullptr))  -> "Can't initialize device"
//   BASS_Start();
//   voiceStream = BASS_StreamCreateFile(false, "Data\\Voice\\ring4.mp3", 0, 0, 0x40000);
//   if (!voiceStream) -> "Can't load voice file" + IntToString(BASS_ErrorGetCode()); BASS_Free()
//   musicModule = BASS_MusicLoad(false, "Data\\Music\\buddha.it", 0, 0, 0x80);
//   if (!musicModule) -> "Can't load music file"; BASS_Free()
//   audioState = 1
//
// The frame loop then starts both with BASS_StreamPlay(voiceStream, false, 0) and
// BASS_MusicPlay(musicModule), and shutdown calls BASS_Free(). Every failure leaves the
// layer usable and reports its cause through BASS_ErrorGetCode(); BASS_Free() may be called
// any number of times. A machine without sound fails BASS_Init and the show runs silent.
//
// All calls are made from the main thread; the device's own thread only mixes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

constexpr uint32_t kAudioVersion = 0x00050001;  // 1.5
constexpr int kAudioDefaultDevice = -1;
constexpr int kAudioChannels = 2;  // interleaved left, right

// What BASS_ErrorGetCode() returns after the last call.
enum AudioError : int {
    kAudioOk = 0,
    kAudioErrorNotInitialised = 1,
    kAudioErrorFileOpen = 2,   // the file could not be read
    kAudioErrorNoDevice = 3,   // no output device could be opened
    kAudioErrorAlready = 4,    // BASS_Init while already initialised
    kAudioErrorHandle = 5,     // not a handle of the right kind
    kAudioErrorFormat = 6,     // the decoder refused the data
    kAudioErrorParameter = 7,  // an unsupported argument (device, rate, byte range)
};

uint32_t BASS_GetVersion();

// Opens the output at `frequency` samples a second (8000..192000). `device` must be
// kAudioDefaultDevice; `flags` and `window` are accepted and ignored. The output starts
// paused until BASS_Start.
bool BASS_Init(int device, uint32_t frequency, uint32_t flags, void* window);
bool BASS_Start();

// `fromMemory` false: `file` is an engine file name (char*, backslashes and any letter case).
// `fromMemory` true: `file` points at `length` bytes of the file (length must not be 0).
// `offset` bytes are skipped; a `length` of 0 means to the end. `flags` are ignored.
// Returns a non-zero handle, or 0 with the error code set.
uint32_t BASS_StreamCreateFile(bool fromMemory, const void* file, uint32_t offset, uint32_t length,
                               uint32_t flags);
uint32_t BASS_MusicLoad(bool fromMemory, const void* file, uint32_t offset, uint32_t length,
                        uint32_t flags);

// Start playing from where the stream or module stands (the start, the first time); each
// plays once and then falls silent. `flush` and `flags` are accepted and ignored.
bool BASS_StreamPlay(uint32_t stream, bool flush, uint32_t flags);
bool BASS_MusicPlay(uint32_t music);

int BASS_ErrorGetCode();

// Moves a loaded stream or module on to `seconds` from its start, as if that much of it had
// been played (it is decoded and dropped, so what follows is what an unbroken play gives).
// Forward only: false with kAudioErrorParameter for a position already passed.
bool SeekAudio(uint32_t handle, double seconds);
// Seconds of the stream or module played or passed by a seek; negative for no such handle.
double AudioPosition(uint32_t handle);

// Closes the output and releases every stream and module. Calling it again, or before
// BASS_Init, does nothing and returns false.
bool BASS_Free();

// While on, BASS_Init opens no device: the mix advances only as MixAudio pulls it, which is
// how offline capture and tests hear the show. Takes effect at the next BASS_Init.
void UseManualAudio(bool manual);

// Fills `frames` stereo frames (2 × frames floats in −1..1) with the next stretch of the mix
// of everything playing; silence when nothing plays or the layer is not initialised.
void MixAudio(float* out, size_t frames);

}  // namespace platform
