// Every state object of the layer back to its start.
#include "scene/reset.h"

#include "scene/drawing.h"

namespace scene {

void Reset() {
    drawing = Drawing{};
}

}  // namespace scene
