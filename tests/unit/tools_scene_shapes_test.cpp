// The content tools' mesh building: closed solids whose faces look outwards once the engine
// has read them, sheets and ground, welding, plane regions cut into triangles, and
// extruded lettering.
#include <gtest/gtest.h>

#include <algorithm>
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
using tools_scene_testing::Centroid;
using tools_scene_testing::OpenFaces;
using tools_scene_testing::ReadBackMesh;

namespace {

double TriangleArea(const Triangulation& shape) {
    double area = 0;
    for (const auto& t : shape.triangles) {
        const Point2& a = shape.points[size_t(t[0])];
        const Point2& b = shape.points[size_t(t[1])];
        const Point2& c = shape.points[size_t(t[2])];
        double twice = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
        EXPECT_GT(twice, 0) << "every triangle counter-clockwise";
        area += twice / 2;
    }
    return area;
}

Contour Square(double x, double y, double size) {
    return {{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}};
}

Contour Reversed(Contour contour) {
    std::reverse(contour.begin(), contour.end());
    return contour;
}

// Faces whose engine normal points towards `inside(point)` rather than away from it.
int InwardFaces(const scene::Mesh& mesh,
                const std::function<scene::Vector(const scene::Vector&)>& inside) {
    int inward = 0;
    for (const scene::Face& face : mesh.faces) {
        scene::Vector c = Centroid(mesh, face);
        inward += (c - inside(c)).Dot(face.normal) <= 0;
    }
    return inward;
}

class ShapesTest : public testing_support::ProcessTest {
protected:
};

TEST_F(ShapesTest, SolidsAreClosedAndFaceOutwardsOnceRead) {
    const scene::Vector origin(0, 0, 0);
    auto centre = [&origin](const scene::Vector&) { return origin; };
    auto middle = [](const scene::Vector&) { return scene::Vector(0, 10, 0); };
    struct Case {
        const char* name;
        MeshData mesh;
        std::function<scene::Vector(const scene::Vector&)> inside;
    };
    const Case cases[] = {
        {"cylinder", Cylinder(5, 20, 12), middle},
        {"sphere", Sphere(10, 16), centre},
        {"geodesic sphere", GeodesicSphere(10, 2), centre},
        {"solid box", SolidBox(origin, scene::Vector(3, 4, 5), 10), centre},
        {"column", Column(origin, 300, 22, 12), nullptr},
        {"torch stand", TorchStand(scene::Vector(0, 59, 0), -40, 8), nullptr},
    };
    for (const Case& c : cases) {
        scene::Mesh mesh = ReadBackMesh(c.mesh, folder);
        EXPECT_EQ(mesh.faces.size(), c.mesh.faces.size()) << c.name;
        EXPECT_EQ(OpenFaces(mesh), 0) << c.name;
        // Convex solids only: a column's base and a stand's bowl face back towards a middle.
        if (c.inside) {
            EXPECT_EQ(InwardFaces(mesh, c.inside), 0) << c.name;
        }
    }
}

TEST_F(ShapesTest, ARingIsClosedAndFacesAwayFromItsTube) {
    scene::Mesh ring = ReadBackMesh(Torus(30, 4, 24, 8), folder);
    EXPECT_EQ(OpenFaces(ring), 0);
    EXPECT_EQ(InwardFaces(ring,
                          [](const scene::Vector& p) {
                              float r = std::hypot(p.x, p.z);
                              return scene::Vector(p.x * 30 / r, 0, p.z * 30 / r);
                          }),
              0);
    for (const scene::Vertex& vertex : ring.vertices) {
        float tube =
            std::hypot(std::hypot(vertex.position.x, vertex.position.z) - 30.0f, vertex.position.y);
        EXPECT_NEAR(tube, 4.0f, 1e-3f);
    }
}

TEST_F(ShapesTest, WeldingJoinsAHardEdgedBoxIntoOneSolid) {
    MeshData box = Box(scene::Vector(1, 2, 3), 1);
    EXPECT_EQ(box.vertices.size(), 24u);
    // Unwelded, each side's two triangles only meet each other along their diagonal.
    for (const scene::Face& face : ReadBackMesh(box, folder).faces) {
        int neighbours =
            (face.neighbour[0] >= 0) + (face.neighbour[1] >= 0) + (face.neighbour[2] >= 0);
        EXPECT_EQ(neighbours, 1);
    }
    WeldVertices(box);
    EXPECT_EQ(box.vertices.size(), 8u);
    for (const MeshVertex& corner : box.vertices) {
        // Three sides meet at each corner: the normal points along the diagonal.
        scene::Vector expected = Unit(scene::Vector(std::copysign(1.0f, corner.position.x),
                                                    std::copysign(1.0f, corner.position.y),
                                                    std::copysign(1.0f, corner.position.z)));
        EXPECT_NEAR(corner.normal.Dot(expected), 1.0f, 1e-5f);
    }
    EXPECT_EQ(OpenFaces(ReadBackMesh(box, folder)), 0);
}

TEST_F(ShapesTest, SheetsAndGroundShowTheirFaceWhereAsked) {
    MeshData floor =
        Sheet(scene::Vector(0, 0, 0), scene::Vector(0, 0, 10), scene::Vector(10, 0, 0), 4, 2, 2, 1);
    EXPECT_EQ(floor.vertices.size(), 15u);
    EXPECT_EQ(floor.faces.size(), 16u);
    for (const scene::Face& face : ReadBackMesh(floor, folder).faces) {
        EXPECT_NEAR(face.normal.y, 1.0f, 1e-6f);
    }
    auto slope = [](float x, float z) { return 0.5f * x + 2.0f + 0.0f * z; };
    MeshData ground = Terrain({-10, -10, 20, 4, 10}, slope);
    for (const MeshVertex& vertex : ground.vertices) {
        EXPECT_FLOAT_EQ(vertex.position.y, slope(vertex.position.x, vertex.position.z));
        EXPECT_NEAR(vertex.normal.Dot(Unit(scene::Vector(-0.5f, 1, 0))), 1.0f, 1e-5f);
    }
    for (const scene::Face& face : ReadBackMesh(ground, folder).faces) {
        EXPECT_GT(face.normal.y, 0.8f);
    }
}

TEST_F(ShapesTest, FramesTurnAndPlaceRightHanded) {
    Frame turn = TurnY(90, scene::Vector(5, 0, 0));
    scene::Vector p = turn.Point(scene::Vector(1, 0, 0));
    EXPECT_NEAR(p.x, 5, 1e-5f);
    EXPECT_NEAR(p.z, -1, 1e-5f);
    Frame both = Translation(scene::Vector(0, 10, 0)).Then(TurnX(90));
    scene::Vector q = both.Point(scene::Vector(0, 1, 0));
    EXPECT_NEAR(q.y, 10, 1e-5f);
    EXPECT_NEAR(q.z, 1, 1e-5f);
    // A turned solid still faces outwards: turning keeps the corners' order.
    scene::Mesh turned =
        ReadBackMesh(Transformed(Sphere(3, 8), TurnZ(33, scene::Vector(1, 2, 3))), folder);
    EXPECT_EQ(InwardFaces(turned, [](const scene::Vector&) { return scene::Vector(1, 2, 3); }), 0);
}

TEST(Triangulation, HolesAndConcaveOutlinesAreCoveredExactlyOnce) {
    // A frame: a square with a square hole, the hole given in the same direction.
    Triangulation frame = TriangulateRegion({Square(0, 0, 10), Square(3, 3, 4)});
    EXPECT_NEAR(TriangleArea(frame), 100 - 16, 1e-9);
    EXPECT_EQ(frame.boundaries.size(), 2u);
    // An L, clockwise.
    Contour ell = Reversed({{0, 0}, {6, 0}, {6, 2}, {2, 2}, {2, 6}, {0, 6}});
    EXPECT_NEAR(TriangleArea(TriangulateRegion({ell})), 20, 1e-9);
    // An island inside a hole, and two holes side by side.
    Triangulation nested = TriangulateRegion({Square(0, 0, 10), Square(2, 2, 6), Square(4, 4, 2)});
    EXPECT_NEAR(TriangleArea(nested), 100 - 36 + 4, 1e-9);
    Triangulation twoHoles =
        TriangulateRegion({Square(0, 0, 10), Square(1, 4, 2), Square(6, 4, 2)});
    EXPECT_NEAR(TriangleArea(twoHoles), 100 - 8, 1e-9);
}

TEST(Triangulation, RepeatedAndCollinearPointsAreLeftOut) {
    Contour square = {{0, 0}, {5, 0}, {5, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    Triangulation shape = TriangulateRegion({square});
    EXPECT_EQ(shape.points.size(), 4u);
    EXPECT_EQ(shape.triangles.size(), 2u);
    EXPECT_NEAR(SignedArea2(square), 200, 1e-9);
}

TEST(Lettering, GlyphOutlinesFillTheirShapeAndStandOutOfTheirFace) {
    const OutlineFont font(kSansBold);
    LineOutline line = font.Line("DevHub", 4);
    double outline = 0;
    for (const Contour& contour : line.contours) {
        outline += SignedArea2(contour) / 2;
    }
    // Outer contours and holes run opposite ways in the font, so their sum is the ink.
    double ink = std::fabs(outline);
    EXPECT_GT(ink, 0.5);
    EXPECT_NEAR(TriangleArea(TriangulateRegion(line.contours)), ink, ink * 1e-9);
    EXPECT_GT(line.width, 3.0);

    TextStyle style{10.0f, 2.0f, 4};
    TextMesh text = ExtrudedText(font, "DevHub", style);
    EXPECT_NEAR(text.width, line.width * 10, 1e-3);
    double front = 0, back = 0;
    for (const MeshFace& face : text.mesh.faces) {
        const scene::Vector& a = text.mesh.vertices[size_t(face.index[0])].position;
        const scene::Vector& b = text.mesh.vertices[size_t(face.index[1])].position;
        const scene::Vector& c = text.mesh.vertices[size_t(face.index[2])].position;
        scene::Vector n = (b - a).Cross(c - a);
        if (a.z == 0 && b.z == 0 && c.z == 0) {
            EXPECT_GT(n.z, 0) << "the face shows towards +z";
            front += n.z / 2;
        } else if (a.z == -2 && b.z == -2 && c.z == -2) {
            EXPECT_LT(n.z, 0);
            back -= n.z / 2;
        } else {
            EXPECT_NEAR(n.z, 0, 1e-3) << "walls stand upright";
        }
    }
    EXPECT_NEAR(front, ink * 100, ink * 1e-3);
    EXPECT_NEAR(back, front, front * 1e-6);
}

TEST(Lettering, WallsFaceAwayFromTheLetter) {
    const OutlineFont font(kSansBold);
    // "I" is a plain bar: every wall looks away from its middle line.
    TextMesh bar = ExtrudedText(font, "I", {10.0f, 2.0f, 4});
    float middle = 0;
    for (const MeshVertex& vertex : bar.mesh.vertices) {
        middle += vertex.position.x / static_cast<float>(bar.mesh.vertices.size());
    }
    int walls = 0;
    for (const MeshVertex& vertex : bar.mesh.vertices) {
        if (vertex.normal.z == 0) {
            ++walls;
            scene::Vector out(vertex.position.x - middle, vertex.position.y - 3.6f, 0);
            EXPECT_GT(out.Dot(vertex.normal), 0);
        }
    }
    EXPECT_EQ(walls, 16) << "four walls of four corners";
}

}  // namespace
