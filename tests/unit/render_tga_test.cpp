// The TGA reader on files the tests write: every type and depth, packets, palettes and
// the files it must refuse.
#include <gtest/gtest.h>

#include <tuple>

#include "render/tga.h"
#include "support/process_test.h"
#include "support/test_images.h"

namespace {

using Header = testing_support::TgaHeader;
using testing_support::TgaFile;

std::string Bytes(const std::vector<int>& values) {
    return std::string(values.begin(), values.end());
}

// A header of `type` and `depth`, 2 x 2 unless told, with a 24-bit palette of `entries` for the
// paletted types.
// The palette's origin, 10, is ignored: index 0 is the first entry.
Header Made(uint8_t type, uint8_t depth, uint16_t entries = 0, uint16_t width = 2,
            uint16_t height = 2) {
    bool paletted = type == 1 || type == 9;
    return paletted ? Header{type, depth, width, height, 1, 10, entries, 24, 0, ""}
                    : Header{type, depth, width, height, 0, 0, 0, 0, 0, ""};
}

class TgaReader : public testing_support::ProcessTest {
protected:
    bool Read(const Header& header, const std::string& body) {
        folder.Write("image.tga", testing_support::TgaFile(header, body));
        return render::ReadTga("image.tga", image);
    }

    render::TgaImage image;
};

TEST_F(TgaReader, DecodesEveryTypeAndDepthInFileRowOrder) {
    const std::string twelve = Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    const std::string palette = Bytes({10, 20, 30, 40, 50, 60});
    Header topDown = Made(2, 24);
    topDown.descriptor = 0x20;
    topDown.id = "an image ID to skip";
    std::string raw128 = Bytes({0x7F});
    for (int i = 0; i < 128 * 3; ++i) {
        raw128 += static_cast<char>(i);
    }
    // The case's name, the header and body written, and the depth and pixels read.
    const std::tuple<const char*, Header, std::string, int, std::string> cases[] = {
        {"24-bit", Made(2, 24), twelve, 24, twelve},
        {"top-down", topDown, twelve, 24, twelve},
        {"32-bit", Made(2, 32), twelve + twelve.substr(0, 4), 32, twelve + twelve.substr(0, 4)},
        // 0x7FFF and 0xFFFF are both white; 0x001F is pure blue, 0x7C00 pure red.
        {"16-bit", Made(2, 16), Bytes({0xFF, 0x7F, 0xFF, 0xFF, 0x1F, 0x00, 0x00, 0x7C}), 24,
         Bytes({248, 248, 248, 248, 248, 248, 248, 0, 0, 0, 0, 248})},
        {"16-bit run", Made(10, 16), Bytes({0x83, 0xE0, 0x03}), 24,
         Bytes({0, 248, 0, 0, 248, 0, 0, 248, 0, 0, 248, 0})},
        {"raw then run", Made(10, 24), Bytes({0x00, 9, 9, 9, 0x82, 1, 1, 1}), 24,
         Bytes({9, 9, 9, 1, 1, 1, 1, 1, 1, 1, 1, 1})},
        {"32-bit runs", Made(10, 32), Bytes({0x81, 1, 2, 3, 4, 0x01, 5, 6, 7, 8, 9, 10, 11, 12}),
         32, Bytes({1, 2, 3, 4, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})},
        // Packets of 128 for an image of 4 pixels stop at its end.
        {"long run", Made(10, 24), Bytes({0xFF, 7, 8, 9}), 24,
         Bytes({7, 8, 9, 7, 8, 9, 7, 8, 9, 7, 8, 9})},
        {"long raw packet", Made(10, 24), raw128, 24, raw128.substr(1, 12)},
        // Indices 2 and 255 lie past the two entries and come out black.
        {"paletted", Made(1, 8, 2), palette + Bytes({0, 1, 2, 255}), 24,
         Bytes({10, 20, 30, 40, 50, 60, 0, 0, 0, 0, 0, 0})},
        {"paletted runs", Made(9, 8, 2), palette + Bytes({0x82, 1, 0x00, 0}), 24,
         Bytes({40, 50, 60, 40, 50, 60, 40, 50, 60, 10, 20, 30})},
        {"empty palette", Made(9, 8, 0), Bytes({0x83, 0}), 24, std::string(12, '\0')},
        {"grey", Made(3, 8), Bytes({0, 64, 128, 255}), 8, Bytes({0, 64, 128, 255})},
        {"grey runs", Made(11, 8), Bytes({0x81, 5, 0x01, 6, 7}), 8, Bytes({5, 5, 6, 7})},
    };
    for (const auto& [name, header, body, depth, pixels] : cases) {
        ASSERT_TRUE(Read(header, body)) << name;
        EXPECT_EQ(image.depth, depth) << name;
        EXPECT_EQ(image.descriptor, header.descriptor) << name;
        EXPECT_EQ(std::string(image.pixels.begin(), image.pixels.end()), pixels) << name;
    }
}

// Unsupported variants show a message box (standard error here, with no display) and log
// nothing; a depth that does not come with its type fails silently; damaged files log
// their reason.
TEST_F(TgaReader, RefusedFilesSayWhy) {
    Header sixteenBitPalette = Made(1, 8, 1);
    sixteenBitPalette.colorMapDepth = 16;
    Header noColourMap = Made(1, 8, 1);
    noColourMap.colorMapType = 0;
    Header longId = Made(2, 24);
    longId.id = std::string(200, 'x');
    const std::string zeros(12, '\0');
    // The file, the message box's text and the log's reason, each empty for none.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {TgaFile(sixteenBitPalette, zeros), "Only 24bit paletted images are supported.", ""},
        {TgaFile(noColourMap, zeros), "Only 24bit paletted images are supported.", ""},
        {TgaFile(Made(5, 24), zeros), "Unsupported image type.", ""},
        {TgaFile(Made(2, 15), zeros), "Unsupported image depth.", ""},
        {TgaFile(Made(2, 8), zeros), "", ""},
        {TgaFile(Made(1, 24, 1), zeros), "", ""},
        {Bytes({0, 0, 2, 0, 0}), "", "the file ends inside the header"},
        {TgaFile(longId, "").substr(0, 40), "", "the file ends inside the image ID"},
        {TgaFile(Made(1, 8, 300), std::string(30, '\0')), "", "the file ends inside the palette"},
        {TgaFile(Made(2, 24, 0, 0), ""), "", "the image has no pixels"},
        {TgaFile(Made(2, 24, 0, 16385, 1), std::string(16385 * 3, '\0')), "",
         "the image is larger than 16384 pixels on a side"},
        {TgaFile(Made(10, 24, 0, 16384, 16384), std::string(64, '\0')), "",
         "the file is too short for its size"},
        {TgaFile(Made(2, 24), std::string(11, '\0')), "", "the file is too short for its size"},
        {TgaFile(Made(10, 24), Bytes({0x01, 1, 2, 3, 4, 5, 6})), "", "the pixel data ends early"},
        {TgaFile(Made(10, 24), Bytes({0x81, 1, 2, 3, 0x80, 1, 2})), "",
         "the pixel data ends early"}};
    for (const auto& [file, box, reason] : cases) {
        SCOPED_TRACE(box + reason);
        folder.Write("bad.tga", file);
        std::string logBefore = Log();
        testing::internal::CaptureStderr();
        EXPECT_FALSE(render::ReadTga("bad.tga", image));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), box.empty() ? "" : "TGA: " + box + "\n");
        EXPECT_EQ(Log(), logBefore + (reason.empty() ? "" : "TGA: bad.tga: " + reason + "\n"));
    }
}

}  // namespace
