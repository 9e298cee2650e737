// The scene layer's process-wide state.
#include "scene/drawing.h"

namespace scene {

Drawing drawing;

}  // namespace scene
