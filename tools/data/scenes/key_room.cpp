// The key room: a flooded hall whose water mirrors it, columns and braziers round the
// walls, and a key lying on a table under the light that circles the middle.
#include <cmath>

#include "production/content.h"
#include "tools/data/geometry/mesh_shapes.h"
#include "tools/data/scenes/layout.h"
#include "tools/data/scenes/props.h"
#include "tools/data/scenes/scenes.h"

namespace tools::data {
namespace {

using layout::kKey;
using layout::kKeyRoomHalfSize;
using layout::kWaterLevel;

constexpr float kPi = 3.14159265f;
// Walls, columns and stands go down into the water.
constexpr float kBottom = -20.0f;
// Low, so that the light circling a little above throws short shadows.
constexpr float kTableTop = 24.0f;

MeshData Walls() {
    const float h = kKeyRoomHalfSize, height = layout::kKeyRoomHeight - kBottom;
    const float across = 2 * h;
    MeshData walls;
    walls.Append(Sheet(Vector(-h, kBottom, -h), Vector(across, 0, 0), Vector(0, height, 0), 16, 4,
                       across / 160.0f, height / 160.0f));
    walls.Append(Sheet(Vector(-h, kBottom, h), Vector(0, height, 0), Vector(across, 0, 0), 4, 16,
                       height / 160.0f, across / 160.0f));
    walls.Append(Sheet(Vector(-h, kBottom, -h), Vector(0, height, 0), Vector(0, 0, across), 4, 16,
                       height / 160.0f, across / 160.0f));
    walls.Append(Sheet(Vector(h, kBottom, -h), Vector(0, 0, across), Vector(0, height, 0), 16, 4,
                       across / 160.0f, height / 160.0f));
    return walls;
}

MeshData Ceiling() {
    const float h = kKeyRoomHalfSize;
    return Sheet(Vector(-h, layout::kKeyRoomHeight, -h), Vector(2 * h, 0, 0), Vector(0, 0, 2 * h),
                 8, 8, 2 * h / 200.0f, 2 * h / 200.0f);
}

MeshData Water(float level, int cells) {
    const float h = kKeyRoomHalfSize;
    return Sheet(Vector(-h, level, -h), Vector(0, 0, 2 * h), Vector(2 * h, 0, 0), cells, cells, 6,
                 6);
}

MeshData Columns() {
    MeshData columns;
    for (int k = 0; k < 8; ++k) {
        float angle = (22.5f + 45.0f * static_cast<float>(k)) * kPi / 180.0f;
        Vector base(470.0f * std::cos(angle), kBottom, 470.0f * std::sin(angle));
        columns.Append(Column(base, layout::kKeyRoomHeight - kBottom, 20.0f, 10));
    }
    return columns;
}

// Stands under the eight fires that burn inside the room.
MeshData Braziers() {
    MeshData braziers;
    for (const Vector& fire : layout::kFires) {
        if (std::fabs(fire.z) < kKeyRoomHalfSize) {
            braziers.Append(TorchStand(fire, kBottom, 8));
        }
    }
    return braziers;
}

// A round slab on four legs: the space under it, where the camera passes at the room's
// first frame, stays open.
MeshData Table() {
    std::vector<ProfilePoint> slab = {{0, 0}, {40, 0}, {40, 6}, {0, 6}};
    LatheSweep sweep;
    sweep.segments = 16;
    MeshData table = Transformed(Lathe(slab, sweep), Translation(Vector(0, kTableTop - 6, 0)));
    float legHeight = kTableTop - 6 - kBottom;
    for (float x : {-24.0f, 24.0f}) {
        for (float z : {-24.0f, 24.0f}) {
            table.Append(SolidBox(Vector(x, kBottom + legHeight / 2, z),
                                  Vector(4, legHeight / 2, 4), 40.0f));
        }
    }
    return table;
}

// Lying flat: the bow towards -x, the shaft along x and the bit's teeth towards -z. Each
// piece is closed on its own.
MeshData Key() {
    MeshData key = Transformed(Torus(9, 3, 16, 8), Translation(kKey + Vector(-22, 0, 0)));
    key.Append(Transformed(Cylinder(2.2f, 39, 10), TurnZ(-90, kKey + Vector(-13.5f, 0, 0))));
    key.Append(SolidBox(kKey + Vector(19, 0, -5.5f), Vector(2.5f, 1.8f, 3.5f), 10.0f));
    key.Append(SolidBox(kKey + Vector(23.5f, 0, -4.5f), Vector(1.5f, 1.6f, 2.5f), 10.0f));
    return key;
}

MaterialDraft Textured(const char* name, const char* texture, std::array<int, 3> color) {
    MaterialDraft m{name};
    m.diffuseMap = SharedTexture(texture);
    m.color = color;
    return m;
}

}  // namespace

SceneDraft KeyRoomScene() {
    SceneDraft scene;
    scene.basePath = production::content::kKeyRoomScene;
    int32_t stone = scene.AddMaterial(Textured("KeyRoom stone", "stone.jpg", {185, 180, 195}));
    MaterialDraft marble = Textured("KeyRoom marble", "marble.tga", {230, 225, 215});
    marble.specular = 150;
    marble.glossiness = 40;
    int32_t white = scene.AddMaterial(marble);
    MaterialDraft iron{"KeyRoom iron"};
    iron.color = {95, 80, 70};
    iron.specular = 200;
    iron.glossiness = 40;
    MaterialDraft gold = Polished("KeyRoom gold", {255, 205, 120}, 0.2f, "gold.tga");
    // Thin enough that the mirrored room shows through clearly.
    MaterialDraft water = Textured("KeyRoom water", "water.jpg", {90, 140, 190});
    water.opacity = 30;
    water.specular = 255;
    water.glossiness = 80;
    MaterialDraft film = Textured("KeyRoom water film", "water.jpg", {210, 235, 255});
    film.opacity = 12;
    film.selfIllumination = 0.1f;

    scene.AddObject("Walls", stone, Walls());
    // Dark, so that the water mirrors the columns and the fires rather than a stone roof.
    scene.AddObject("Ceiling",
                    scene.AddMaterial(Textured("KeyRoom vault", "stone.jpg", {55, 55, 75})),
                    Ceiling());
    scene.AddObject("Columns", white, Columns());
    scene.AddObject("Braziers", scene.AddMaterial(iron), Braziers());
    scene.AddObject("Table", white, Table());
    scene.AddObject("Key", scene.AddMaterial(gold), Key());
    scene.AddObject(production::content::kWaterSurface, scene.AddMaterial(water),
                    Water(kWaterLevel, 16));
    scene.AddObject(production::content::kWaterFilm, scene.AddMaterial(film),
                    Water(kWaterLevel + 0.6f, 8));
    return scene;
}

}  // namespace tools::data
