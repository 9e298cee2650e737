// Textures on a real context: loading by extension with its log lines, the RGBA pixels
// that TGA and JPEG files become, what each filter mode samples, the texture units.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "render/overlay.h"
#include "render/renderer.h"
#include "render/texture.h"
#include "support/gl_context.h"
#include "support/log_lines.h"
#include "support/test_images.h"
#include "tools/common/jpeg_writer.h"

namespace {

using render::Texture;

std::string TgaFile(uint8_t type, uint8_t depth, uint16_t width, uint16_t height,
                    const std::vector<int>& body) {
    return testing_support::TgaFile({type, depth, width, height, 0, 0, 0, 0, 0, ""},
                                    std::string(body.begin(), body.end()));
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

// Mipmap level `level` of a side × side texture: squares of one texel, blue and black on
// level 0, red and black on level 1; green from level 2 on.
std::vector<uint8_t> Squares(int side, int level) {
    std::vector<uint8_t> texels(static_cast<size_t>(side) * side * 4, 255);
    for (int i = 0; i < side * side; ++i) {
        bool lit = (i % side + i / side) % 2 == 0;
        uint8_t* t = &texels[i * 4u];
        t[0] = level == 1 && lit ? 255 : 0;
        t[1] = level >= 2 ? 255 : 0;
        t[2] = level == 0 && lit ? 255 : 0;
    }
    return texels;
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

    // Draws `texture` `scale` times its size at the top left, unlit and opaque.
    static void DrawMagnified(const Texture& texture, float scale) {
        glDisable(GL_BLEND);
        glDisable(GL_ALPHA_TEST);
        glDisable(GL_DEPTH_TEST);
        render::PushOverlayProjection();
        glScalef(scale, scale, 1);
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

// Each filter mode read from the pixels drawn, as magnification and minification, N(earest)
// or L(inear), then the mipmap level choice, n(earest) or l(inear), none without mipmaps. A
// 2 × 2 black and white texture drawn 32 times larger mixes the two between the texel centres
// when magnification is linear. A 64 × 64 texture drawn at 2^-1.25 of its size shows level 0
// (blue and black squares) without mipmaps, level 1 (red and black) with the nearest level,
// some of level 2 (green) with linear mipmap filtering; linear minification mixes squares.
TEST_F(TextureGl, FilterModesShowInTheSampledPixels) {
    const char* modes[] = {"NN", "LN", "NL", "LL", "NNn", "NLn", "NNl", "LNn", "LLn", "LNl", "LLl"};
    render::BuildUnitQuad();
    for (int mode = 0; mode <= 10; ++mode) {
        Texture small, large;
        small.filterMode = large.filterMode = mode;
        small.SetWidth(2);
        small.SetHeight(2);
        std::fill_n(&small.pixels[4], 4, uint8_t{255});
        std::fill_n(&small.pixels[12], 4, uint8_t{255});
        small.Upload();
        DrawMagnified(small, 32);
        int between = PixelAt(24, height - 16).r;
        std::string seen = between > 20 && between < 235 ? "L" : "N";
        large.SetWidth(64);
        large.SetHeight(64);
        large.Upload();
        GLint level1Width = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &level1Width);
        EXPECT_EQ(level1Width != 0, mode >= 4) << "mode " << mode << " builds mipmaps";
        for (int level = 0, side = 64; side > 0; ++level, side /= 2) {
            std::vector<uint8_t> texels = Squares(side, level);
            glTexImage2D(GL_TEXTURE_2D, level, GL_RGBA, side, side, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                         texels.data());
        }
        glClear(GL_COLOR_BUFFER_BIT);
        DrawMagnified(large, std::pow(2.0f, -1.25f));
        std::set<int> values;
        bool red = false, green = false;
        for (int y = 2; y < 24; ++y) {
            for (int x = 2; x < 24; ++x) {
                Rgba p = PixelAt(x, height - 1 - y);
                values.insert(p.r + p.b);
                red = red || p.r > 20;
                green = green || p.g > 20;
            }
        }
        seen += values.size() > 3 ? "L" : "N";
        seen += green ? "l" : red ? "n" : "";
        EXPECT_EQ(seen, modes[mode]) << "mode " << mode;
    }
}

// One unit as three letters: texturing on (T), sphere-mapped (S), the texture bound (t);
// a dash or 0 for each that is not.
std::string UnitState(GLenum unit, GLint texture) {
    glActiveTexture(unit);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    return std::string(glIsEnabled(GL_TEXTURE_2D) ? "T" : "-") +
           (glIsEnabled(GL_TEXTURE_GEN_S) && glIsEnabled(GL_TEXTURE_GEN_T) ? "S" : "-") +
           (bound == texture ? "t"
            : bound == 0     ? "0"
                             : "?");
}

// From both units textured, unbound and sphere-mapped, the first active, the steps: "2t"
// puts the texture on unit 2, "1o" a texture named -1 on unit 1, "u" uses the texture for a
// two-dimensional pass, "s" switches sphere mapping off; then the active unit and each unit.
TEST_F(TextureGl, TextureUnitOperationsLeaveTheUnitsAsTheySay) {
    const std::tuple<const char*, std::vector<std::string>, GLenum, const char*, const char*>
        cases[] = {{"GL_ARB_multitexture", {"2t"}, GL_TEXTURE1, "TS0", "TSt"},
                   {"GL_ARB_multitexture", {"1o"}, GL_TEXTURE0, "-S0", "TS0"},
                   {"GL_ARB_multitexture", {"1o", "3t"}, GL_TEXTURE0, "TSt", "TS0"},
                   {"GL_ARB_multitexture", {"u"}, GL_TEXTURE1, "TSt", "-S0"},
                   {"", {"u"}, GL_TEXTURE0, "T-t", "TS0"},
                   {"GL_ARB_multitexture", {"2t", "s"}, GL_TEXTURE1, "TS0", "T-t"}};
    Texture texture, off;
    texture.SetWidth(1);
    texture.SetHeight(1);
    texture.Upload();
    off.glName = -1;
    for (const auto& [extensions, steps, active, first, second] : cases) {
        SCOPED_TRACE(extensions + testing::PrintToString(steps));
        for (GLenum unit : {GL_TEXTURE1, GL_TEXTURE0}) {
            glActiveTexture(unit);
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, 0);
            render::renderer.SphereMapOn();
        }
        render::renderer.UseExtensions(extensions);
        for (const std::string& step : steps) {
            if (step == "u") {
                render::renderer.UseTexture(texture);
            } else if (step == "s") {
                render::renderer.SphereMapOff();
            } else {
                render::renderer.SetTextureUnit(step[0] - '0', step[1] == 't' ? texture : off);
            }
        }
        GLint activeAfter = 0;
        glGetIntegerv(GL_ACTIVE_TEXTURE, &activeAfter);
        EXPECT_EQ(activeAfter, static_cast<GLint>(active));
        EXPECT_EQ(UnitState(GL_TEXTURE0, texture.glName), first);
        EXPECT_EQ(UnitState(GL_TEXTURE1, texture.glName), second);
    }
}

}  // namespace
