// Tick timers over the platform's performance counter.
#include "app/timer.h"

#include "console/log.h"
#include "platform/clock.h"

namespace app {

int64_t performanceFrequency = 1;

void Timer::Start() {
    start = platform::QueryPerformanceCounter();
}

int64_t Timer::Update() {
    int64_t now = platform::QueryPerformanceCounter();
    elapsed = (now - start) * kTicksPerSecond / performanceFrequency;
    return elapsed;
}

void InitTimer() {
    performanceFrequency = platform::QueryPerformanceFrequency();
    console::Print(
        "\xc8\xed\xe8\xf6\xe8\xe0\xeb\xe8\xe7\xe0\xf6\xe8\xff \xf2\xe0\xe9\xec\xe8\xed\xe3\xe0 "
        "\xef\xf0\xee\xf8\xeb\xe0 \xf3\xf1\xef\xe5\xf8\xed\xee.");
}

int64_t TimeStamp() {
    return platform::QueryPerformanceCounter() * kTicksPerSecond / performanceFrequency;
}

}  // namespace app
