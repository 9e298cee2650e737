// Every state object of the layer back to its start.
#include "render/reset.h"

#include "render/display.h"
#include "render/glh/glh_extensions.h"
#include "render/renderer.h"
#include "render/tga.h"

namespace render {

void Reset() {
    renderer.Reset();
    display = Display{};
    tgaImage = TgaImage{};
    glh::entryPoints = glh::EntryPoints{};
}

}  // namespace render
