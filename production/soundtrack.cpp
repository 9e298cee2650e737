// Starting and releasing the show's audio.
#include "production/soundtrack.h"

#include "console/log.h"
#include "platform/audio.h"
#include "production/show.h"

namespace production {

void StartAudioWithPartOne() {
    using namespace platform;
    if (show.partIndex != 1 || show.audioState != 1) {
        return;
    }
    show.audioState = 2;
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
