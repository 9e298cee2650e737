// Edge neighbours: the edge-map linking against the plain pairwise procedure.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
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

// Every pair of faces of a mesh not yet linked, in order; an edge already linked is not
// searched again, while the later face's edges are overwritten by every match.
void PairwiseNeighbours(Mesh& mesh) {
    auto& faces = mesh.faces;
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

// Random meshes over few vertices, so edges are shared by one, two or many faces, with
// degenerate and repeated triangles among them; large and negative vertex numbers too.
Mesh RandomMesh(std::mt19937& random, int vertices, int faces) {
    std::uniform_int_distribution<int> vertex(0, vertices - 1);
    Mesh mesh;
    for (int i = 0; i < faces; ++i) {
        Face face;
        for (int& index : face.index) {
            index = vertex(random) * (vertices % 5 == 0 ? -200000000 : 1);
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
            const int triangles[2][3] = {{a, b, b + columns}, {a, b + columns, a + columns}};
            for (const int* corners : triangles) {
                mesh.faces.emplace_back();
                std::copy(corners, corners + 3, mesh.faces.back().index);
            }
        }
    }
    std::shuffle(mesh.faces.begin(), mesh.faces.end(), random);
    return mesh;
}

TEST(LinkNeighbours, MatchesThePairwiseProcedureOnRandomMeshes) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 200; ++round) {
        Mesh mesh = round % 3 == 0 ? GridMesh(random, 3 + round % 7, 1 + round % 5)
                                   : RandomMesh(random, 3 + round % 12, 1 + round % 60);
        Mesh expected = mesh;
        PairwiseNeighbours(expected);
        scene::LinkNeighbours(mesh);
        scene::LinkNeighbours(mesh);  // linking again gives the same
        for (size_t f = 0; f < mesh.faces.size(); ++f) {
            for (int k = 0; k < 3; ++k) {
                ASSERT_EQ(mesh.faces[f].neighbour[k], expected.faces[f].neighbour[k])
                    << "round " << round << " face " << f << " edge " << k;
            }
        }
    }
}

// Large meshes take another sort: a closed strip of 12 000 faces, where no edge has more than
// two faces, links every shared edge both ways and leaves the rim open, whatever numbers its
// vertices have: small ones, a third of them far above the rest while sharing their lower
// bits with a neighbour, some negative.
TEST(LinkNeighbours, LargeMeshesLinkEverySharedEdge) {
    const std::function<int(int)> numberings[] = {
        [](int v) { return v; },
        [](int v) { return v % 3 == 0 ? v + 1 + 0x10000 : v; },
        [](int v) { return v % 3 == 1 ? (v - 1) | 0x40000000 : v; },
        [](int v) { return v % 97 == 0 ? -v - 1 : v * 0x1000; },
    };
    for (const auto& number : numberings) {
        std::mt19937 random(7);
        Mesh mesh = GridMesh(random, 120, 50);
        for (Face& face : mesh.faces) {
            std::transform(face.index, face.index + 3, face.index, number);
        }
        scene::LinkNeighbours(mesh);
        std::map<std::pair<int, int>, std::vector<std::pair<size_t, int>>> sides;
        for (size_t f = 0; f < mesh.faces.size(); ++f) {
            for (int e = 0; e < 3; ++e) {
                int a = mesh.faces[f].index[e], b = mesh.faces[f].index[(e + 1) % 3];
                sides[{std::min(a, b), std::max(a, b)}].push_back({f, e});
            }
        }
        for (const auto& [edge, faces] : sides) {
            for (size_t k = 0; k < faces.size(); ++k) {
                int expected = faces.size() == 2 ? static_cast<int>(faces[1 - k].first) : -1;
                ASSERT_EQ(mesh.faces[faces[k].first].neighbour[faces[k].second], expected)
                    << "edge " << edge.first << "-" << edge.second;
            }
        }
    }
}

}  // namespace
