// The platform as at program start: no window, no audio output or channel, an empty
// message queue, the real clock and the random source's first seed, taken from the time.
#pragma once

namespace platform {

void Reset();

}  // namespace platform
