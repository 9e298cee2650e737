// The offscreen context fixture.
#include "support/gl_context.h"

#include <GL/gl.h>

#include <cstdlib>

#include "render/display.h"

namespace testing_support {

void GlTest::SetUp() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    ASSERT_TRUE(render::CreateGLWindow("test", width, height, 32, false));
}

void GlTest::TearDown() {
    render::KillWindow();
}

std::vector<uint8_t> GlTest::ReadPixels() const {
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

GlTest::Rgba GlTest::PixelAt(int x, int y) const {
    uint8_t p[4] = {};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2], p[3]};
}

}  // namespace testing_support
