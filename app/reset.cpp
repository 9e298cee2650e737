// Every state object of the layer back to its start.
#include "app/reset.h"

#include "app/main_loop.h"
#include "app/window.h"

namespace app {

void Reset() {
    run = Run{};
    window = Window{};
    input = Input{};
    ConnectLayers();
}

}  // namespace app
