// Drawing the drop-down console: its background image, the input line and the newest
// lines of the buffer above it.
#pragma once

namespace render {

void LoadConsoleBackground();
// Called by the overlay in the recording variant while the font is present.
void DrawConsole();

}  // namespace render
