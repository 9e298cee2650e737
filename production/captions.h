// Captions and title images: two timed sequences shown over the presentation, each
// advanced by the frame time from the first frame on.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "render/texture.h"
#include "scene/vector.h"

namespace production {

struct Caption {
    float duration;  // seconds
    float elapsed;   // seconds spent as the current caption
    std::string text;
};

struct TitleImage {
    float elapsed;   // seconds spent in this entry
    float duration;  // seconds
    scene::Vector colorStart;
    scene::Vector colorEnd;
    const render::Texture* image;
    float x0, x1;
    float y0, y1;
};

// Loads the title pictures and fills both tables; the loading image is current.
void BuildCaptions();
// Advances both sequences by a frame of `ticks` (1/10000 s).
void AdvanceCaptions(int64_t ticks);
// Moves the title sequence to its next entry and takes that entry's start values.
void NextTitleImage();
// The current caption's text; empty past the last caption.
const std::string& CurrentCaption();

}  // namespace production
