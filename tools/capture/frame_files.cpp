// PNG frames and the contact sheet.
#include "tools/capture/frame_files.h"

#include <cstdio>
#include <stdexcept>

#include "tools/common/png_writer.h"
#include "tools/common/whole_file.h"

namespace tools::capture {
namespace {

using tools::data::Image;

// `step` 1 gives the frame as it is, 2 a half-size copy; the top row first either way.
Image ToImage(const Frame& frame, int step) {
    Image image(frame.width / step, frame.height / step);
    for (int y = 0; y < image.height(); ++y) {
        size_t row = static_cast<size_t>(frame.height - 1 - y * step) * frame.width;
        for (int x = 0; x < image.width(); ++x) {
            const uint8_t* bgra = &frame.bgra[4 * (row + static_cast<size_t>(x) * step)];
            image.at(x, y) = {bgra[2], bgra[1], bgra[0], 255};
        }
    }
    return image;
}

bool WritePng(const Image& image, const std::string& path) {
    try {
        tools::data::WriteWholeFile(path, tools::data::EncodePng(image));
        return true;
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "torvane-capture: %s\n", error.what());
        return false;
    }
}

}  // namespace

FrameFiles::FrameFiles(std::string folder, bool keepForSheet)
    : folder_(std::move(folder)), keepForSheet_(keepForSheet) {}

void FrameFiles::Write(const Frame& frame) {
    char name[32];
    std::snprintf(name, sizeof name, "/frame_%06d.png", frame.index);
    failures_ += !WritePng(ToImage(frame, 1), folder_ + name);
    if (keepForSheet_) {
        halves_.push_back(ToImage(frame, 2));
    }
}

bool FrameFiles::WriteSheet(const std::string& path) const {
    if (halves_.empty()) {
        return true;
    }
    const int columns = 4;
    const int gap = 4;
    int w = halves_[0].width();
    int h = halves_[0].height();
    int rows = (static_cast<int>(halves_.size()) + columns - 1) / columns;
    Image sheet(columns * w + (columns + 1) * gap, rows * h + (rows + 1) * gap);
    for (size_t i = 0; i < halves_.size(); ++i) {
        int column = static_cast<int>(i) % columns;
        int row = static_cast<int>(i) / columns;
        sheet.Paste(halves_[i], gap + column * (w + gap), gap + row * (h + gap));
    }
    return WritePng(sheet, path);
}

}  // namespace tools::capture
