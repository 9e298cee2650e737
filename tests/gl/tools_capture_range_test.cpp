// The capture's range run in the test's own process: what a run keeps from --from on, frames
// and soundtrack, is what a run kept from the show's start holds from there, though the
// frames before the range were never drawn.
#include <gtest/gtest.h>

#include <string>

#include "support/png_file.h"
#include "support/process_test.h"
#include "support/show_audio.h"
#include "tools/capture/capture.h"

namespace {

constexpr double kFrom = 11.6;  // sound and frames from just after part 1's start
constexpr int kFps = 25;

class CaptureRange : public testing_support::ProcessTest {
protected:
    // Frames and sound from `from` to 12.4 s, into `name`.
    void Capture(double from, const std::string& name) {
        testing_support::ResetProcessState();
        tools::capture::CaptureOptions options;
        options.from = from;
        options.to = 12.4;
        options.width = 160;
        options.height = 120;
        options.outputFolder = name;
        EXPECT_GT(tools::capture::RunCapture(options).framesWritten, 0);
    }
};

TEST_F(CaptureRange, TheRangeIsTheWholeRunFromItsStart) {
    testing_support::WriteShowAudio(folder);
    Capture(0.0, "whole");
    Capture(kFrom, "range");
    const int skipped = static_cast<int>(kFrom * kFps + 0.5);
    for (int frame = 0; frame < 20; ++frame) {
        EXPECT_TRUE(testing_support::ReadFrame("range", frame).pixels ==
                    testing_support::ReadFrame("whole", skipped + frame).pixels)
            << "frame " << frame;
    }
    const std::string whole = folder.Read("whole/soundtrack.wav");
    const std::string range = folder.Read("range/soundtrack.wav");
    const size_t header = 44;
    const size_t before = static_cast<size_t>(kFrom * 44100) * 4;
    EXPECT_NE(range.find_first_not_of('\0', header), std::string::npos) << "the voice is heard";
    // Twenty frames of 1764 stereo 16-bit samples, from the frame at kFrom itself.
    EXPECT_EQ(range.size() - header, 20u * 1764 * 4);
    ASSERT_EQ(range.size() - header, whole.size() - header - before);
    EXPECT_TRUE(range.compare(header, std::string::npos, whole, header + before) == 0);
}

}  // namespace
