// The content tools' meshes as the engine reads them: closed solids that face outwards,
// sheets and ground that face where asked, and extruded lettering that covers its ink.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "support/process_test.h"
#include "tools/data/mesh_shapes.h"
#include "tools/data/polygon_triangulation.h"
#include "tools/data/prerequisites.h"
#include "tools/data/scenes/props.h"
#include "tools/data/text_mesh.h"
#include "tools_scene_reading.h"

using namespace tools::data;
using scene::Vector;
using tools_scene_testing::OpenFaces;
using tools_scene_testing::ReadBackMesh;

namespace {

using ShapesTest = testing_support::ProcessTest;

// For each case, the point that every face must look away from (nothing: only closed).
TEST_F(ShapesTest, SolidsAreClosedAndEveryFaceLooksOutwardsOnceRead) {
    auto point = [](Vector p) { return [p](const Vector&) { return p; }; };
    auto tube = [](const Vector& p) {
        float r = std::hypot(p.x, p.z);
        return Vector(p.x * 30 / r, 0, p.z * 30 / r);
    };
    auto below = [](const Vector& p) { return Vector(p.x, p.y - 1, p.z); };
    MeshData welded = Box(Vector(1, 2, 3), 1);
    WeldVertices(welded);
    struct Case {
        const char* name;
        MeshData mesh;
        std::function<Vector(const Vector&)> inside;
        bool closed;
    };
    const Case cases[] = {
        {"cylinder", Cylinder(5, 20, 12), point(Vector(0, 10, 0)), true},
        {"sphere", Sphere(10, 16), point(Vector(0, 0, 0)), true},
        {"geodesic sphere", GeodesicSphere(10, 2), point(Vector(0, 0, 0)), true},
        {"solid box", SolidBox(Vector(0, 0, 0), Vector(3, 4, 5), 10), point(Vector(0, 0, 0)), true},
        {"welded box", welded, point(Vector(0, 0, 0)), true},
        {"turned sphere", Transformed(Sphere(3, 8), TurnZ(33, Vector(1, 2, 3))),
         point(Vector(1, 2, 3)), true},
        {"ring", Torus(30, 4, 24, 8), tube, true},
        {"column", Column(Vector(0, 0, 0), 300, 22, 12), nullptr, true},
        {"torch stand", TorchStand(Vector(0, 59, 0), -40, 8), nullptr, true},
        {"floor", Sheet(Vector(0, 0, 0), Vector(0, 0, 10), Vector(10, 0, 0), 4, 2, 2, 1), below,
         false},
        {"ground", Terrain({-10, -10, 20, 4, 10}, [](float x, float) { return 0.5f * x; }), below,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        scene::Mesh mesh = ReadBackMesh(c.mesh, folder);
        EXPECT_EQ(mesh.faces.size(), c.mesh.faces.size());
        EXPECT_EQ(OpenFaces(mesh) == 0, c.closed);
        for (const scene::Face& face : c.inside ? mesh.faces : std::vector<scene::Face>()) {
            Vector centre = tools_scene_testing::Centroid(mesh, face);
            EXPECT_GT((centre - c.inside(centre)).Dot(face.normal), 0);
        }
    }
}

// The front of "DevHub" covers exactly the area inside its glyph outlines, scaled, and
// shows towards +z; the back mirrors it.
TEST(Lettering, TheFrontCoversTheInkOfTheOutlines) {
    const OutlineFont font(kSansBold);
    double ink = 0;
    for (const Contour& contour : font.Line("DevHub", 4).contours) {
        ink += SignedArea2(contour) / 2;
    }
    ink = std::fabs(ink);
    ASSERT_GT(ink, 0.5);
    TextMesh text = ExtrudedText(font, "DevHub", TextStyle{10.0f, 2.0f, 4});
    double front = 0, back = 0;
    for (const MeshFace& face : text.mesh.faces) {
        const Vector& a = text.mesh.vertices[size_t(face.index[0])].position;
        const Vector& b = text.mesh.vertices[size_t(face.index[1])].position;
        const Vector& c = text.mesh.vertices[size_t(face.index[2])].position;
        float z = (b - a).Cross(c - a).z / 2;
        front += a.z == 0 && b.z == 0 && c.z == 0 ? z : 0;
        back += a.z == -2 && b.z == -2 && c.z == -2 ? z : 0;
    }
    EXPECT_NEAR(front, ink * 100, ink * 1e-3);
    EXPECT_NEAR(back, -front, front * 1e-6);
}

}  // namespace
