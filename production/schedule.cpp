// The fourteen parts: their end times, entry and leaving actions and fog ramps.
#include "production/schedule.h"

#include <GL/gl.h>

#include "app/main_loop.h"
#include "console/settings.h"
#include "production/production.h"

namespace production {

int partIndex = 0;
bool partEntered = false;
int64_t partStartTime = 0;

namespace {

const char* const kRings[] = {"Ring_gold", "Ring_RedWords", "OpenGLlogo", "HAIR01",
                              "HEAD01",    "RBROW01",       "Line02",     "GeoSphere01"};

void SetVisible(scene::Scene& scene, const char* name, bool visible) {
    if (scene::SceneObject* object = scene.FindObject(name)) {
        object->visible = visible;
    }
}

void ShowRings(bool visible) {
    for (const char* name : kRings) {
        SetVisible(mainScene, name, visible);
    }
}

void ShowLogos(bool visible) {
    SetVisible(mainScene, "Lumo", visible);
    SetVisible(mainScene, "DevHub", visible);
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
    void (*enter)();
    // Fog density from the ticks since the part began; null for parts without a ramp.
    float (*ramp)(float d);
    void (*leave)();
};

const Part kParts[kPartCount] = {
    {110000, [] {}, nullptr, nullptr},
    {380000, [] { ShowRings(true); }, nullptr, nullptr},
    {540000,
     [] {
         ShowRings(false);
         ShowLogos(true);
     },
     nullptr, nullptr},
    {850000,
     [] {
         ShowLogos(false);
         Fog(0.00001f);
         console::settings.camera_Speed = 200.0f;
     },
     nullptr, nullptr},
    {870000, [] {}, [](float d) { return Rise(d, kTwoSecondRamp); }, nullptr},
    {890000, [] {}, [](float d) { return Fall(d, kTwoSecondRamp); }, nullptr},
    {1200000, [] { console::settings.camera_Speed = 300.0f; }, nullptr, nullptr},
    {1230000, [] {}, [](float d) { return Rise(d, kThreeSecondRamp); },
     [] { console::settings.camera_Speed = 100.0f; }},
    {1260000, [] { camera.position = scene::Vector(0, 0, 0); },
     [](float d) { return Fall(d, kThreeSecondRamp); }, nullptr},
    {1710000,
     [] {
         SetFireActive(false);
         SetVisible(keyRoomScene, "water_uped", false);
         SetVisible(keyRoomScene, "waterq", false);
         Fog(0.00001f);
     },
     nullptr, nullptr},
    {1740000, [] {}, [](float d) { return Rise(d, kThreeSecondRamp); }, nullptr},
    {1770000, [] {}, [](float d) { return Fall(d, kThreeSecondRamp); }, nullptr},
    {3000000,
     [] {
         Fog(0.0001f);
         console::settings.camera_Speed = 100.0f;
         SetFireActive(true);
         ShowRings(true);
     },
     nullptr, nullptr},
    {3360000,
     [] {
         ShowRings(false);
         ShowLogos(true);
     },
     nullptr, [] { app::quitRequested = 1; }},
};

}  // namespace

int64_t PartEnd(int part) {
    return kParts[part].end;
}

void RunSchedule(int64_t t) {
    if (partIndex < 0 || partIndex >= kPartCount) {
        return;
    }
    const Part& part = kParts[partIndex];
    // A part is entered before its end is checked, so that even a call that comes after
    // the part's end (a slow frame, a pause) performs its entry actions once.
    if (!partEntered) {
        if (part.ramp) {
            partStartTime = t;
        }
        part.enter();
        partEntered = true;
    }
    if (t > part.end) {
        partEntered = false;
        ++partIndex;
        if (part.leave) {
            part.leave();
        }
        return;
    }
    if (part.ramp) {
        Fog(part.ramp(static_cast<float>(t - partStartTime)));
    }
}

}  // namespace production
