// Tick timers over the platform's performance counter.
#include "app/timer.h"

#include "app/main_loop.h"
#include "console/log.h"
#include "console/texts_1251.h"
#include "platform/clock.h"

namespace app {

void Timer::Start() {
    start = platform::QueryPerformanceCounter();
}

int64_t Timer::Update() {
    int64_t now = platform::QueryPerformanceCounter();
    elapsed = (now - start) * kTicksPerSecond / run.performanceFrequency;
    return elapsed;
}

void InitTimer() {
    run.performanceFrequency = platform::QueryPerformanceFrequency();
    console::Print(console::cp1251::kTimingReady);
}

int64_t TimeStamp() {
    return platform::QueryPerformanceCounter() * kTicksPerSecond / run.performanceFrequency;
}

}  // namespace app
