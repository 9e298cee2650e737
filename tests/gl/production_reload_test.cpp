// `reload` while the show plays: a replaced title picture and camera path are seen in the next
// frame; a replacement that does not read is logged by name and what was there stays.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/main_loop.h"
#include "console/settings.h"
#include "production/camera_path.h"
#include "production/show.h"
#include "support/log_lines.h"
#include "support/process_test.h"
#include "support/show_frames.h"
#include "tools/common/tga_writer.h"

namespace {

// The second title, shown at full strength from 3 s to 8 s at (70, 210).
constexpr const char* kTitle = "Data/Text/SeerDreams.tga";

std::string Picture(uint8_t r, uint8_t g, uint8_t b) {
    std::vector<uint8_t> tga =
        tools::data::EncodeTga(tools::data::Image(64, 64, {r, g, b, 255}), {});
    return std::string(tga.begin(), tga.end());
}

// Twelve keys one second apart, all at `x`.
std::string Path(float x) {
    std::string bytes;
    for (int key = 0; key < 12; ++key) {
        uint8_t record[production::kCameraRecordSize];
        production::EncodeCameraKey({x, 0, 0, 1, 0, 0}, record);
        bytes.append(reinterpret_cast<const char*>(record), sizeof record);
    }
    return bytes;
}

class Reload : public testing_support::ProcessTest {
protected:
    void SetUp() override {
        UseVirtualClock();
        folder.Write(kTitle, Picture(255, 0, 0));
        folder.Write("Campath1.vcp", Path(10));
        app::StartUp();
        clock.Advance(40000);
    }
    void TearDown() override { app::ShutDown(); }
    // The share of the frame's pixels of the colour (r, g, b).
    double Share(uint8_t r, uint8_t g, uint8_t b) {
        std::vector<uint8_t> pixels(640 * 480 * 4);
        glReadPixels(0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        int count = 0;
        for (size_t i = 0; i < pixels.size(); i += 4) {
            count += pixels[i] == r && pixels[i + 1] == g && pixels[i + 2] == b;
        }
        return count / (640.0 * 480.0);
    }
    void ReloadAndDraw() {
        console::Execute("reload");
        testing_support::MakeFrame();
    }
};

TEST_F(Reload, TheNextFrameShowsTheNewFilesAndADamagedOneKeepsTheOld) {
    testing_support::MakeFrame();
    EXPECT_GT(Share(255, 0, 0), 0.005);
    EXPECT_EQ(production::show.camera.position.x, 10);

    folder.Write(kTitle, Picture(0, 255, 0));
    folder.Write("Campath1.vcp", Path(20));
    ReloadAndDraw();
    EXPECT_EQ(Share(255, 0, 0), 0.0);
    EXPECT_GT(Share(0, 255, 0), 0.005);
    EXPECT_EQ(production::show.camera.position.x, 20);

    folder.Write(kTitle, Picture(0, 0, 255).substr(0, 30));
    folder.Write("Campath1.vcp", "short");
    ReloadAndDraw();
    EXPECT_GT(Share(0, 255, 0), 0.005);
    EXPECT_EQ(production::show.camera.position.x, 20);
    testing_support::ExpectLinesInOrder(
        Log(), {"Data\\Text\\SeerDreams.tga no longer reads; the texture loaded before stays",
                "Campath1.vcp no longer reads; the camera path loaded before stays"});
}

}  // namespace
