// The one fixture for tests that touch process state: every layer reset to its start (no
// window, audio channel or queued message left), the log started in a fresh temporary
// working folder, the real clock and the random source fixed at seed 1; the same reset
// again afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/clock.h"
#include "support/temp_folder.h"

namespace testing_support {

// Each layer's Reset, bottom to top, and the random source fixed at seed 1.
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
