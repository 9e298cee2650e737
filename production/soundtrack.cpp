// Starting and releasing the show's audio.
#include "production/soundtrack.h"

#include "console/log.h"
#include "platform/audio.h"
#include "production/schedule.h"
#include "production/show.h"

namespace production {
namespace {

// Ticks past part 1's start after which its first frame counts as late: a quarter of a
// second, so that frames at eight a second or more start the sound from its beginning.
constexpr int64_t kLateStart = 2500;

// Where voice and music start so that they are where an unbroken show would have them.
double StartPosition(int64_t now) {
    const int64_t late = now - PartEnd(0);
    return late > kLateStart ? static_cast<double>(late) / 10000.0 : 0.0;
}

}  // namespace

void StartAudioWithPartOne(int64_t now) {
    using namespace platform;
    if (show.partIndex < 1 || show.audioState != 1) {
        return;
    }
    show.audioState = 2;
    const double position = StartPosition(now);
    if (position > 0.0) {
        SeekAudio(show.voiceStream, position);
        SeekAudio(show.musicModule, position);
    }
    if (!BASS_StreamPlay(show.voiceStream, false, 0)) {
        console::Print("Can't play voice file. " + console::IntToString(BASS_ErrorGetCode()));
    }
    if (!BASS_MusicPlay(show.musicModule)) {
        console::Print("Can't play music the file");
        BASS_Free();
    }
}

void ReleaseAudio() {
    if (show.audioState != 0) {
        platform::BASS_Free();
    }
}

}  // namespace production
