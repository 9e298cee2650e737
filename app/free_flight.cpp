// The recording variant's free camera: mouse look, W/A/S/D flight and the console key.
#include "app/free_flight.h"

#include "app/window.h"
#include "console/console_screen.h"
#include "console/log.h"
#include "console/settings.h"
#include "platform/messages.h"
#include "production/production.h"
#include "production/show.h"

namespace app {
namespace {

// The mouse's offset from the window centre turns the camera; the cursor goes back.
void MouseLook(scene::Camera& camera, float seconds) {
    int offsetX, offsetY;
    MouseOffset(offsetX, offsetY);
    float dx = static_cast<float>(offsetX);
    float dy = static_cast<float>(offsetY);
    float scale = static_cast<float>(console::settings.mouse_Sensitivity) * 10.0f * seconds;
    camera.heading -= dx * scale * console::settings.mouse_FactorX;
    camera.pitch -= dy * scale * console::settings.mouse_FactorY;
    if (camera.pitch > 89.0f) {
        camera.pitch = 89.0f;
    }
    if (camera.pitch < -89.0f) {
        camera.pitch = -89.0f;
    }
    RecentreCursor();
}

}  // namespace

void FlyCamera(scene::Camera& camera, float seconds) {
    scene::Vector move(0, 0, 0);
    scene::Vector side = camera.forward.Cross(camera.up);
    if (KeyDown('W')) {
        move = move + camera.forward;
    }
    if (KeyDown('S')) {
        move = move - camera.forward;
    }
    if (KeyDown('D')) {
        move = move + side;
    }
    if (KeyDown('A')) {
        move = move - side;
    }
    float length = move.Length();
    if (length != 0.0f) {
        move = move * (1.0f / length);
    }
    scene::Vector step = move * (console::settings.camera_Speed * seconds);
    camera.position.x += step.x;
    camera.position.y += step.y;
    camera.position.z += step.z;
}

void ConsoleInput(int64_t ticks) {
    float seconds = static_cast<float>(ticks) * 0.0001f;
    BeginInputStep();
    MouseLook(production::show.camera, seconds);
    if (KeyPressed(platform::VK_OEM_3)) {
        console::console.open = !console::console.open;
        return;
    }
    if (!console::console.open) {
        FlyCamera(production::show.camera, seconds);
        return;
    }
    console::HandleConsoleKey(input.pressedKey, input.typedChar);
}

}  // namespace app
