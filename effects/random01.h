// Random01: the engine's pseudo-random numbers as floats in [0, 1).
#pragma once

namespace effects {

// The platform's seedable 0..32767 source scaled by 1/32768, so seeding the platform
// source repeats every particle run.
float Random01();

}  // namespace effects
