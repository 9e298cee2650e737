// A real OpenGL context for tests: the engine's own window code on SDL's offscreen
// driver (Mesa llvmpipe), so no display is needed.
#pragma once

#include <cstdint>
#include <vector>

#include "support/process_test.h"

namespace testing_support {

// The process fixture with a 640 × 480 windowed context, opened before each test and
// closed after.
class GlTest : public ProcessTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // RGBA bytes of the frame being drawn, bottom row first, as glReadPixels gives them.
    std::vector<uint8_t> ReadPixels() const;
    // One pixel, (0, 0) at the bottom left.
    struct Rgba {
        int r, g, b, a;
    };
    Rgba PixelAt(int x, int y) const;

    int width = 640;
    int height = 480;
};

}  // namespace testing_support
