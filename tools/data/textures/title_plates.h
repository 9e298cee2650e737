// The overlay's title images: loading notice, the show's title, four verses, the end plate.
#pragma once

#include <string>
#include <vector>

#include "tools/common/image.h"
#include "tools/data/content_folder.h"

namespace tools::data {

struct TitlePlate {
    const char* name;  // engine file name
    int width;
    int height;
    const char* fontFile;
    int pixelSize;
    std::vector<std::string> lines;
};

// The plates are drawn at x = 70 and y up to 250 on the 640 x 480 overlay, so they stay
// within 512 x 128 (sides that are powers of two, so the mipmap builder keeps them sharp).
const std::vector<TitlePlate>& TitlePlates();

// Light text with a soft glow on black: the overlay adds the image to the frame, so black
// adds nothing, and every pixel is opaque, so no alpha test can drop the text.
Image PaintTitlePlate(const TitlePlate& plate);

// Written as top-left-origin TGA: the overlay puts the file's first row at the top.
void WriteTitlePlates(ContentFolder& folder);

}  // namespace tools::data
