// The overlay pass over every frame (title image, statistics and console of the
// recording variant, caption) and the loading screen.
#pragma once

namespace production {

// The overlay in a 640 × 480 projection with y downward; leaves fog and lighting on.
void DrawOverlay();
// One frame of the overlay alone (the loading image), then the title sequence moves on.
void ShowLoadingScreen();

}  // namespace production
