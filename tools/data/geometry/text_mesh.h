// Lettering as solid meshes: glyph outlines triangulated and pushed out into depth.
#pragma once

#include <string>

#include "tools/data/geometry/glyph_outline.h"
#include "tools/data/geometry/mesh_data.h"

namespace tools::data {

struct TextStyle {
    float size = 1.0f;   // the em size, in world units
    float depth = 1.0f;  // thickness of the letters
    int curveSteps = 3;  // lines per curve of the outline
};

struct TextMesh {
    MeshData mesh;
    float width = 0.0f;  // the line's advance
};

// The line starts at x = 0 on the baseline y = 0; its face shows towards +z at z = 0 and its
// back lies at z = -depth. Texture coordinates follow x and y in em units.
TextMesh ExtrudedText(const OutlineFont& font, const std::string& text, const TextStyle& style);

}  // namespace tools::data
