// The content tool's TGA writer, read back with the engine's TGA reader. (Its PNG writer's
// frames are decoded and compared by the golden-frame run.)
#include <gtest/gtest.h>

#include "render/tga.h"
#include "support/process_test.h"
#include "tools/common/tga_writer.h"

using tools::data::Image;
using tools::data::Rgba;
using tools::data::TgaFormat;
using tools::data::TgaOrigin;

namespace {

using TgaWriter = testing_support::ProcessTest;

// 300 x 3: a top row of 300 distinct pixels, a middle row that is one long run (longer
// than one packet), and a bottom row mixing short runs with single pixels.
TEST_F(TgaWriter, TheEngineReadsEveryTgaVariantBackPixelForPixel) {
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

}  // namespace
