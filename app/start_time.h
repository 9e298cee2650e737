// Starting the show at a moment: the frames before it moved on without drawing, on a clock
// that steps a frame at a time, then real time from there with the sound in step.
#pragma once

#include <optional>

namespace app {

// The moment in seconds that TORVANE_START asks for; none when it is unset. A value that is
// not a time in seconds is logged and the show starts at its beginning.
std::optional<double> StartTimeAsked();
// Moves the show on, undrawn, from where it stands to `seconds` (a line a second says how
// far it has got when that takes longer than a second), starts voice and music where an
// unbroken run would have them, and lets the clock run on in real time from there.
void CatchUp(double seconds);

}  // namespace app
