// The desktop runs the passes in a loop; the browser from its animation frames.
#include "platform/pass_loop.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace platform {

#ifdef __EMSCRIPTEN__

namespace {

bool (*browserPass)() = nullptr;
void (*browserFinish)() = nullptr;

void BrowserFrame() {
    if (browserPass()) {
        EM_ASM(if (Module.onFrame) Module.onFrame(););
        return;
    }
    emscripten_cancel_main_loop();
    browserFinish();
    EM_ASM(if (Module.onShowEnded) Module.onShowEnded(););
}

}  // namespace

void RunPasses(bool (*pass)(), void (*finish)()) {
    browserPass = pass;
    browserFinish = finish;
    emscripten_set_main_loop(BrowserFrame, 0, 0);
}

#else

void RunPasses(bool (*pass)(), void (*finish)()) {
    while (pass()) {
    }
    finish();
}

#endif

}  // namespace platform
