// The show's voice and music once loaded: started together with part 1, released at the end.
#pragma once

namespace production {

// Starts voice and music on the first frame of part 1, once. A failed music start
// releases the audio; the release at the end is then harmless.
void StartAudioWithPartOne();
// Releases the audio output when loading got as far as opening it.
void ReleaseAudio();

}  // namespace production
