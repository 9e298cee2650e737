// The glow texture: a radial gradient computed in code for light flares and glow sprites.
#pragma once

#include <cstdint>

#include "render/texture.h"
#include "scene/vector.h"

namespace effects {

class GlowMaker {
public:
    // The production's glow: 32 × 32, opaque white in the middle, transparent black outside.
    bool MakeGlow();
    // Fills `target` with an `size` × `size` gradient from `centre` to `edge`, named
    // "TRV Glow" with a depth of 24 (so particles add it), and uploads it. False, with a
    // log line, without a target or with a size below 1.
    bool MakeGlowTexture(int32_t size, const scene::Vector& centre, const scene::Vector& edge);

    // The texture to fill.
    render::Texture* target = nullptr;
};

extern GlowMaker glowMaker;

}  // namespace effects
