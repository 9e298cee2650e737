// Sets the title and verse texts in DejaVu Serif and lights them softly.
#include "tools/data/textures/title_plates.h"

#include <algorithm>

#include "tools/common/prerequisites.h"
#include "tools/data/font/font_face.h"
#include "tools/data/textures/image_file.h"

namespace tools::data {
namespace {

const Colour kInk{1.0f, 0.95f, 0.84f};
const Colour kGlow{0.30f, 0.40f, 0.85f};

// Each line centred across the plate, the block of lines centred down it.
Mask SetLines(const TitlePlate& plate) {
    FontFace face(plate.fontFile, plate.pixelSize);
    Mask mask(plate.width, plate.height);
    int lineStep = (face.ascender() + face.descender()) * 6 / 5;
    int block =
        lineStep * static_cast<int>(plate.lines.size() - 1) + face.ascender() + face.descender();
    int baseline = (plate.height - block) / 2 + face.ascender();
    for (const std::string& line : plate.lines) {
        face.Draw(mask, line, (plate.width - face.TextWidth(line)) / 2, baseline);
        baseline += lineStep;
    }
    return mask;
}

}  // namespace

const std::vector<TitlePlate>& TitlePlates() {
    static const std::vector<TitlePlate> plates = {
        {"Data\\Text\\Loading.tga", 512, 64, kSans, 22, {"Loading..."}},
        {"Data\\Text\\SeerDreams.tga", 512, 128, kSerif, 56, {"Seer Dreams"}},
        {"Data\\Text\\Stih1.tga",
         512,
         128,
         kSerifItalic,
         24,
         {"Close your eyes, the day is done,", "the lamps of sleep come one by one."}},
        {"Data\\Text\\Stih2.tga",
         512,
         128,
         kSerifItalic,
         24,
         {"Beneath the hush of silver skies", "a hidden country starts to rise."}},
        {"Data\\Text\\Stih3.tga",
         512,
         128,
         kSerifItalic,
         24,
         {"Past halls of stone and woods of green", "we wander where we have never been."}},
        {"Data\\Text\\Stih4.tga",
         512,
         128,
         kSerifItalic,
         24,
         {"And every dream that drifts away", "still leaves a little light for day."}},
        {"Data\\Text\\TheEnd.tga", 512, 128, kSerif, 48, {"The End"}},
    };
    return plates;
}

Image PaintTitlePlate(const TitlePlate& plate) {
    Mask text = SetLines(plate);
    Mask glow = text.Blurred(std::max(2, plate.pixelSize / 8));
    Image image(plate.width, plate.height);
    for (int y = 0; y < plate.height; ++y) {
        for (int x = 0; x < plate.width; ++x) {
            float ink = text.at(x, y);
            float halo = std::min(1.0f, glow.at(x, y) * 1.6f);
            Colour c = kInk * ink + kGlow * (halo * (1.0f - ink));
            c.a = 1.0f;
            image.at(x, y) = ToRgba(c);
        }
    }
    return image;
}

void WriteTitlePlates(ContentFolder& folder) {
    for (const TitlePlate& plate : TitlePlates()) {
        WriteImage(folder, plate.name, PaintTitlePlate(plate),
                   TgaFormat{24, true, TgaOrigin::kTopLeft});
    }
}

}  // namespace tools::data
