// The one fixture for tests that touch process state: every layer's state object back
// to its start, the log started in a fresh temporary working folder, the real clock and
// the random source's first seed; the same reset again afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/clock.h"
#include "support/temp_folder.h"

namespace testing_support {

// Every layer's process-wide state as at program start, the lower layers' hooks handed
// down as the program does.
void ResetProcessState();

class ProcessTest : public ::testing::Test {
protected:
    ProcessTest();
    ~ProcessTest() override;

    // Makes `clock` the program's clock; the fixture returns to the real one.
    void UseVirtualClock();
    // The log the fixture started.
    std::string Log() const { return folder.Read(kLogName); }

    static constexpr const char* kLogName = "Torvan.log";
    TempFolder folder;
    platform::VirtualClock clock;
};

}  // namespace testing_support
