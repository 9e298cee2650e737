// Edge neighbours: the edge-map linking against the plain pairwise procedure.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

#include "scene/mesh.h"

namespace {

using scene::Face;
using scene::Mesh;

bool SameEdge(const Face& f, int e, const Face& g, int m) {
    int a = f.index[e], b = f.index[(e + 1) % 3];
    int c = g.index[m], d = g.index[(m + 1) % 3];
    return (a == c && b == d) || (a == d && b == c);
}

// Every pair of faces in order; an edge already linked is not searched again, while
// the later face's edges are overwritten by every match.
void PairwiseNeighbours(Mesh& mesh) {
    auto& faces = mesh.faces;
    for (auto& face : faces) {
        face.neighbour[0] = face.neighbour[1] = face.neighbour[2] = -1;
    }
    for (size_t i = 0; i < faces.size(); ++i) {
        for (size_t j = i + 1; j < faces.size(); ++j) {
            for (int e = 0; e < 3; ++e) {
                if (faces[i].neighbour[e] != -1) {
                    continue;
                }
                for (int m = 0; m < 3; ++m) {
                    if (SameEdge(faces[i], e, faces[j], m)) {
                        faces[i].neighbour[e] = static_cast<int32_t>(j);
                        faces[j].neighbour[m] = static_cast<int32_t>(i);
                    }
                }
            }
        }
    }
}

Mesh MeshOf(std::initializer_list<std::array<int, 3>> corners) {
    Mesh mesh;
    for (const auto& c : corners) {
        Face face;
        face.index[0] = c[0];
        face.index[1] = c[1];
        face.index[2] = c[2];
        mesh.faces.push_back(face);
    }
    return mesh;
}

void ExpectNeighbours(const Mesh& mesh, size_t face, int a, int b, int c) {
    EXPECT_EQ(mesh.faces[face].neighbour[0], a) << "face " << face;
    EXPECT_EQ(mesh.faces[face].neighbour[1], b) << "face " << face;
    EXPECT_EQ(mesh.faces[face].neighbour[2], c) << "face " << face;
}

TEST(LinkNeighbours, OppositeEdgesOfTwoTrianglesMeet) {
    Mesh mesh = MeshOf({{0, 1, 2}, {2, 3, 0}});
    scene::LinkNeighbours(mesh);
    ExpectNeighbours(mesh, 0, -1, -1, 1);
    ExpectNeighbours(mesh, 1, -1, -1, 0);
}

TEST(LinkNeighbours, AnEdgeOfThreeFacesLinksTheFirstTwo) {
    // Face 0 takes face 1; face 1 then already has its neighbour on that edge, so face 2
    // stays unlinked there. Face 3 has two edges joining vertices 5 and 6: both take
    // face 4, whose edge points back at face 3.
    Mesh mesh = MeshOf({{0, 1, 2}, {1, 0, 3}, {0, 1, 4}, {5, 6, 5}, {6, 5, 7}});
    scene::LinkNeighbours(mesh);
    ExpectNeighbours(mesh, 0, 1, -1, -1);
    ExpectNeighbours(mesh, 1, 0, -1, -1);
    ExpectNeighbours(mesh, 2, -1, -1, -1);
    ExpectNeighbours(mesh, 3, 4, 4, -1);
    ExpectNeighbours(mesh, 4, 3, -1, -1);
}

// Random meshes over few vertices, so edges are shared by one, two or many faces, with
// degenerate and repeated triangles among them.
Mesh RandomMesh(std::mt19937& random, int vertices, int faces) {
    std::uniform_int_distribution<int> vertex(0, vertices - 1);
    Mesh mesh;
    for (int i = 0; i < faces; ++i) {
        Face face;
        for (int& index : face.index) {
            index = vertex(random);
        }
        mesh.faces.push_back(face);
    }
    return mesh;
}

// A closed strip of quads: every edge is shared by exactly two faces or none.
Mesh GridMesh(std::mt19937& random, int columns, int rows) {
    Mesh mesh;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            int a = r * columns + c, b = r * columns + (c + 1) % columns;
            int d = a + columns, e = b + columns;
            mesh.faces.push_back(MeshOf({{a, b, e}}).faces[0]);
            mesh.faces.push_back(MeshOf({{a, e, d}}).faces[0]);
        }
    }
    std::shuffle(mesh.faces.begin(), mesh.faces.end(), random);
    return mesh;
}

TEST(LinkNeighbours, MatchesThePairwiseProcedureOnRandomMeshes) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 300; ++round) {
        Mesh mesh = round % 3 == 0 ? GridMesh(random, 3 + round % 7, 1 + round % 5)
                                   : RandomMesh(random, 3 + round % 12, 1 + round % 60);
        Mesh expected = mesh;
        PairwiseNeighbours(expected);
        scene::LinkNeighbours(mesh);
        for (size_t f = 0; f < mesh.faces.size(); ++f) {
            for (int k = 0; k < 3; ++k) {
                ASSERT_EQ(mesh.faces[f].neighbour[k], expected.faces[f].neighbour[k])
                    << "round " << round << " face " << f << " edge " << k;
            }
        }
    }
}

TEST(LinkNeighbours, LinkingAgainGivesTheSameAndLargeIndicesWork) {
    Mesh mesh = MeshOf({{-7, 2000000000, 5}, {5, 2000000000, 9}, {0, 1, 2}});
    scene::LinkNeighbours(mesh);
    scene::LinkNeighbours(mesh);
    ExpectNeighbours(mesh, 0, -1, 1, -1);
    ExpectNeighbours(mesh, 1, 0, -1, -1);
    Mesh empty;
    scene::LinkNeighbours(empty);
    EXPECT_TRUE(empty.faces.empty());
}

}  // namespace
