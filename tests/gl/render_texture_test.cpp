// Textures on a real context: loading by extension with its log lines, the RGBA pixels
// that TGA and JPEG files become, filter and wrap modes, binding.
#include <GL/gl.h>
#include <GL/glext.h>
#include <gtest/gtest.h>
#include <jpeglib.h>

#include <cstdio>
#include <string>
#include <vector>

#include "console/log.h"
#include "render/renderer.h"
#include "render/texture.h"
#include "support/gl_context.h"
#include "support/temp_folder.h"
#include "support/test_images.h"

namespace {

using render::Texture;

std::string TgaFile(uint8_t type, uint8_t depth, int width, int height, uint8_t descriptor,
                    const std::vector<int>& body) {
    testing_support::TgaHeader header;
    header.type = type;
    header.depth = depth;
    header.width = static_cast<uint16_t>(width);
    header.height = static_cast<uint16_t>(height);
    header.descriptor = descriptor;
    return testing_support::TgaFile(header, std::string(body.begin(), body.end()));
}

// A baseline JPEG of `width` × `height` RGB pixels at full quality.
std::string JpegFile(int width, int height, const std::vector<uint8_t>& rgb) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uint8_t*>(&rgb[info.next_scanline * width * 3u]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string file(reinterpret_cast<char*>(buffer), size);
    free(buffer);
    return file;
}

// 16 × 16: the top half red, the bottom half blue, in file order.
std::vector<uint8_t> TwoBands() {
    std::vector<uint8_t> rgb;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            rgb.insert(rgb.end(), {static_cast<uint8_t>(y < 8 ? 250 : 0), 0,
                                   static_cast<uint8_t>(y < 8 ? 0 : 250)});
        }
    }
    return rgb;
}

class TextureGl : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        console::StartLog("test.log");
        render::renderer.edgeClamp = false;
    }
    void TearDown() override {
        console::console.logFileName.clear();
        GlTest::TearDown();
    }

    bool Logged(const std::string& line) const {
        return ("\n" + folder.Read("test.log")).find("\n" + line + "\n") != std::string::npos;
    }

    // Level 0 of the texture as OpenGL holds it, row 0 first.
    std::vector<uint8_t> Level0(const Texture& texture) const {
        std::vector<uint8_t> pixels(static_cast<size_t>(texture.width) * texture.height * 4);
        texture.Bind();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    GLint BoundTexture() const {
        GLint bound = -1;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        return bound;
    }

    testing_support::TempFolder folder;
};

TEST_F(TextureGl, ExtensionAfterTheLastDotChoosesTheReader) {
    folder.Write("a.b.tga", TgaFile(2, 24, 1, 1, 0, {1, 2, 3}));
    folder.Write("photo.Jpg", JpegFile(16, 16, TwoBands()));
    folder.Write("photo.jpeg", JpegFile(16, 16, TwoBands()));
    folder.Write("nodot", TgaFile(2, 24, 1, 1, 0, {1, 2, 3}));
    Texture tga, jpg, jpeg, plain;
    EXPECT_TRUE(tga.Load("a.b.tga"));
    EXPECT_TRUE(jpg.Load("photo.Jpg"));
    EXPECT_FALSE(jpeg.Load("photo.jpeg"));
    EXPECT_FALSE(plain.Load("nodot"));
    EXPECT_TRUE(Logged("Loaded: a.b.tga"));
    EXPECT_TRUE(Logged("Loaded: photo.Jpg"));
    EXPECT_TRUE(Logged("Error: photo.jpeg not found!"));
    EXPECT_TRUE(Logged("Error: nodot not found!"));
    EXPECT_TRUE(tga.Present());
    EXPECT_FALSE(jpeg.Present());
    EXPECT_EQ(tga.name, "a.b.tga");
    EXPECT_EQ(tga.depth, 24);
    EXPECT_EQ(BoundTexture(), 0);
}

TEST_F(TextureGl, TgaPixelsBecomeRgbaInFileRowOrder) {
    // Two rows: blue-green-red pixels, the first row stored first.
    folder.Write("up.tga", TgaFile(2, 24, 1, 2, 0, {255, 0, 0, 0, 0, 255}));
    folder.Write("down.tga", TgaFile(2, 24, 1, 2, 0x20, {255, 0, 0, 0, 0, 255}));
    folder.Write("alpha.tga", TgaFile(2, 32, 1, 1, 0, {10, 20, 30, 40}));
    folder.Write("grey.tga", TgaFile(3, 8, 2, 1, 0, {0, 200}));
    folder.Write("word.tga", TgaFile(2, 16, 2, 1, 0, {0xFF, 0x7F, 0xFF, 0xFF}));
    Texture up, down, alpha, grey, word;
    ASSERT_TRUE(up.Load("up.tga"));
    ASSERT_TRUE(down.Load("down.tga"));
    ASSERT_TRUE(alpha.Load("alpha.tga"));
    ASSERT_TRUE(grey.Load("grey.tga"));
    ASSERT_TRUE(word.Load("word.tga"));
    std::vector<uint8_t> firstBlueThenRed = {0, 0, 255, 255, 255, 0, 0, 255};
    EXPECT_EQ(Level0(up), firstBlueThenRed);
    EXPECT_EQ(Level0(down), firstBlueThenRed);
    EXPECT_EQ(Level0(alpha), (std::vector<uint8_t>{30, 20, 10, 40}));
    EXPECT_EQ(grey.depth, 8);
    EXPECT_EQ(Level0(grey), (std::vector<uint8_t>{0, 0, 0, 255, 200, 200, 200, 255}));
    EXPECT_EQ(word.depth, 24);
    EXPECT_EQ(Level0(word), (std::vector<uint8_t>{248, 248, 248, 255, 248, 248, 248, 255}));
}

TEST_F(TextureGl, JpegDecodesToOpaqueRgbTopRowFirst) {
    folder.Write("bands.jpg", JpegFile(16, 16, TwoBands()));
    Texture texture;
    texture.name = "kept";
    texture.depth = 32;
    ASSERT_TRUE(texture.LoadJpeg("bands.jpg"));
    EXPECT_EQ(texture.width, 16);
    EXPECT_EQ(texture.height, 16);
    EXPECT_EQ(texture.name, "kept");
    EXPECT_EQ(texture.depth, 32);
    std::vector<uint8_t> pixels = Level0(texture);
    // Rows away from the edge, which chroma subsampling blurs.
    for (int y : {0, 3, 12, 15}) {
        const uint8_t* p = &pixels[(y * 16 + 5) * 4u];
        EXPECT_NEAR(p[0], y < 8 ? 250 : 0, 8) << "row " << y;
        EXPECT_NEAR(p[1], 0, 8);
        EXPECT_NEAR(p[2], y < 8 ? 0 : 250, 8);
        EXPECT_EQ(p[3], 255);
    }
}

// libjpeg's warnings leave a whole picture, which loads; what it cannot decode never does.
TEST_F(TextureGl, JpegWarningsLoadAndFailuresDoNot) {
    std::string good = JpegFile(16, 16, TwoBands());
    std::string stray = good;
    stray.insert(stray.find("\xff\xdb"), 1, '\0');
    struct Case {
        const char* name;
        std::string bytes;
        bool loads;
    };
    const Case cases[] = {
        {"stray.jpg", stray, true},
        {"cut.jpg", good.substr(0, good.find("\xff\xda") + 20), true},
        {"header.jpg", good.substr(0, 20), false},
        {"noise.jpg", std::string(300, 'x'), false},
        {"empty.jpg", "", false},
    };
    for (const Case& c : cases) {
        folder.Write(c.name, c.bytes);
    }
    Texture reference;
    ASSERT_TRUE(reference.Load("stray.jpg"));
    for (const Case& c : cases) {
        Texture texture;
        EXPECT_EQ(texture.Load(c.name), c.loads) << c.name;
        EXPECT_EQ(texture.Present(), c.loads) << c.name;
        EXPECT_EQ(texture.width, c.loads ? 16 : 0) << c.name;
        EXPECT_EQ(Logged(std::string("Loaded: ") + c.name), c.loads) << c.name;
        EXPECT_EQ(Logged(std::string("Error: ") + c.name + " not found!"), !c.loads) << c.name;
    }
    folder.Write("clean.jpg", good);
    Texture clean;
    ASSERT_TRUE(clean.Load("clean.jpg"));
    EXPECT_EQ(Level0(reference), Level0(clean)) << "a stray byte changes no pixel";
}

TEST_F(TextureGl, FilterModesSetTheirFiltersAndMipmaps) {
    struct Expected {
        GLint magnification, minification;
        bool mipmaps;
    };
    const Expected table[] = {
        {GL_NEAREST, GL_NEAREST, false},
        {GL_LINEAR, GL_NEAREST, false},
        {GL_NEAREST, GL_LINEAR, false},
        {GL_LINEAR, GL_LINEAR, false},
        {GL_NEAREST, GL_NEAREST_MIPMAP_NEAREST, true},
        {GL_NEAREST, GL_LINEAR_MIPMAP_NEAREST, true},
        {GL_NEAREST, GL_NEAREST_MIPMAP_LINEAR, true},
        {GL_LINEAR, GL_NEAREST_MIPMAP_NEAREST, true},
        {GL_LINEAR, GL_LINEAR_MIPMAP_NEAREST, true},
        {GL_LINEAR, GL_NEAREST_MIPMAP_LINEAR, true},
        {GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR, true},
    };
    for (int mode = 0; mode <= 10; ++mode) {
        Texture texture;
        texture.filterMode = mode;
        texture.SetWidth(4);
        texture.SetHeight(4);
        texture.Upload();
        EXPECT_EQ(BoundTexture(), texture.glName);
        GLint value = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &value);
        EXPECT_EQ(value, table[mode].magnification) << "mode " << mode;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &value);
        EXPECT_EQ(value, table[mode].minification) << "mode " << mode;
        GLint level2Width = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 2, GL_TEXTURE_WIDTH, &level2Width);
        EXPECT_EQ(level2Width, table[mode].mipmaps ? 1 : 0) << "mode " << mode;
    }
    // A value outside the table leaves the object without filters or image.
    Texture odd;
    odd.filterMode = 11;
    odd.SetWidth(4);
    odd.SetHeight(4);
    odd.Upload();
    GLint width = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(width, 0);
}

TEST_F(TextureGl, ClampFollowsTheEdgeClampFlag) {
    Texture clamped;
    clamped.wrapMode = GL_CLAMP;
    clamped.SetWidth(2);
    clamped.SetHeight(2);
    GLint wrap = 0;
    clamped.Upload();
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap);
    EXPECT_EQ(wrap, GL_CLAMP);
    render::renderer.edgeClamp = true;
    clamped.Upload();
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrap);
    EXPECT_EQ(wrap, GL_CLAMP_TO_EDGE);
    render::renderer.edgeClamp = false;
    Texture repeated;
    repeated.wrapMode = GL_CLAMP_TO_EDGE;
    repeated.Upload();
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap);
    EXPECT_EQ(wrap, GL_REPEAT);
}

TEST_F(TextureGl, BindingAndReuploading) {
    Texture never;
    never.Bind();
    EXPECT_EQ(BoundTexture(), 0);
    Texture texture;
    texture.SetWidth(2);
    texture.SetHeight(2);
    texture.Upload();
    int first = texture.glName;
    texture.Upload();
    EXPECT_NE(texture.glName, first);
    EXPECT_TRUE(glIsTexture(static_cast<GLuint>(first)));
    Texture::Unbind();
    EXPECT_EQ(BoundTexture(), 0);
    texture.Bind();
    EXPECT_EQ(BoundTexture(), texture.glName);
    // The store grows with the size and never shrinks.
    texture.SetWidth(1);
    EXPECT_EQ(texture.pixels.size(), 16u);
}

}  // namespace
