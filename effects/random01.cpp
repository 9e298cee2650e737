// Random01 over the platform's seedable source.
#include "effects/random01.h"

#include "platform/random.h"

namespace effects {

float Random01() {
    return static_cast<float>(platform::Random()) * (1.0f / 32768.0f);
}

}  // namespace effects
