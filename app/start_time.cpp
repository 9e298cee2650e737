// The catch-up clock and the loop that reaches a start time.
#include "app/start_time.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/main_loop.h"
#include "console/log.h"
#include "platform/clock.h"
#include "production/soundtrack.h"

namespace app {
namespace {

// The frame rate the show is moved on at: the capture tool's, so that a start reaches the
// state its frames show.
constexpr int64_t kCatchUpStep = kTicksPerSecond / 25;

// Stands still between steps while the show catches up, then runs on with the clock it
// was made over, from where the steps left it.
class CatchUpClock : public platform::ClockSource {
public:
    explicit CatchUpClock(platform::ClockSource* base) : base_(base) {}
    int64_t Counter() override { return stepping_ ? counter_ : base_->Counter() + offset_; }
    int64_t Frequency() override { return base_->Frequency(); }
    // Stops the clock where it stands.
    void Hold() {
        counter_ = Counter();
        stepping_ = true;
    }
    void Step(int64_t ticks) { counter_ += ticks * Frequency() / kTicksPerSecond; }
    void RunOn() {
        offset_ = counter_ - base_->Counter();
        stepping_ = false;
    }
    // Seconds of the underlying clock, for the progress line.
    double RealSeconds() const {
        return static_cast<double>(base_->Counter()) / static_cast<double>(base_->Frequency());
    }

private:
    platform::ClockSource* base_;
    int64_t counter_ = 0;
    int64_t offset_ = 0;
    bool stepping_ = false;
};

// The program's clock held still: made over the clock in use the first time, reused after.
CatchUpClock& HeldClock() {
    static std::optional<CatchUpClock> clock;
    if (!clock || platform::ClockInUse() != &*clock) {
        clock.emplace(platform::ClockInUse());
        platform::UseClock(&*clock);
    }
    clock->Hold();
    return *clock;
}

// A line a second once the catch-up has taken longer than one.
class Progress {
public:
    Progress(const CatchUpClock& clock, double target)
        : clock_(clock), target_(target), shown_(clock.RealSeconds() + 1.0) {}
    void Show(double reached) {
        if (clock_.RealSeconds() < shown_) {
            return;
        }
        shown_ += 1.0;
        std::printf("Going to %.1f s: %.0f s reached\n", target_, reached);
        std::fflush(stdout);
    }

private:
    const CatchUpClock& clock_;
    double target_;
    double shown_;
};

double ScheduleSeconds() {
    return static_cast<double>(run.scheduleTimer.Update()) / kTicksPerSecond;
}

}  // namespace

std::optional<double> StartTimeAsked() {
    const char* text = std::getenv("TORVANE_START");
    if (!text) {
        return std::nullopt;
    }
    char* end = nullptr;
    const double seconds = std::strtod(text, &end);
    if (end == text || *end != '\0' || !std::isfinite(seconds) || seconds < 0.0) {
        console::Print(std::string("TORVANE_START=") + text +
                       " is not a time in seconds; the show starts at its beginning");
        return std::nullopt;
    }
    return seconds;
}

void CatchUp(double seconds) {
    CatchUpClock& clock = HeldClock();
    const int64_t held = TimeStamp();
    Progress progress(clock, seconds);
    run.frameMode = FrameMode::kCatchingUp;
    while (run.quitRequested == 0 && ScheduleSeconds() < seconds) {
        if (!PassesUntilFrame()) {
            break;
        }
        clock.Step(kCatchUpStep);
        progress.Show(ScheduleSeconds());
    }
    run.frameMode = FrameMode::kDrawn;
    // Decoding up to the position takes a moment: it is done before the clock runs on.
    production::BringAudioTo(run.scheduleTimer.Update());
    // The work time counts the run's own seconds, not the show's that were stepped over.
    run.startStamp += TimeStamp() - held;
    clock.RunOn();
    console::Print("Show started at " + console::FloatToString(static_cast<float>(seconds)) +
                   " seconds");
}

}  // namespace app
