// The engine's one clock: performance counter, its frequency and the millisecond tick.
// A real source reads SDL's counter; a virtual source is advanced by hand so that
// tests and offline capture get the same frames on every run.
#pragma once

#include <cstdint>

namespace platform {

class ClockSource {
public:
    virtual ~ClockSource() = default;
    virtual int64_t Counter() = 0;
    virtual int64_t Frequency() = 0;
};

// Counts 1/10000 s per step, the engine's tick, so tests can think in ticks.
class VirtualClock : public ClockSource {
public:
    int64_t Counter() override { return counter_; }
    int64_t Frequency() override { return 10000; }
    void Advance(int64_t ticks) { counter_ += ticks; }
    void AdvanceMilliseconds(int64_t ms) { counter_ += ms * 10; }

private:
    int64_t counter_ = 0;
};

// Makes `source` the clock of the whole program; nullptr returns to the real clock.
void UseClock(ClockSource* source);
// The clock the program reads now: the one UseClock set, or the real one.
ClockSource* ClockInUse();

int64_t QueryPerformanceCounter();
int64_t QueryPerformanceFrequency();
// Milliseconds of the same clock, wrapping like a 32-bit tick count.
uint32_t GetTickCount();

}  // namespace platform
