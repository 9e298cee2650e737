// Materials on two texture units, as every real run draws them: a reflection map modulates
// the diffuse map, and an image drawn after such a material has the second unit cleared.
#include <gtest/gtest.h>

#include <functional>
#include <numeric>

#include "render/gl.h"
#include "render/renderer.h"
#include "render/texture.h"
#include "scene/material.h"
#include "scene/mesh_drawing.h"
#include "support/gl_context.h"

namespace {

render::Texture TwoByTwo(const std::vector<uint8_t>& texels) {
    render::Texture texture;
    texture.filterMode = 0;
    texture.SetWidth(2);
    texture.SetHeight(2);
    texture.pixels = texels;
    texture.Upload();
    return texture;
}

// Red, green / blue, white; the reflection map a uniform cyan; their product.
const std::vector<uint8_t> kDiffuse = {255, 0, 0,   255, 0,   255, 0,   255,
                                       0,   0, 255, 255, 255, 255, 255, 255};
const std::vector<uint8_t> kCyan = {0, 255, 255, 255, 0, 255, 255, 255,
                                    0, 255, 255, 255, 0, 255, 255, 255};
const std::vector<uint8_t> kProduct = {0, 0, 0,   255, 0, 255, 0,   255,
                                       0, 0, 255, 255, 0, 255, 255, 255};

class Multitexture : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        render::renderer.UseExtensions("GL_ARB_multitexture GL_ARB_texture_env_combine");
        ASSERT_TRUE(render::renderer.multitexture);
        glDisable(GL_LIGHTING);
        for (GLenum mode : {GL_PROJECTION, GL_MODELVIEW}) {
            glMatrixMode(mode);
            glLoadIdentity();
        }
    }

    // The screen-filling square, drawn after `prepare`.
    std::vector<uint8_t> Draw(const std::function<void()>& prepare) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        prepare();
        glColor3f(1, 1, 1);
        glBegin(GL_QUADS);
        const float corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
        for (const auto& c : corners) {
            glNormal3f(0, 0, 1);
            glTexCoord2f((c[0] + 1) / 2, (c[1] + 1) / 2);
            glVertex2f(c[0], c[1]);
        }
        glEnd();
        return ReadPixels();
    }

    static size_t Differing(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
        return std::inner_product(a.begin(), a.end(), b.begin(), size_t{0}, std::plus<>(),
                                  [](int x, int y) { return std::abs(x - y) > 24; });
    }

    scene::Material Material(const std::vector<uint8_t>& diffuse,
                             const std::vector<uint8_t>& reflection) {
        scene::Material material;
        material.diffuse = scene::Vector(1, 1, 1, 1);
        material.opacity = 100;
        material.diffuseMap = TwoByTwo(diffuse);
        if (!reflection.empty()) {
            material.reflectionMap = TwoByTwo(reflection);
        }
        return material;
    }
};

TEST_F(Multitexture, AReflectionMapModulatesTheDiffuseMap) {
    scene::Material reflecting = Material(kDiffuse, kCyan);
    scene::Material product = Material(kProduct, {});
    scene::Material plain = Material(kDiffuse, {});
    const std::vector<uint8_t> reflected = Draw([&] { scene::ApplyMaterial(reflecting); });
    EXPECT_EQ(Differing(reflected, Draw([&] { scene::ApplyMaterial(product); })), 0u);
    EXPECT_GT(Differing(reflected, Draw([&] { scene::ApplyMaterial(plain); })), 0u);
}

TEST_F(Multitexture, AnImageAfterAReflectionMappedMaterialHasTheSecondUnitCleared) {
    scene::Material reflecting = Material(kDiffuse, kCyan);
    const render::Texture title = TwoByTwo(kDiffuse);
    const std::vector<uint8_t> alone = Draw([&] { render::renderer.UseTexture(title); });
    scene::ApplyMaterial(reflecting);
    EXPECT_EQ(Differing(alone, Draw([&] { render::renderer.UseTexture(title); })), 0u);
}

}  // namespace
