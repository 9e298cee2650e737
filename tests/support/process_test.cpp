// Resetting every layer's process-wide state between tests.
#include "support/process_test.h"

#include "app/reset.h"
#include "console/log.h"
#include "console/reset.h"
#include "effects/reset.h"
#include "platform/random.h"
#include "platform/reset.h"
#include "production/reset.h"
#include "render/reset.h"
#include "scene/reset.h"

namespace testing_support {

void ResetProcessState() {
    platform::Reset();
    // Tests repeat: the particle systems' seeding from the time is held off.
    platform::UseFixedRandomSeed(1);
    console::Reset();
    render::Reset();
    scene::Reset();
    effects::Reset();
    production::Reset();
    app::Reset();
}

ProcessTest::ProcessTest() {
    ResetProcessState();
    console::StartLog(kLogName);
}

ProcessTest::~ProcessTest() {
    ResetProcessState();
}

void ProcessTest::UseVirtualClock() {
    platform::UseClock(&clock);
}

}  // namespace testing_support
