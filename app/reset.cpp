// Every state object of the layer back to its start, and every layer's in turn.
#include "app/reset.h"

#include "app/main_loop.h"
#include "app/window.h"
#include "console/reset.h"
#include "effects/reset.h"
#include "platform/reset.h"
#include "production/reset.h"
#include "render/reset.h"
#include "scene/reset.h"

namespace app {

void Reset() {
    run = Run{};
    window = Window{};
    input = Input{};
    ConnectLayers();
}

void ResetProgram() {
    platform::Reset();
    console::Reset();
    render::Reset();
    scene::Reset();
    effects::Reset();
    production::Reset();
    Reset();
}

}  // namespace app
