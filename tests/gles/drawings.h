// Small drawings made once with the system's OpenGL and once through the layer over ES 2
// (drawings.inc, compiled both ways), each read back whole.
#pragma once

#include <cstdint>
#include <vector>

namespace gles_drawings {

constexpr int kSize = 64;

struct Drawing {
    const char* name;
    void (*draw)();
};

// The same table, in the same order, drawn by each side.
struct Side {
    const std::vector<Drawing>& drawings;
    void (*clear)();
    std::vector<uint8_t> (*read)();  // kSize x kSize RGBA
};

extern const Side kDesktop;
extern const Side kLayer;

}  // namespace gles_drawings
