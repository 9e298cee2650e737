// Every state object of the layer back to its start.
#include "effects/reset.h"

#include "effects/glow.h"

namespace effects {

void Reset() {
    glowMaker = GlowMaker{};
}

}  // namespace effects
