// Resetting every layer's process-wide state between tests.
#include "support/process_test.h"

#include "app/reset.h"
#include "console/log.h"
#include "platform/random.h"

namespace testing_support {

void ResetProcessState() {
    app::ResetProgram();
    // Tests repeat: the particle systems' seeding from the time is held off.
    platform::UseFixedRandomSeed(1);
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
