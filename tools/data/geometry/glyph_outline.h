// Glyph outlines of a DejaVu font as polygons: the curves of the font flattened into lines.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tools/data/geometry/polygon_triangulation.h"

namespace tools::data {

struct LineOutline {
    std::vector<Contour> contours;  // the whole line, in em units, baseline at y = 0
    double width = 0;               // the pen's advance over the line, in em units
};

class OutlineFont {
public:
    // `fileName` as for FontFace ("DejaVuSans-Bold.ttf"); throws when it cannot be read.
    explicit OutlineFont(const std::string& fileName);
    ~OutlineFont();
    OutlineFont(const OutlineFont&) = delete;
    OutlineFont& operator=(const OutlineFont&) = delete;

    // The outlines of a line of ASCII text, each curve cut into `curveSteps` lines.
    LineOutline Line(const std::string& text, int curveSteps) const;

private:
    struct Handles;
    std::unique_ptr<Handles> handles_;
};

}  // namespace tools::data
