// The sculpture: a head crowned by a geodesic orb, circled by a gold ring, a ring of red
// words and a spiral line, over the ring on which the large fire burns.
#include <cmath>

#include "production/content.h"
#include "tools/common/prerequisites.h"
#include "tools/data/geometry/mesh_shapes.h"
#include "tools/data/geometry/text_mesh.h"
#include "tools/data/scenes/layout.h"
#include "tools/data/scenes/props.h"
#include "tools/data/scenes/scenes.h"

namespace tools::data {
namespace {

constexpr float kPi = 3.14159265f;
constexpr char kWords[] = "TORVANE  REAL TIME  ";
constexpr float kWordsRadius = 88.0f;

const Vector& Centre() {
    return layout::kSculpture;
}

// Bends a line of lettering round the y axis: x along the line becomes the angle, the
// letters' faces look outwards from `radius`.
MeshData WrappedAround(const MeshData& line, float radius) {
    MeshData ring = line;
    for (MeshVertex& vertex : ring.vertices) {
        const Vector& p = vertex.position;
        const Vector& n = vertex.normal;
        float angle = p.x / radius, c = std::cos(angle), s = std::sin(angle);
        vertex.position = Vector((radius + p.z) * s, p.y, (radius + p.z) * c);
        vertex.normal = Unit(Vector(n.x * c + n.z * s, n.y, -n.x * s + n.z * c));
    }
    return ring;
}

MeshData RedWords() {
    const OutlineFont font(kSansBold);
    // Sized so that the words run nine tenths of the way round.
    double emWidth = font.Line(kWords, 1).width;
    TextStyle style{static_cast<float>(0.9 * 2 * kPi * kWordsRadius / emWidth), 5.0f, 3};
    MeshData line = ExtrudedText(font, kWords, style).mesh;
    MeshData ring = WrappedAround(line, kWordsRadius);
    return Transformed(ring, TurnZ(10, Centre() + Vector(0, -12, 0)).Then(TurnX(-14)));
}

MeshData Head() {
    std::vector<ProfilePoint> profile = {{0, -42},  {9, -42}, {9, -30}, {13, -24},
                                         {18, -14}, {21, -2}, {22, 10}, {20, 22},
                                         {15, 32},  {8, 38},  {0, 40}};
    LatheSweep sweep;
    sweep.segments = 18;
    return Transformed(Stretched(Lathe(profile, sweep), 0.95f, 1, 1.15f), Translation(Centre()));
}

MeshData Hair() {
    std::vector<ProfilePoint> profile = {{23, 6},  {24, 11},      {22, 24},
                                         {17, 34}, {9.5f, 40.5f}, {0, 42.5f}};
    LatheSweep sweep;
    sweep.segments = 18;
    MeshData cap = Stretched(Lathe(profile, sweep), 0.95f, 1, 1.15f);
    // Tipped back, so that it leaves the brow bare and falls lower behind.
    return Transformed(cap, Translation(Centre()).Then(TurnX(20)));
}

MeshData RightBrow() {
    std::vector<ProfilePoint> tube;
    for (int k = 0; k < 6; ++k) {
        float angle = 2 * kPi * static_cast<float>(k) / 6;
        tube.push_back({7 + 1.6f * std::cos(angle), 1.6f * std::sin(angle)});
    }
    LatheSweep sweep;
    sweep.segments = 8;
    sweep.degrees = 100;
    // The arc stands in the face's plane, over the right eye (the head looks towards -z).
    Vector eye = Centre() + Vector(8, 4, -26);
    return Transformed(LatheLoop(tube, sweep), TurnZ(40, eye).Then(TurnX(-90)));
}

MeshData SpiralLine() {
    std::vector<Vector> path;
    constexpr int kPoints = 90;
    for (int i = 0; i < kPoints; ++i) {
        float t = static_cast<float>(i) / (kPoints - 1);
        float angle = t * 2.25f * 2 * kPi;
        path.push_back(Vector(75 * std::cos(angle), -60 + 135 * t, 75 * std::sin(angle)) +
                       Centre());
    }
    return Tube(path, 1.6f, 6);
}

}  // namespace

SceneDraft RingScene() {
    SceneDraft scene;
    scene.basePath = production::content::kRingScene;
    int32_t gold = scene.AddMaterial(Polished("Ring gold", {255, 200, 110}, 0.2f, "gold.tga"));
    int32_t red = scene.AddMaterial(Polished("Ring red words", {225, 30, 20}, 0.45f, ""));
    int32_t ember = scene.AddMaterial(Polished("Ring ember", {255, 120, 40}, 0.6f, "gold.tga"));
    MaterialDraft marble{"Ring head marble"};
    marble.color = {235, 225, 210};
    marble.selfIllumination = 0.15f;
    marble.diffuseMap = SharedTexture("marble.tga");
    int32_t head = scene.AddMaterial(marble);
    int32_t bronze =
        scene.AddMaterial(Polished("Ring dark bronze", {70, 48, 34}, 0.1f, "gold.tga"));
    int32_t line = scene.AddMaterial(Polished("Ring blue line", {120, 200, 255}, 0.5f, ""));
    int32_t orb = scene.AddMaterial(Polished("Ring sky orb", {180, 220, 255}, 0.3f, "sky.jpg"));

    scene.AddObject("Ring_gold", gold,
                    Transformed(Torus(62, 3.5f, 48, 8), TurnZ(-12, Centre()).Then(TurnX(18))));
    scene.AddObject("Ring_RedWords", red, RedWords());
    scene.AddObject(production::content::kFireEmitter, ember,
                    Transformed(Torus(38, 5, 24, 8), Translation(layout::kFireRing)));
    scene.AddObject("HAIR01", bronze, Hair());
    scene.AddObject("HEAD01", head, Head());
    scene.AddObject("RBROW01", bronze, RightBrow());
    scene.AddObject("Line02", line, SpiralLine());
    scene.AddObject("GeoSphere01", orb,
                    Transformed(GeodesicSphere(11, 1), Translation(Centre() + Vector(0, 64, 0))));
    return scene;
}

}  // namespace tools::data
