// Resetting every layer's process-wide state between tests.
#include "support/process_test.h"

#include <cstdio>

#include "app/main_loop.h"
#include "app/window.h"
#include "console/log.h"
#include "console/settings.h"
#include "effects/glow.h"
#include "platform/random.h"
#include "production/show.h"
#include "render/display.h"
#include "render/glh/glh_extensions.h"
#include "render/renderer.h"
#include "render/tga.h"
#include "scene/drawing.h"

namespace testing_support {

void ResetProcessState() {
    platform::UseClock(nullptr);
    platform::SeedRandom(1);
    console::console = console::Console{};
    console::settings = console::Settings{};
    render::renderer.Reset();
    render::display = render::Display{};
    render::tgaImage = render::TgaImage{};
    glh::entryPoints = glh::EntryPoints{};
    scene::drawing = scene::Drawing{};
    effects::glowMaker = effects::GlowMaker{};
    if (production::show.cameraRecordFile) {
        std::fclose(production::show.cameraRecordFile);
    }
    production::show = production::Show{};
    app::run = app::Run{};
    app::window = app::Window{};
    app::input = app::Input{};
    app::ConnectLayers();
}

ProcessTest::ProcessTest() {
    ResetProcessState();
    console::StartLog(kLogName);
}

ProcessTest::~ProcessTest() {
    ResetProcessState();
}

void ProcessTest::UseVirtualClock() {
    platform::UseClock(&clock);
}

}  // namespace testing_support
