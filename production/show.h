// The show: the production's whole process-wide state in one object — its scenes and
// camera, fires and flares, audio handles, the position in the part schedule, the
// captions and title images, and the camera path.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "effects/particle_system.h"
#include "production/camera_path.h"
#include "production/captions.h"
#include "scene/camera.h"
#include "scene/scene.h"

namespace production {

// A scene of the show with the particle systems drawn along with it.
struct ShowScene : scene::Scene {
    std::vector<effects::ParticleSystem> particleSystems;
};

struct Show {
    ShowScene mainScene;
    ShowScene hallScene;
    ShowScene woodScene;
    ShowScene keyRoomScene;
    // Holds one light and no objects; drawn in the first part.
    ShowScene lightScene;
    // The one camera every scene looks through.
    scene::Camera camera;
    // One glow sprite per torch fire.
    std::array<effects::ParticleSystem, 10> glowFlares;
    int fireSystemIndex = -1;
    int glowMaterial = -1;
    int fireMaterial = -1;
    uint32_t voiceStream = 0;
    uint32_t musicModule = 0;
    // 0: no audio, 1: loaded, 2: playing.
    int audioState = 0;
    // The schedule time, in ticks, at which voice and music are at their beginning; -1
    // until their start is due.
    int64_t audioOrigin = -1;
    // Seconds, advanced by one frame's share each frame; drives the key room's light.
    float animationTime = 0.0f;

    int partIndex = 0;
    bool partEntered = false;
    int64_t partStartTime = 0;
    // The presentation time last handed to the schedule, in ticks.
    int64_t scheduleTime = 0;
    // Handed down by the program at start-up: ends the run after the last part.
    void (*endRun)() = nullptr;

    std::vector<Caption> captions;
    size_t captionIndex = 0;
    // What the overlay draws the caption text with; black until the first frame.
    scene::Vector captionColor{0.0f, 0.0f, 0.0f};
    std::vector<TitleImage> titleImages;
    size_t titleIndex = 0;
    // The overlay's current title image (null once the sequence is over), its top-left
    // corner in pixels of the 640 × 480 overlay, and its colour.
    const render::Texture* titleImage = nullptr;
    int32_t titlePosition[2] = {0, 0};
    scene::Vector titleColor{1.0f, 1.0f, 1.0f};
    // The seven pictures, each loaded once, in order of first appearance.
    std::array<render::Texture, 7> titleTextures;

    std::vector<CameraKey> cameraPath;
    FILE* cameraRecordFile = nullptr;
};

extern Show show;

}  // namespace production
