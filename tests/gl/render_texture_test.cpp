// Textures on a real context: loading by extension with its log lines, the RGBA pixels
// that TGA and JPEG files become, filter modes.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "render/overlay.h"
#include "render/texture.h"
#include "support/gl_context.h"
#include "support/log_lines.h"
#include "support/test_images.h"
#include "tools/common/jpeg_writer.h"

namespace {

using render::Texture;

std::string TgaFile(uint8_t type, uint8_t depth, uint16_t width, uint16_t height,
                    const std::vector<int>& body) {
    testing_support::TgaHeader header;
    header.type = type;
    header.depth = depth;
    header.width = width;
    header.height = height;
    return testing_support::TgaFile(header, std::string(body.begin(), body.end()));
}

// A 16 × 16 JPEG at full quality: the top half red, the bottom half blue.
std::string TwoBandsJpeg() {
    tools::data::Image image(16, 16, {0, 0, 250, 255});
    for (int i = 0; i < 8 * 16; ++i) {
        image.at(i % 16, i / 16) = {250, 0, 0, 255};
    }
    std::vector<uint8_t> bytes = tools::data::EncodeJpeg(image, 100);
    return std::string(bytes.begin(), bytes.end());
}

class TextureGl : public testing_support::GlTest {
protected:
    // Level 0 of the texture as OpenGL holds it, row 0 first.
    std::vector<uint8_t> Level0(const Texture& texture) const {
        std::vector<uint8_t> pixels(static_cast<size_t>(texture.width) * texture.height * 4);
        texture.Bind();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    // Draws `texture` 32 times larger at the top left, unlit and opaque.
    static void DrawMagnified(const Texture& texture) {
        glDisable(GL_BLEND);
        glDisable(GL_ALPHA_TEST);
        glDisable(GL_DEPTH_TEST);
        render::PushOverlayProjection();
        glScalef(32, 32, 1);
        render::DrawImage(0, 0, texture);
        render::PopOverlayProjection();
    }
};

// libjpeg's warnings leave a whole picture, which loads; what it cannot decode never does.
TEST_F(TextureGl, ExtensionAfterTheLastDotChoosesTheReaderWhichLoadsWhatItCanDecode) {
    const std::string tga = TgaFile(2, 24, 1, 1, {1, 2, 3}), good = TwoBandsJpeg();
    std::string stray = good;
    stray.insert(stray.find("\xff\xdb"), 1, '\0');
    const std::tuple<const char*, std::string, bool> cases[] = {
        {"a.b.tga", tga, true},
        {"photo.Jpg", good, true},
        {"photo.jpeg", good, false},
        {"nodot", tga, false},
        {"stray.jpg", stray, true},
        {"cut.jpg", good.substr(0, good.find("\xff\xda") + 20), true},
        {"noise.jpg", std::string(300, 'x'), false}};
    for (const auto& [name, bytes, loads] : cases) {
        folder.Write(name, bytes);
        Texture texture;
        EXPECT_EQ(texture.Load(name), loads) << name;
        EXPECT_EQ(texture.Present(), loads) << name;
        std::string line =
            loads ? std::string("Loaded: ") + name : std::string("Error: ") + name + " not found!";
        testing_support::ExpectLinesInOrder(Log(), {line});
    }
    // Opaque RGB, top row first, away from the middle rows that chroma subsampling blurs.
    Texture clean, withStray;
    ASSERT_TRUE(clean.Load("photo.Jpg") && withStray.Load("stray.jpg"));
    std::vector<uint8_t> pixels = Level0(clean);
    EXPECT_EQ(Level0(withStray), pixels) << "a stray byte changes no pixel";
    ASSERT_EQ(clean.width, 16);
    for (int y : {0, 15}) {
        const uint8_t* p = &pixels[(y * 16 + 5) * 4u];
        EXPECT_NEAR(p[0], y < 8 ? 250 : 0, 8) << "row " << y;
        EXPECT_NEAR(p[1], 0, 8);
        EXPECT_NEAR(p[2], y < 8 ? 0 : 250, 8);
        EXPECT_EQ(p[3], 255);
    }
}

TEST_F(TextureGl, TgaPixelsBecomeRgbaInFileRowOrder) {
    // Two rows: blue-green-red pixels, the first row stored first.
    const std::pair<std::string, std::vector<uint8_t>> cases[] = {
        {TgaFile(2, 24, 1, 2, {255, 0, 0, 0, 0, 255}), {0, 0, 255, 255, 255, 0, 0, 255}},
        {TgaFile(2, 32, 1, 1, {10, 20, 30, 40}), {30, 20, 10, 40}},
        {TgaFile(3, 8, 2, 1, {0, 200}), {0, 0, 0, 255, 200, 200, 200, 255}}};
    for (const auto& [bytes, rgba] : cases) {
        folder.Write("image.tga", bytes);
        Texture texture;
        ASSERT_TRUE(texture.Load("image.tga"));
        EXPECT_EQ(Level0(texture), rgba);
    }
}

// A black and white 2 × 2 texture drawn 32 times larger: between the texel centres
// linear magnification mixes the two; every mode from 4 on keeps smaller levels.
TEST_F(TextureGl, FilterModesShowInTheSampledPixelsAndMipmaps) {
    const bool linearMagnification[] = {false, true, false, true, false, false,
                                        false, true, true,  true, true};
    render::BuildUnitQuad();
    for (int mode = 0; mode <= 10; ++mode) {
        Texture texture;
        texture.filterMode = mode;
        texture.SetWidth(2);
        texture.SetHeight(2);
        for (int i : {1, 3}) {
            std::fill_n(&texture.pixels[i * 4u], 4, uint8_t{255});
        }
        texture.Upload();
        DrawMagnified(texture);
        int between = PixelAt(24, height - 16).r;
        EXPECT_EQ(between > 20 && between < 235, linearMagnification[mode]) << "mode " << mode;
        GLint level1Width = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &level1Width);
        EXPECT_EQ(level1Width, mode >= 4 ? 1 : 0) << "mode " << mode;
    }
}

}  // namespace
