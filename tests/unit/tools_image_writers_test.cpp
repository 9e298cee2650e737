// The content tool's TGA and PNG writers, read back with the engine's TGA reader and libpng.
#include <gtest/gtest.h>
#include <png.h>

#include <utility>

#include "render/tga.h"
#include "support/process_test.h"
#include "tools/data/png_writer.h"
#include "tools/data/tga_writer.h"

using tools::data::Image;
using tools::data::Rgba;
using tools::data::TgaFormat;
using tools::data::TgaOrigin;

namespace {

using ImageWriters = testing_support::ProcessTest;

// 300 x 3: a top row of 300 distinct pixels, a middle row that is one long run (longer
// than one packet), and a bottom row mixing short runs with single pixels.
TEST_F(ImageWriters, TheEngineReadsEveryTgaVariantBackPixelForPixel) {
    Image image(300, 3, Rgba{9, 9, 9, 9});
    for (int x = 0; x < 300; ++x) {
        image.at(x, 0) = Rgba{uint8_t(x), uint8_t(x / 2), uint8_t(255 - x % 256), uint8_t(x % 7)};
        image.at(x, 2) = Rgba{uint8_t(x / 3), 1, 2, 200};
    }
    for (const TgaFormat& format :
         {TgaFormat{24, false, TgaOrigin::kBottomLeft}, TgaFormat{24, true, TgaOrigin::kBottomLeft},
          TgaFormat{32, false, TgaOrigin::kTopLeft}, TgaFormat{32, true, TgaOrigin::kTopLeft}}) {
        bool topDown = format.origin == TgaOrigin::kTopLeft;
        int bytes = format.bitsPerPixel / 8;
        SCOPED_TRACE(testing::Message() << bytes << (format.runLength ? " RLE" : " raw"));
        std::vector<uint8_t> file = tools::data::EncodeTga(image, format);
        folder.Write("image.tga", std::string(file.begin(), file.end()));
        render::TgaImage tga;
        ASSERT_TRUE(render::ReadTga("image.tga", tga));
        EXPECT_EQ(tga.imageType, format.runLength ? 10 : 2);
        EXPECT_EQ(tga.depth, format.bitsPerPixel);
        EXPECT_EQ(tga.descriptor, (topDown ? 0x20 : 0) | (bytes == 4 ? 8 : 0));
        // The engine keeps file rows in order.
        for (int fileRow = 0; fileRow < 3; ++fileRow) {
            for (int x = 0; x < 300; ++x) {
                Rgba want = image.at(x, topDown ? fileRow : 2 - fileRow);
                const uint8_t* p = &tga.pixels[(size_t(fileRow) * 300 + x) * size_t(bytes)];
                ASSERT_EQ((std::vector<int>{p[2], p[1], p[0], bytes == 4 ? p[3] : 255}),
                          (std::vector<int>{want.r, want.g, want.b, bytes == 4 ? want.a : 255}))
                    << x << "," << fileRow;
            }
        }
    }
}

// Top half light, bottom half dark: the order of rows survives the round trip. (The JPEG
// writer's pixels are read back as a texture by the GL tests.)
TEST(PngWriter, DecodesToItsSizeColoursAndRowOrder) {
    Image image(5, 4, Rgba{20, 30, 40, 255});
    for (int x = 0; x < 10; ++x) {
        image.at(x % 5, x / 5) = Rgba{230, 220, 210, 255};
    }
    std::vector<uint8_t> pngBytes = tools::data::EncodePng(image);
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&png, pngBytes.data(), pngBytes.size()));
    png.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(png));
    ASSERT_TRUE(png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr));
    EXPECT_EQ(std::make_pair(png.width, png.height), std::make_pair(5u, 4u));
    EXPECT_EQ(rgb[0], 230);
    EXPECT_EQ(rgb[(3 * 5 + 4) * 3 + 2], 40);
}

}  // namespace
