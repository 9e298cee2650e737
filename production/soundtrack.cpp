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

bool AudioDue() {
    return show.partIndex >= 1 && show.audioState == 1;
}

void MoveAudioTo(int64_t now) {
    const double seconds = static_cast<double>(now - show.audioOrigin) / 10000.0;
    platform::SeekAudio(show.voiceStream, seconds);
    platform::SeekAudio(show.musicModule, seconds);
}

void PlayAudio(int64_t now) {
    using namespace platform;
    show.audioState = 2;
    if (now > show.audioOrigin) {
        MoveAudioTo(now);
    }
    if (!BASS_StreamPlay(show.voiceStream, false, 0)) {
        console::Print("Can't play voice file. " + console::IntToString(BASS_ErrorGetCode()));
    }
    if (!BASS_MusicPlay(show.musicModule)) {
        console::Print("Can't play music the file");
        BASS_Free();
    }
}

}  // namespace

void StartAudioWithPartOne(int64_t now) {
    if (!AudioDue()) {
        return;
    }
    const bool late = now - PartEnd(0) > kLateStart;
    show.audioOrigin = late ? PartEnd(0) : now;
    PlayAudio(now);
}

void NoteAudioStart(int64_t now) {
    if (AudioDue() && show.audioOrigin < 0) {
        show.audioOrigin = now;
    }
}

void BringAudioTo(int64_t now) {
    if (show.audioOrigin < 0) {
        StartAudioWithPartOne(now);
    } else if (show.audioState == 1) {
        PlayAudio(now);
    } else if (show.audioState == 2) {
        MoveAudioTo(now);
    }
}

void ReleaseAudio() {
    if (show.audioState != 0) {
        platform::BASS_Free();
    }
}

}  // namespace production
