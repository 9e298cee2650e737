// Torch stands, columns, solid boxes and the sky dome.
#include "tools/data/scenes/props.h"

#include <cmath>

#include "tools/data/geometry/mesh_shapes.h"

namespace tools::data {

MeshData TorchStand(const Vector& fire, float baseY, int segments) {
    // The bowl's rim sits a little under the fire, the coals lower still.
    float rim = fire.y - baseY - 4.0f;
    std::vector<ProfilePoint> profile = {{0, 0},           {9, 0},        {8, 4},        {3.5f, 8},
                                         {3.5f, rim - 12}, {6, rim - 10}, {13, rim - 4}, {16, rim},
                                         {13.5f, rim},     {11, rim - 3}, {0, rim - 3}};
    LatheSweep sweep;
    sweep.segments = segments;
    sweep.vRepeat = 4;
    return Transformed(Lathe(profile, sweep), Translation(Vector(fire.x, baseY, fire.z)));
}

MeshData Column(const Vector& base, float height, float radius, int segments) {
    float r = radius, h = height;
    std::vector<ProfilePoint> profile = {{0, 0},
                                         {r * 1.45f, 0},
                                         {r * 1.45f, 14},
                                         {r * 1.1f, 20},
                                         {r, 28},
                                         {r * 0.87f, h - 30},
                                         {r * 1.1f, h - 22},
                                         {r * 1.4f, h - 12},
                                         {r * 1.4f, h},
                                         {0, h}};
    LatheSweep sweep;
    sweep.segments = segments;
    sweep.uRepeat = 2;
    sweep.vRepeat = h / 120.0f;
    return Transformed(Lathe(profile, sweep), Translation(base));
}

MeshData SolidBox(const Vector& centre, const Vector& halfSize, float textureSize) {
    MeshData box = Box(halfSize, textureSize);
    WeldVertices(box);
    return Transformed(box, Translation(centre));
}

MeshData SkyDome(const Vector& centre, float radius, float rim, int segments) {
    // Running down from the top turns the faces inwards; v runs from the zenith row of the
    // sky picture to its horizon row.
    std::vector<ProfilePoint> profile;
    constexpr int kRings = 8;
    float lowest = std::asin(std::fmax(-1.0f, rim / radius));
    for (int k = 0; k <= kRings; ++k) {
        float angle = 1.5707963f + (lowest - 1.5707963f) * static_cast<float>(k) / kRings;
        profile.push_back({k == 0 ? 0.0f : radius * std::cos(angle), radius * std::sin(angle)});
    }
    LatheSweep sweep;
    sweep.segments = segments;
    sweep.uRepeat = 3;
    return Transformed(Lathe(profile, sweep), Translation(centre));
}

MaterialDraft SkyMaterial() {
    MaterialDraft sky("Dusk sky");
    sky.color = {255, 255, 255};
    sky.selfIllumination = 1.0f;
    sky.specular = 0;
    sky.diffuseMap = SharedTexture("sky.jpg");
    return sky;
}

MaterialDraft Polished(const char* name, std::array<int, 3> color, float glow,
                       const char* reflection) {
    MaterialDraft m(name);
    m.color = color;
    m.specular = 255;
    m.glossiness = 60;
    m.selfIllumination = glow;
    if (*reflection) {
        m.reflectionMap = SharedTexture(reflection);
    }
    return m;
}

}  // namespace tools::data
