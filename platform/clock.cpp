// Real and virtual clock sources behind the counter, frequency and millisecond tick.
#include "platform/clock.h"

#include <SDL.h>

#include "platform/host.h"

namespace platform {
namespace {

// SDL's counter runs in nanoseconds since boot; the tick arithmetic multiplies it by
// 10000 in 64 bits, which would overflow after ten days of uptime. Counting from the
// program's first reading keeps the product small for any run of realistic length.
class RealClock : public ClockSource {
public:
    int64_t Counter() override {
        return static_cast<int64_t>(SDL_GetPerformanceCounter() - origin_);
    }
    int64_t Frequency() override { return static_cast<int64_t>(SDL_GetPerformanceFrequency()); }

private:
    uint64_t origin_ = SDL_GetPerformanceCounter();
};

ClockSource* RealSource() {
    static RealClock real;
    return &real;
}

ClockSource* Source() {
    return host.clock ? host.clock : RealSource();
}

}  // namespace

void UseClock(ClockSource* source) {
    host.clock = source;
}

ClockSource* ClockInUse() {
    return Source();
}

int64_t QueryPerformanceCounter() {
    return Source()->Counter();
}

int64_t QueryPerformanceFrequency() {
    return Source()->Frequency();
}

uint32_t GetTickCount() {
    ClockSource* source = Source();
    return static_cast<uint32_t>(source->Counter() * 1000 / source->Frequency());
}

}  // namespace platform
