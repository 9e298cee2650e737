// The fourteen parts: their end times, entry and leaving actions and fog ramps.
#include "production/schedule.h"

#include "console/settings.h"
#include "production/content.h"
#include "production/production.h"
#include "render/gl.h"

namespace production {

namespace {

void SetVisible(scene::Scene& scene, const char* name, bool visible) {
    if (scene::SceneObject* object = scene.FindObject(name)) {
        object->visible = visible;
    }
}

void ShowRings(bool visible) {
    for (const char* name : content::kRingObjects) {
        SetVisible(show.mainScene, name, visible);
    }
}

void ShowLogos(bool visible) {
    for (const char* name : content::kLogoObjects) {
        SetVisible(show.mainScene, name, visible);
    }
}

void SetFireActive(bool active) {
    if (effects::ParticleSystem* fire = FireSystem()) {
        fire->active = active;
    }
}

void Fog(float density) {
    glFogf(GL_FOG_DENSITY, density);
}

// The ramps' products are taken in double precision and handed over as floats.
float Rise(float d, float perTick) {
    return static_cast<float>(0.00001f + static_cast<double>(d) * perTick * 0.00999f);
}
float Fall(float d, float perTick) {
    return static_cast<float>(0.01f - static_cast<double>(d) * perTick * 0.0099f);
}

constexpr float kTwoSecondRamp = 0.00005f;
constexpr float kThreeSecondRamp = 1.0f / 30000.0f;

struct Part {
    int64_t end;
    // What the frame composition draws during the part: PartDraw flags.
    unsigned draws;
    void (*enter)();
    // Fog density from the ticks since the part began; null for parts without a ramp.
    float (*ramp)(float d);
    void (*leave)();
};

const Part kParts[kPartCount] = {
    {110000, kDrawLightScene | kDrawMainScene, [] {}, nullptr, nullptr},
    {380000, kDrawMainScene | kDrawFires, [] { ShowRings(true); }, nullptr, nullptr},
    {540000, kDrawMainScene,
     [] {
         ShowRings(false);
         ShowLogos(true);
     },
     nullptr, nullptr},
    {850000, kDrawHall,
     [] {
         ShowLogos(false);
         Fog(0.00001f);
         console::settings.camera_Speed = 200.0f;
     },
     nullptr, nullptr},
    {870000, kDrawHall, [] {}, [](float d) { return Rise(d, kTwoSecondRamp); }, nullptr},
    {890000, kDrawWood, [] {}, [](float d) { return Fall(d, kTwoSecondRamp); }, nullptr},
    {1200000, kDrawWood, [] { console::settings.camera_Speed = 300.0f; }, nullptr, nullptr},
    {1230000, kDrawWood, [] {}, [](float d) { return Rise(d, kThreeSecondRamp); },
     [] { console::settings.camera_Speed = 100.0f; }},
    {1260000, kDrawKeyRoom, [] { show.camera.position = scene::Vector(0, 0, 0); },
     [](float d) { return Fall(d, kThreeSecondRamp); }, nullptr},
    {1710000, kDrawKeyRoom | kDrawFires,
     [] {
         SetFireActive(false);
         SetVisible(show.keyRoomScene, content::kWaterFilm, false);
         SetVisible(show.keyRoomScene, content::kWaterSurface, false);
         Fog(0.00001f);
     },
     nullptr, nullptr},
    {1740000, kDrawKeyRoom, [] {}, [](float d) { return Rise(d, kThreeSecondRamp); }, nullptr},
    {1770000, kDrawNothing, [] {}, [](float d) { return Fall(d, kThreeSecondRamp); }, nullptr},
    {3000000, kDrawMainScene | kDrawFires,
     [] {
         Fog(0.0001f);
         console::settings.camera_Speed = 100.0f;
         SetFireActive(true);
         ShowRings(true);
     },
     nullptr, nullptr},
    {3360000, kDrawMainScene,
     [] {
         ShowRings(false);
         ShowLogos(true);
     },
     nullptr,
     [] {
         if (show.endRun) {
             show.endRun();
         }
     }},
};

}  // namespace

int64_t PartEnd(int part) {
    return kParts[part].end;
}

unsigned PartDraws(int part) {
    if (part < 0 || part >= kPartCount) {
        return kDrawMainScene;
    }
    return kParts[part].draws;
}

void RunSchedule(int64_t t) {
    show.scheduleTime = t;
    if (show.partIndex < 0 || show.partIndex >= kPartCount) {
        return;
    }
    const Part& part = kParts[show.partIndex];
    // A part is entered before its end is checked, so that even a call that comes after
    // the part's end (a slow frame, a pause) performs its entry actions once.
    if (!show.partEntered) {
        if (part.ramp) {
            show.partStartTime = t;
        }
        part.enter();
        show.partEntered = true;
    }
    if (t > part.end) {
        show.partEntered = false;
        ++show.partIndex;
        if (part.leave) {
            part.leave();
        }
        return;
    }
    if (part.ramp) {
        Fog(part.ramp(static_cast<float>(t - show.partStartTime)));
    }
}

}  // namespace production
