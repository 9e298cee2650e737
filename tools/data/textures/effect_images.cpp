// Paints the particle sprite and the console's backdrop.
#include "tools/data/textures/effect_images.h"

#include <algorithm>
#include <cmath>

#include "tools/common/prerequisites.h"
#include "tools/data/font/font_face.h"
#include "tools/data/textures/image_file.h"
#include "tools/data/textures/noise.h"

namespace tools::data {

Image PaintFireParticle(int size) {
    Image image(size, size);
    float centre = static_cast<float>(size) / 2.0f;
    const Colour ember{1.0f, 0.42f, 0.06f};
    const Colour core{1.0f, 0.92f, 0.60f};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            float dx = (static_cast<float>(x) + 0.5f - centre) / centre;
            float dy = (static_cast<float>(y) + 0.5f - centre) / centre;
            float falloff = std::max(0.0f, 1.0f - (dx * dx + dy * dy));
            float intensity = falloff * falloff;
            Colour c = Mix(ember, core, intensity * intensity) * intensity;
            c.a = 1.0f;
            image.at(x, y) = ToRgba(c);
        }
    }
    return image;
}

Image PaintConsoleBackground(int size) {
    Noise noise(1111);
    FontFace face(kSansBold, size / 16);
    Mask banner(size, size);
    const std::string text = "Torvane 1.0";
    face.Draw(banner, text, size - face.TextWidth(text) - size / 20, size - size / 20);
    Image image(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            float u = static_cast<float>(x) / static_cast<float>(size);
            float v = static_cast<float>(y) / static_cast<float>(size);
            float haze = noise.Fractal(u * 4.0f, v * 4.0f, {4, 4}, 6);
            Colour c = Mix(Colour{0.03f, 0.02f, 0.08f}, Colour{0.22f, 0.12f, 0.34f}, haze * haze);
            image.at(x, y) = ToRgba(Mix(c, Colour{0.70f, 0.64f, 0.88f}, banner.at(x, y)));
        }
    }
    return image;
}

Image Mirrored(const Image& image) {
    Image result(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            result.at(x, y) = image.at(image.width() - 1 - x, y);
        }
    }
    return result;
}

void WriteEffectImages(ContentFolder& folder) {
    WriteImage(folder, kFireParticleName, PaintFireParticle(64),
               TgaFormat{24, false, TgaOrigin::kBottomLeft});
    WriteImage(folder, kConsoleBackgroundName, Mirrored(PaintConsoleBackground(512)));
}

}  // namespace tools::data
