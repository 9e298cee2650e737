// The landscape: a valley floor ringed by hills, the stone circle, the avenue from the
// south and a torch under each of the ten fires.
#include <cmath>

#include "production/content.h"
#include "tools/data/geometry/mesh_shapes.h"
#include "tools/data/scenes/layout.h"
#include "tools/data/scenes/props.h"
#include "tools/data/scenes/scenes.h"
#include "tools/data/textures/noise.h"

namespace tools::data {
namespace {

using layout::kGround;

constexpr float kPi = 3.14159265f;
constexpr float kCircleRadius = 560.0f;
constexpr int kStoneSlots = 14;  // the slot facing the avenue stays open

const Noise& GroundNoise() {
    static const Noise noise(4242);
    return noise;
}

// Four pieces: the load links each mesh's edges in time that grows with its faces squared.
std::vector<MeshData> Ground() {
    std::vector<MeshData> pieces;
    constexpr float kPiece = 1800.0f;
    for (float x : {-1800.0f, 0.0f}) {
        for (float z : {-2000.0f, -200.0f}) {
            pieces.push_back(Terrain({x, z, kPiece, 24, 220.0f}, SeerGround));
        }
    }
    return pieces;
}

// A standing stone at `angle` degrees round the circle, leaning a little as old stones do.
MeshData StandingStone(int slot) {
    float angle = -90.0f + 360.0f / kStoneSlots * static_cast<float>(slot);
    float tall = slot == kStoneSlots / 2 ? 95.0f : 62.0f + 18.0f * GroundNoise().Hash(slot, 1);
    float lean = 6.0f * (GroundNoise().Hash(slot, 2) - 0.5f);
    float a = angle * kPi / 180.0f;
    Vector foot(kCircleRadius * std::cos(a), kGround - 6.0f, kCircleRadius * std::sin(a));
    MeshData stone = Transformed(Box(Vector(24, tall, 13), 90.0f), Translation(Vector(0, tall, 0)));
    return Transformed(stone, TurnY(-angle - 90.0f, foot).Then(TurnZ(lean)));
}

MeshData Stones() {
    MeshData stones;
    for (int slot = 1; slot < kStoneSlots; ++slot) {
        stones.Append(StandingStone(slot));
    }
    // The platform of the two higher torches at the head of the circle, and the plinths of
    // the pair at the avenue's mouth.
    float platform = (layout::kPlatformTop - kGround) / 2;
    stones.Append(Transformed(Box(Vector(130, platform, 55), 90.0f),
                              Translation(Vector(0, kGround + platform, 425))));
    for (const Vector& fire : {layout::kFires[8], layout::kFires[9]}) {
        stones.Append(Transformed(Box(Vector(22, platform, 22), 90.0f),
                                  Translation(Vector(fire.x, kGround + platform, fire.z))));
    }
    // Low markers along the avenue.
    for (int i = 0; i < 5; ++i) {
        for (float side : {-1.0f, 1.0f}) {
            Vector at(side * 235.0f, kGround + 12, -1250.0f + 150.0f * static_cast<float>(i));
            stones.Append(Transformed(Box(Vector(14, 18, 10), 90.0f), Translation(at)));
        }
    }
    return stones;
}

MeshData Torches() {
    MeshData torches;
    for (const Vector& fire : layout::kFires) {
        // The higher fires stand on the platform and the plinths.
        float base = fire.y > 60.0f ? layout::kPlatformTop : kGround;
        torches.Append(TorchStand(fire, base, 8));
    }
    return torches;
}

MeshData Altar() {
    float top = layout::kAltarTop - kGround;
    std::vector<ProfilePoint> profile = {{0, 0},        {60, 0},       {60, 6},   {52, 10},
                                         {48, top - 6}, {56, top - 3}, {56, top}, {0, top}};
    LatheSweep sweep;
    sweep.segments = 20;
    sweep.uRepeat = 3;
    return Transformed(Lathe(profile, sweep), Translation(Vector(0, kGround, 0)));
}

}  // namespace

float SeerGround(float x, float z) {
    const Noise& noise = GroundNoise();
    float r = std::hypot(x, z);
    // The avenue keeps a level road through the hills to the south.
    float avenue = Smoothstep(300.0f, 180.0f, std::fabs(x)) * Smoothstep(-450.0f, -700.0f, z);
    float hills = Smoothstep(750.0f, 1550.0f, r) * (1.0f - avenue);
    float rough = noise.Fractal((x + 6000.0f) / 450.0f, (z + 6000.0f) / 450.0f, {64, 64}, 4);
    float bumps = noise.Fractal((x + 6000.0f) / 90.0f, (z + 6000.0f) / 90.0f, {256, 256}, 2);
    float outside = Smoothstep(680.0f, 820.0f, r) * (1.0f - avenue);
    return kGround + hills * (120.0f + 380.0f * rough) + outside * 14.0f * (bumps - 0.5f);
}

SceneDraft SeerScene() {
    SceneDraft scene;
    scene.basePath = production::content::kSeerScene;
    scene.placement = {100.0f, Vector(0, 0, 1000)};
    MaterialDraft ground{"Seer valley floor"};
    ground.color = {175, 165, 145};
    ground.diffuseMap = SharedTexture("ground.jpg");
    ground.specular = 0;
    MaterialDraft stone{"Seer standing stone"};
    stone.diffuseMap = SharedTexture("stone.jpg");
    stone.color = {190, 185, 175};
    MaterialDraft iron{"Seer torch iron"};
    iron.color = {95, 80, 70};
    iron.specular = 200;
    iron.glossiness = 40;
    iron.selfIllumination = 0.1f;
    MaterialDraft altar{"Seer altar marble"};
    altar.diffuseMap = SharedTexture("marble.tga");

    int32_t groundMaterial = scene.AddMaterial(ground);
    std::vector<MeshData> pieces = Ground();
    for (size_t i = 0; i < pieces.size(); ++i) {
        scene.AddObject("Ground" + std::to_string(i + 1), groundMaterial, pieces[i]);
    }
    scene.AddObject("Stones", scene.AddMaterial(stone), Stones());
    scene.AddObject("Torches", scene.AddMaterial(iron), Torches());
    scene.AddObject("Altar", scene.AddMaterial(altar), Altar());
    scene.AddObject("Sky", scene.AddMaterial(SkyMaterial()),
                    SkyDome(Vector(0, -200, -200), 2700, -150, 24));
    return scene;
}

}  // namespace tools::data
