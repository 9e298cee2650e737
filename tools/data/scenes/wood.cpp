// The wood: rolling ground and trees of bark trunks with crossed leaf cards, thinned out
// along the way the camera walks.
#include <algorithm>
#include <cmath>

#include "production/content.h"
#include "tools/data/geometry/mesh_shapes.h"
#include "tools/data/scenes/layout.h"
#include "tools/data/scenes/props.h"
#include "tools/data/scenes/scenes.h"
#include "tools/data/textures/noise.h"

namespace tools::data {
namespace {

using layout::kWoodHalfSize;

constexpr float kTreeSpacing = 150.0f;
// No trunk stands closer than this to the walk.
constexpr float kClearing = 90.0f;
constexpr size_t kTreesPerGroup = 40;

const Noise& WoodNoise() {
    static const Noise noise(5151);
    return noise;
}

float DistanceToSegment(const Vector& p, const Vector& a, const Vector& b) {
    Vector ab = b - a;
    float t = std::fmax(0.0f, std::fmin(1.0f, (p - a).Dot(ab) / ab.Dot(ab)));
    Vector nearest = a + ab * t;
    return std::hypot(p.x - nearest.x, p.z - nearest.z);
}

bool OnTheWalk(const Vector& p) {
    const std::vector<Vector>& walk = layout::kWoodWalk;
    for (size_t i = 0; i + 1 < walk.size(); ++i) {
        if (DistanceToSegment(p, walk[i], walk[i + 1]) < kClearing) {
            return true;
        }
    }
    return false;
}

struct Tree {
    Vector foot;
    float height;
    float turn;  // degrees
};

std::vector<Tree> Trees() {
    const Noise& noise = WoodNoise();
    std::vector<Tree> trees;
    int cells = static_cast<int>(2 * kWoodHalfSize / kTreeSpacing);
    for (int i = 0; i < cells; ++i) {
        for (int j = 0; j < cells; ++j) {
            float x = -kWoodHalfSize +
                      kTreeSpacing * (static_cast<float>(i) + 0.2f + 0.6f * noise.Hash(i, j, 1));
            float z = -kWoodHalfSize +
                      kTreeSpacing * (static_cast<float>(j) + 0.2f + 0.6f * noise.Hash(i, j, 2));
            Vector foot(x, WoodGround(x, z) - 4.0f, z);
            if (noise.Hash(i, j, 3) < 0.35f || OnTheWalk(foot)) {
                continue;
            }
            trees.push_back(
                {foot, 170.0f + 110.0f * noise.Hash(i, j, 4), 180.0f * noise.Hash(i, j, 5)});
        }
    }
    return trees;
}

MeshData Trunk(const Tree& tree) {
    float h = tree.height, r = 7.0f + tree.height * 0.02f;
    std::vector<ProfilePoint> profile = {
        {r * 1.5f, 0}, {r, h * 0.15f}, {r * 0.75f, h * 0.6f}, {r * 0.35f, h * 0.95f}, {0, h}};
    LatheSweep sweep;
    sweep.segments = 6;
    sweep.vRepeat = h / 120.0f;
    return Transformed(Lathe(profile, sweep), TurnY(tree.turn, tree.foot));
}

// Three upright cards crossing at the trunk, and one lower, wider tier.
MeshData Crown(const Tree& tree) {
    MeshData crown;
    float h = tree.height;
    struct Tier {
        float bottom, top, width;
    };
    for (const Tier& tier :
         {Tier{h * 0.45f, h * 0.8f, h * 0.75f}, Tier{h * 0.6f, h * 1.08f, h * 0.55f}}) {
        for (float angle : {0.0f, 60.0f, 120.0f}) {
            float half = tier.width / 2;
            MeshData card = Sheet(Vector(-half, tier.bottom, 0), Vector(tier.width, 0, 0),
                                  Vector(0, tier.top - tier.bottom, 0), 1, 1, 1, 1);
            crown.Append(Transformed(card, TurnY(tree.turn + angle, tree.foot)));
        }
    }
    return crown;
}

}  // namespace

float WoodGround(float x, float z) {
    float swell = WoodNoise().Fractal((x + 3000.0f) / 500.0f, (z + 3000.0f) / 500.0f, {64, 64}, 3);
    return layout::kGround + 60.0f * (swell - 0.5f);
}

SceneDraft WoodScene() {
    SceneDraft scene;
    scene.basePath = production::content::kWoodScene;
    scene.placement = {1.0f, Vector(8000, -1000, 0)};
    MaterialDraft ground{"Wood forest floor"};
    ground.diffuseMap = SharedTexture("ground.jpg");
    ground.color = {160, 170, 130};
    ground.specular = 0;
    ground.selfIllumination = 0.15f;
    MaterialDraft bark{"Wood bark"};
    bark.diffuseMap = SharedTexture("bark.tga");
    bark.color = {190, 170, 150};
    bark.selfIllumination = 0.15f;
    MaterialDraft leaves{"Wood leaves"};
    leaves.shader = "Leaf";
    leaves.diffuseMap = SharedTexture("leaves.tga");
    leaves.color = {200, 230, 170};
    leaves.specular = 0;
    leaves.selfIllumination = 0.3f;

    int32_t floor = scene.AddMaterial(ground);
    float half = kWoodHalfSize;
    int piece = 1;
    for (float x : {-half, 0.0f}) {
        for (float z : {-half, 0.0f}) {
            scene.AddObject("Ground" + std::to_string(piece++), floor,
                            Terrain({x, z, half, 20, 250.0f}, WoodGround));
        }
    }
    int32_t trunkBark = scene.AddMaterial(bark);
    std::vector<Tree> trees = Trees();
    MeshData crowns;
    // Trunks in groups, as the ground: each mesh's edges are linked in quadratic time.
    for (size_t first = 0; first < trees.size(); first += kTreesPerGroup) {
        MeshData trunks;
        for (size_t i = first; i < std::min(trees.size(), first + kTreesPerGroup); ++i) {
            trunks.Append(Trunk(trees[i]));
            crowns.Append(Crown(trees[i]));
        }
        scene.AddObject("Trunks" + std::to_string(first / kTreesPerGroup + 1), trunkBark, trunks);
    }
    scene.AddObject("Leaves", scene.AddMaterial(leaves), crowns);
    scene.AddObject("Sky", scene.AddMaterial(SkyMaterial()),
                    SkyDome(Vector(0, -200, 0), 2200, -150, 24));
    return scene;
}

}  // namespace tools::data
