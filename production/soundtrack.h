// The show's voice and music once loaded: started together with part 1, released at the end.
#pragma once

#include <cstdint>

namespace production {

// Starts voice and music on the first frame of part 1, once, `now` being the schedule's
// clock in ticks. When that frame comes late (a start time, a hidden or minimised window)
// they start where the clock has got to since part 1 began, so they stay in step with the
// pictures. A failed music start releases the audio; the release at the end is then harmless.
void StartAudioWithPartOne(int64_t now);
// For a frame made while the show catches up with a start time: the moment the sound would
// have started is noted, and the sound waits.
void NoteAudioStart(int64_t now);
// Once the show has caught up with `now`: voice and music started, or moved on, to where an
// unbroken run would have them.
void BringAudioTo(int64_t now);
// Releases the audio output when loading got as far as opening it.
void ReleaseAudio();

}  // namespace production
