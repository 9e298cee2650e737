// The content tool's TGA, JPEG and PNG writers, read back with the engine's TGA reader,
// libjpeg-turbo and libpng.
#include <gtest/gtest.h>
#include <png.h>

#include <fstream>

#include "platform/jpeg.h"
#include "render/tga.h"
#include "support/temp_folder.h"
#include "tools/data/jpeg_writer.h"
#include "tools/data/png_writer.h"
#include "tools/data/tga_writer.h"

using tools::data::Image;
using tools::data::Rgba;
using tools::data::TgaFormat;
using tools::data::TgaOrigin;

namespace {

// 300 x 3: a top row of 300 distinct pixels, a middle row that is one long run (longer
// than one packet), and a bottom row mixing short runs with single pixels.
Image Sample() {
    Image image(300, 3, Rgba{9, 9, 9, 9});
    for (int x = 0; x < 300; ++x) {
        image.at(x, 0) = Rgba{uint8_t(x), uint8_t(x / 2), uint8_t(255 - x % 256), uint8_t(x % 7)};
        image.at(x, 2) = Rgba{uint8_t(x / 3), 1, 2, 200};
    }
    return image;
}

render::TgaImage ReadBack(const std::vector<uint8_t>& bytes) {
    std::ofstream("image.tga", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    render::TgaImage tga;
    EXPECT_TRUE(render::ReadTga("image.tga", tga));
    return tga;
}

// The engine keeps file rows in order: row 0 of the result is the first row in the file.
Rgba PixelOf(const render::TgaImage& tga, int x, int fileRow) {
    int bytes = tga.depth / 8;
    const uint8_t* p = &tga.pixels[(size_t(fileRow) * tga.width + x) * bytes];
    return Rgba{p[2], p[1], p[0], uint8_t(bytes == 4 ? p[3] : 255)};
}

class TgaWriterTest : public ::testing::TestWithParam<TgaFormat> {
protected:
    testing_support::TempFolder folder;
};

TEST_P(TgaWriterTest, EngineReaderGetsHeaderAndEveryPixelBack) {
    const TgaFormat format = GetParam();
    Image image = Sample();
    render::TgaImage tga = ReadBack(tools::data::EncodeTga(image, format));
    EXPECT_EQ(tga.imageType, format.runLength ? 10 : 2);
    EXPECT_EQ(tga.width, 300);
    EXPECT_EQ(tga.height, 3);
    EXPECT_EQ(tga.depth, format.bitsPerPixel);
    EXPECT_EQ(tga.descriptor & 0x20, format.origin == TgaOrigin::kTopLeft ? 0x20 : 0);
    EXPECT_EQ(tga.descriptor & 0x0F, format.bitsPerPixel == 32 ? 8 : 0);
    for (int fileRow = 0; fileRow < 3; ++fileRow) {
        int y = format.origin == TgaOrigin::kTopLeft ? fileRow : 2 - fileRow;
        for (int x = 0; x < 300; ++x) {
            Rgba want = image.at(x, y);
            Rgba got = PixelOf(tga, x, fileRow);
            ASSERT_EQ(got.r, want.r) << x << "," << y;
            ASSERT_EQ(got.g, want.g) << x << "," << y;
            ASSERT_EQ(got.b, want.b) << x << "," << y;
            ASSERT_EQ(got.a, format.bitsPerPixel == 32 ? want.a : 255) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllVariants, TgaWriterTest,
                         ::testing::Values(TgaFormat{24, false, TgaOrigin::kBottomLeft},
                                           TgaFormat{24, true, TgaOrigin::kBottomLeft},
                                           TgaFormat{32, false, TgaOrigin::kTopLeft},
                                           TgaFormat{32, true, TgaOrigin::kTopLeft},
                                           TgaFormat{32, true, TgaOrigin::kBottomLeft}),
                         [](const ::testing::TestParamInfo<TgaFormat>& info) {
                             const TgaFormat& f = info.param;
                             return std::to_string(f.bitsPerPixel) + (f.runLength ? "Rle" : "Raw") +
                                    (f.origin == TgaOrigin::kTopLeft ? "TopDown" : "BottomUp");
                         });

TEST(TgaWriter, RunLengthPacketsStayWithinRowsAndShrinkFlatImages) {
    Image flat(200, 2, Rgba{1, 2, 3, 4});
    std::vector<uint8_t> bytes = tools::data::EncodeTga(flat, TgaFormat{24, true});
    // Per row: a full 128-pixel run and a 72-pixel run, each a packet byte and one pixel.
    std::vector<uint8_t> row = {0xFF, 3, 2, 1, 0x80 | 71, 3, 2, 1};
    ASSERT_EQ(bytes.size(), size_t(tools::data::kTgaHeaderSize) + 2 * row.size());
    EXPECT_TRUE(std::equal(row.begin(), row.end(), bytes.begin() + tools::data::kTgaHeaderSize));
    // Alpha alone splits a run at 32 bits and is ignored at 24.
    Image alpha(2, 1, Rgba{5, 5, 5, 0});
    alpha.at(1, 0).a = 255;
    EXPECT_EQ(tools::data::EncodeTga(alpha, TgaFormat{32, true})[tools::data::kTgaHeaderSize], 1);
    EXPECT_EQ(tools::data::EncodeTga(alpha, TgaFormat{24, true})[tools::data::kTgaHeaderSize],
              0x81);
}

TEST(TgaWriter, RefusesDepthsItCannotWrite) {
    EXPECT_THROW(tools::data::EncodeTga(Image(1, 1), TgaFormat{16, false}), std::invalid_argument);
    EXPECT_THROW(Image(0, 4), std::invalid_argument);
}

// Top half light, bottom half dark: the order of rows survives the round trip.
Image TopLight(int width, int height) {
    Image image(width, height, Rgba{20, 30, 40, 255});
    for (int y = 0; y < height / 2; ++y) {
        for (int x = 0; x < width; ++x) {
            image.at(x, y) = Rgba{230, 220, 210, 255};
        }
    }
    return image;
}

TEST(JpegWriter, LibjpegDecodesSizeColoursAndRowOrder) {
    std::vector<uint8_t> bytes = tools::data::EncodeJpeg(TopLight(48, 32), 90);
    platform::JpegImage jpeg;
    std::string error;
    ASSERT_TRUE(platform::DecodeJpeg(bytes, jpeg, error)) << error;
    EXPECT_EQ(jpeg.width, 48);
    EXPECT_EQ(jpeg.height, 32);
    EXPECT_NEAR(jpeg.rgb[0], 230, 6);                      // top-left red
    EXPECT_NEAR(jpeg.rgb[(31 * 48 + 47) * 3 + 2], 40, 6);  // bottom-right blue
    EXPECT_EQ(bytes, tools::data::EncodeJpeg(TopLight(48, 32), 90));
}

TEST(PngWriter, LibpngDecodesSizeColoursAndRowOrder) {
    std::vector<uint8_t> bytes = tools::data::EncodePng(TopLight(5, 4));
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&png, bytes.data(), bytes.size()));
    png.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(png));
    ASSERT_TRUE(png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr));
    EXPECT_EQ(png.width, 5u);
    EXPECT_EQ(png.height, 4u);
    EXPECT_EQ(rgb[0], 230);
    EXPECT_EQ(rgb[(3 * 5 + 4) * 3 + 2], 40);
}

}  // namespace
