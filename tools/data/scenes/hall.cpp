// The hall: a long room along x with two rows of columns. The light that leads the camera
// down the hall throws the columns' shadows back along the floor and onto the walls.
#include "production/content.h"
#include "tools/data/geometry/mesh_shapes.h"
#include "tools/data/scenes/layout.h"
#include "tools/data/scenes/props.h"
#include "tools/data/scenes/scenes.h"

namespace tools::data {
namespace {

using layout::kGround;
using layout::kHallHalfWidth;
using layout::kHallMaxX;
using layout::kHallMidZ;
using layout::kHallMinX;

constexpr float kLength = kHallMaxX - kHallMinX;
constexpr float kTop = kGround + layout::kHallHeight;
constexpr float kCell = 50.0f;

int Cells(float size) {
    return static_cast<int>(size / kCell);
}

MeshData Floor() {
    return Sheet(Vector(kHallMinX, kGround, kHallMidZ - kHallHalfWidth),
                 Vector(0, 0, 2 * kHallHalfWidth), Vector(kLength, 0, 0), Cells(2 * kHallHalfWidth),
                 Cells(kLength), 2 * kHallHalfWidth / 110.0f, kLength / 110.0f);
}

MeshData Ceiling() {
    return Sheet(Vector(kHallMinX, kTop, kHallMidZ - kHallHalfWidth), Vector(kLength, 0, 0),
                 Vector(0, 0, 2 * kHallHalfWidth), Cells(kLength) / 2,
                 Cells(2 * kHallHalfWidth) / 2, kLength / 200.0f, 2 * kHallHalfWidth / 200.0f);
}

MeshData Walls() {
    const float height = layout::kHallHeight;
    const float width = 2 * kHallHalfWidth;
    MeshData walls;
    const float left = kHallMidZ - kHallHalfWidth, right = kHallMidZ + kHallHalfWidth;
    // The long walls, facing in.
    walls.Append(Sheet(Vector(kHallMinX, kGround, left), Vector(kLength, 0, 0),
                       Vector(0, height, 0), Cells(kLength), Cells(height), kLength / 150.0f,
                       height / 150.0f));
    walls.Append(Sheet(Vector(kHallMinX, kGround, right), Vector(0, height, 0),
                       Vector(kLength, 0, 0), Cells(height), Cells(kLength), height / 150.0f,
                       kLength / 150.0f));
    // The end walls.
    walls.Append(Sheet(Vector(kHallMinX, kGround, left), Vector(0, height, 0), Vector(0, 0, width),
                       Cells(height), Cells(width), height / 150.0f, width / 150.0f));
    walls.Append(Sheet(Vector(kHallMaxX, kGround, left), Vector(0, 0, width), Vector(0, height, 0),
                       Cells(width), Cells(height), width / 150.0f, height / 150.0f));
    return walls;
}

// Between x = -300 and 1700, 200 apart, so that the camera starts between two of them.
std::vector<MeshData> ColumnRows() {
    std::vector<MeshData> columns;
    for (float side : {-1.0f, 1.0f}) {
        for (float x = -300.0f; x <= 1700.0f; x += 200.0f) {
            columns.push_back(Column(Vector(x, kGround, kHallMidZ + side * layout::kHallColumnRow),
                                     layout::kHallHeight, 22.0f, 12));
        }
    }
    return columns;
}

}  // namespace

SceneDraft HallScene() {
    SceneDraft scene;
    scene.basePath = production::content::kHallScene;
    scene.placement = {1.0f, Vector(4000, 0, 0)};
    MaterialDraft tiles{"Hall floor tiles"};
    tiles.diffuseMap = SharedTexture("tiles.tga");
    tiles.color = {210, 200, 190};
    tiles.specular = 90;
    MaterialDraft stone{"Hall wall stone"};
    stone.diffuseMap = SharedTexture("stone.jpg");
    stone.color = {200, 190, 175};
    MaterialDraft marble{"Hall column marble"};
    marble.diffuseMap = SharedTexture("marble.tga");
    marble.color = {235, 230, 220};
    marble.specular = 160;
    marble.glossiness = 40;

    scene.AddObject("Floor", scene.AddMaterial(tiles), Floor());
    int32_t wallStone = scene.AddMaterial(stone);
    scene.AddObject("Walls", wallStone, Walls());
    scene.AddObject("Ceiling", wallStone, Ceiling());
    int32_t columnMarble = scene.AddMaterial(marble);
    std::vector<MeshData> columns = ColumnRows();
    for (size_t i = 0; i < columns.size(); ++i) {
        scene.AddObject("Column" + std::to_string(i + 1), columnMarble, columns[i]);
    }
    return scene;
}

}  // namespace tools::data
