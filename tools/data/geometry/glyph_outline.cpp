// FreeType outline decomposition with the curves flattened into polygons.
#include "tools/data/geometry/glyph_outline.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <stdexcept>

#include "tools/common/prerequisites.h"

namespace tools::data {

struct OutlineFont::Handles {
    std::unique_ptr<FT_LibraryRec_, decltype(&FT_Done_FreeType)> library{nullptr, FT_Done_FreeType};
    std::unique_ptr<FT_FaceRec_, decltype(&FT_Done_Face)> face{nullptr, FT_Done_Face};
};

namespace {

// Collects one glyph's contours while FreeType walks its outline.
struct Walk {
    std::vector<Contour>* contours;
    double penX;
    double scale;  // font units to em units
    int steps;
    Point2 last{0, 0};

    Point2 Place(const FT_Vector* v) const {
        return {(penX + static_cast<double>(v->x)) * scale, static_cast<double>(v->y) * scale};
    }
    void Add(const Point2& p) {
        contours->back().push_back(p);
        last = p;
    }
};

Walk& Of(void* user) {
    return *static_cast<Walk*>(user);
}

int MoveTo(const FT_Vector* to, void* user) {
    Walk& walk = Of(user);
    walk.contours->emplace_back();
    walk.Add(walk.Place(to));
    return 0;
}

int LineTo(const FT_Vector* to, void* user) {
    Of(user).Add(Of(user).Place(to));
    return 0;
}

int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
    Walk& walk = Of(user);
    Point2 a = walk.last, b = walk.Place(control), c = walk.Place(to);
    for (int i = 1; i <= walk.steps; ++i) {
        double t = static_cast<double>(i) / walk.steps, s = 1 - t;
        walk.Add({s * s * a.x + 2 * s * t * b.x + t * t * c.x,
                  s * s * a.y + 2 * s * t * b.y + t * t * c.y});
    }
    return 0;
}

int CubicTo(const FT_Vector* control1, const FT_Vector* control2, const FT_Vector* to, void* user) {
    Walk& walk = Of(user);
    Point2 a = walk.last, b = walk.Place(control1), c = walk.Place(control2), d = walk.Place(to);
    for (int i = 1; i <= walk.steps; ++i) {
        double t = static_cast<double>(i) / walk.steps, s = 1 - t;
        double wa = s * s * s, wb = 3 * s * s * t, wc = 3 * s * t * t, wd = t * t * t;
        walk.Add(
            {wa * a.x + wb * b.x + wc * c.x + wd * d.x, wa * a.y + wb * b.y + wc * c.y + wd * d.y});
    }
    return 0;
}

}  // namespace

OutlineFont::OutlineFont(const std::string& fileName) : handles_(std::make_unique<Handles>()) {
    RequireFont(fileName);
    std::string path = DejaVuFontPath(fileName);
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        throw std::runtime_error("FreeType cannot start");
    }
    handles_->library.reset(library);
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
        throw std::runtime_error("FreeType cannot open " + path);
    }
    handles_->face.reset(face);
}

OutlineFont::~OutlineFont() = default;

LineOutline OutlineFont::Line(const std::string& text, int curveSteps) const {
    FT_Face face = handles_->face.get();
    const FT_Outline_Funcs funcs = {MoveTo, LineTo, ConicTo, CubicTo, 0, 0};
    LineOutline line;
    Walk walk{&line.contours, 0.0, 1.0 / face->units_per_EM, curveSteps};
    for (unsigned char c : text) {
        if (FT_Load_Char(face, c, FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING) != 0 ||
            FT_Outline_Decompose(&face->glyph->outline, &funcs, &walk) != 0) {
            throw std::runtime_error(std::string("FreeType has no outline for '") +
                                     static_cast<char>(c) + "'");
        }
        walk.penX += static_cast<double>(face->glyph->advance.x);
    }
    line.width = walk.penX * walk.scale;
    return line;
}

}  // namespace tools::data
