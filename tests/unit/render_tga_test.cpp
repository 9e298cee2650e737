// The TGA reader on files the tests write: every type and depth, packets, palettes and
// the files it must refuse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/log.h"
#include "render/tga.h"
#include "support/temp_folder.h"
#include "support/test_images.h"

namespace {

using render::ReadTga;
using render::TgaImage;

using Header = testing_support::TgaHeader;
using testing_support::TgaFile;

std::string Bytes(const std::vector<int>& values) {
    std::string out;
    for (int v : values) {
        out += static_cast<char>(v);
    }
    return out;
}

class TgaReader : public ::testing::Test {
protected:
    void SetUp() override { console::StartLog("test.log"); }
    void TearDown() override { console::console.logFileName.clear(); }

    bool Read(const Header& header, const std::string& body) {
        folder.Write("image.tga", TgaFile(header, body));
        return ReadTga("image.tga", image);
    }
    std::string Pixels() const { return std::string(image.pixels.begin(), image.pixels.end()); }
    std::string Log() const { return folder.Read("test.log"); }

    testing_support::TempFolder folder;
    TgaImage image;
};

TEST_F(TgaReader, TrueColourRowsStayInFileOrder) {
    std::string body = Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    Header bottomUp;
    ASSERT_TRUE(Read(bottomUp, body));
    EXPECT_EQ(image.depth, 24);
    EXPECT_EQ(Pixels(), body);
    Header topDown;
    topDown.descriptor = 0x20;
    topDown.id = "an image ID to skip";
    ASSERT_TRUE(Read(topDown, body));
    EXPECT_EQ(Pixels(), body);
    EXPECT_EQ(image.descriptor, 0x20);

    Header withAlpha;
    withAlpha.depth = 32;
    withAlpha.width = 1;
    std::string alphaBody = Bytes({10, 20, 30, 40, 50, 60, 70, 80});
    ASSERT_TRUE(Read(withAlpha, alphaBody));
    EXPECT_EQ(image.depth, 32);
    EXPECT_EQ(Pixels(), alphaBody);
}

TEST_F(TgaReader, SixteenBitWordsExpandWithZeroLowBits) {
    Header header;
    header.depth = 16;
    // 0x7FFF and 0xFFFF are both white; 0x001F is pure blue, 0x7C00 pure red.
    ASSERT_TRUE(Read(header, Bytes({0xFF, 0x7F, 0xFF, 0xFF, 0x1F, 0x00, 0x00, 0x7C})));
    EXPECT_EQ(image.depth, 24);
    EXPECT_EQ(Pixels(), Bytes({248, 248, 248, 248, 248, 248, 248, 0, 0, 0, 0, 248}));
    header.type = 10;
    ASSERT_TRUE(Read(header, Bytes({0x83, 0xE0, 0x03})));
    EXPECT_EQ(image.depth, 24);
    EXPECT_EQ(Pixels(), Bytes({0, 248, 0, 0, 248, 0, 0, 248, 0, 0, 248, 0}));
}

TEST_F(TgaReader, RunLengthPacketsRepeatOrCopy) {
    Header header;
    header.type = 10;
    ASSERT_TRUE(Read(header, Bytes({0x83, 1, 2, 3})));
    EXPECT_EQ(Pixels(), Bytes({1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3}));
    std::string four = Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    ASSERT_TRUE(Read(header, Bytes({0x03}) + four));
    EXPECT_EQ(Pixels(), four);
    // A mixed stream: one raw pixel, then a run of three.
    ASSERT_TRUE(Read(header, Bytes({0x00, 9, 9, 9, 0x82, 1, 1, 1})));
    EXPECT_EQ(Pixels(), Bytes({9, 9, 9, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    header.depth = 32;
    ASSERT_TRUE(Read(header, Bytes({0x81, 1, 2, 3, 4, 0x01, 5, 6, 7, 8, 9, 10, 11, 12})));
    EXPECT_EQ(Pixels(), Bytes({1, 2, 3, 4, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

TEST_F(TgaReader, PacketsStopAtTheEndOfTheImage) {
    Header header;
    header.type = 10;
    // A run of 128 and a raw packet of 128 for an image of 4 pixels.
    ASSERT_TRUE(Read(header, Bytes({0xFF, 7, 8, 9})));
    EXPECT_EQ(image.pixels.size(), 12u);
    EXPECT_EQ(Pixels(), Bytes({7, 8, 9, 7, 8, 9, 7, 8, 9, 7, 8, 9}));
    std::string raw = Bytes({0x7F});
    for (int i = 0; i < 128 * 3; ++i) {
        raw += static_cast<char>(i);
    }
    ASSERT_TRUE(Read(header, raw));
    EXPECT_EQ(Pixels(), raw.substr(1, 12));
}

TEST_F(TgaReader, PalettesLookUpFromEntryZero) {
    Header header;
    header.type = 1;
    header.depth = 8;
    header.colorMapType = 1;
    header.colorMapDepth = 24;
    header.colorMapOrigin = 10;  // ignored: index 0 is the first entry
    header.colorMapLength = 2;
    std::string palette = Bytes({10, 20, 30, 40, 50, 60});
    // Index 2 and 255 lie past the two entries and come out black.
    ASSERT_TRUE(Read(header, palette + Bytes({0, 1, 2, 255})));
    EXPECT_EQ(image.depth, 24);
    EXPECT_EQ(Pixels(), Bytes({10, 20, 30, 40, 50, 60, 0, 0, 0, 0, 0, 0}));
    header.type = 9;
    ASSERT_TRUE(Read(header, palette + Bytes({0x82, 1, 0x00, 0})));
    EXPECT_EQ(Pixels(), Bytes({40, 50, 60, 40, 50, 60, 40, 50, 60, 10, 20, 30}));
    header.colorMapLength = 0;
    ASSERT_TRUE(Read(header, Bytes({0x83, 0})));
    EXPECT_EQ(Pixels(), std::string(12, '\0'));
}

TEST_F(TgaReader, GreyImagesKeepOneBytePerPixel) {
    Header header;
    header.type = 3;
    header.depth = 8;
    ASSERT_TRUE(Read(header, Bytes({0, 64, 128, 255})));
    EXPECT_EQ(image.depth, 8);
    EXPECT_EQ(Pixels(), Bytes({0, 64, 128, 255}));
    header.type = 11;
    ASSERT_TRUE(Read(header, Bytes({0x81, 5, 0x01, 6, 7})));
    EXPECT_EQ(image.depth, 8);
    EXPECT_EQ(Pixels(), Bytes({5, 5, 6, 7}));
}

// Unsupported variants: a message box (standard error here, with no display) and no log
// line; a depth that does not come with its type fails silently.
TEST_F(TgaReader, UnsupportedVariantsShowTheirMessageBoxAlone) {
    Header sixteenBitPalette;
    sixteenBitPalette.type = 1;
    sixteenBitPalette.depth = 8;
    sixteenBitPalette.colorMapType = 1;
    sixteenBitPalette.colorMapDepth = 16;
    sixteenBitPalette.colorMapLength = 1;
    Header noColourMap = sixteenBitPalette;
    noColourMap.colorMapType = 0;
    noColourMap.colorMapDepth = 24;
    Header type5;
    type5.type = 5;
    Header depth15;
    depth15.depth = 15;
    Header greyTrueColour;
    greyTrueColour.depth = 8;
    Header palettedAt24;
    palettedAt24.type = 1;
    palettedAt24.colorMapType = 1;
    palettedAt24.colorMapDepth = 24;
    struct Case {
        Header header;
        const char* messageBox;
    };
    const Case cases[] = {
        {sixteenBitPalette, "TGA: Only 24bit paletted images are supported.\n"},
        {noColourMap, "TGA: Only 24bit paletted images are supported.\n"},
        {type5, "TGA: Unsupported image type.\n"},
        {depth15, "TGA: Unsupported image depth.\n"},
        {greyTrueColour, ""},
        {palettedAt24, ""},
    };
    std::string logBefore = Log();
    for (const Case& c : cases) {
        testing::internal::CaptureStderr();
        EXPECT_FALSE(Read(c.header, std::string(12, '\0')));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.messageBox);
    }
    EXPECT_EQ(Log(), logBefore);
}

TEST_F(TgaReader, ShortOrAbsurdFilesFailCleanly) {
    folder.Write("short.tga", Bytes({0, 0, 2, 0, 0}));
    EXPECT_FALSE(ReadTga("short.tga", image));

    Header header;
    EXPECT_FALSE(Read(header, Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})));
    header.type = 10;
    EXPECT_FALSE(Read(header, Bytes({0x01, 1, 2, 3, 4, 5, 6})));
    EXPECT_FALSE(Read(header, Bytes({0x81, 1, 2, 3, 0x80, 1, 2})));

    Header huge;
    huge.width = 16384;
    huge.height = 16384;
    EXPECT_FALSE(Read(huge, std::string(64, '\0')));
    EXPECT_TRUE(image.pixels.empty());
    huge.type = 10;
    EXPECT_FALSE(Read(huge, std::string(64, '\0')));
    EXPECT_TRUE(image.pixels.empty());

    Header tooWide;
    tooWide.width = 16385;
    tooWide.height = 1;
    EXPECT_FALSE(Read(tooWide, std::string(16385 * 3, '\0')));

    Header empty;
    empty.width = 0;
    EXPECT_FALSE(Read(empty, ""));

    Header paletted;
    paletted.type = 1;
    paletted.depth = 8;
    paletted.colorMapType = 1;
    paletted.colorMapDepth = 24;
    paletted.colorMapLength = 300;
    EXPECT_FALSE(Read(paletted, std::string(30, '\0')));

    Header longId;
    longId.id = std::string(200, 'x');
    folder.Write("id.tga", TgaFile(longId, "").substr(0, 40));
    EXPECT_FALSE(ReadTga("id.tga", image));
    EXPECT_NE(Log().find("TGA: id.tga:"), std::string::npos);
}

TEST_F(TgaReader, MissingFileLogsItsFixedLine) {
    EXPECT_FALSE(ReadTga("Data\\none.tga", image));
    EXPECT_NE(Log().find("\xcd\xe5 \xed\xe0\xe9\xe4\xe5\xed \xf4\xe0\xe9\xeb\n"),
              std::string::npos);
}

}  // namespace
