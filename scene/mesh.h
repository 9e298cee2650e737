// Meshes: triangle lists with one material, as read from the mesh file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scene/vector.h"

namespace scene {

struct Vertex {
    // Engine coordinates.
    Vector position;
    // The material's diffuse colour when the mesh was read.
    Vector color;
    Vector normal;
    // Not set by the mesh file: its texture coordinates are per face.
    float u = 0.0f;
    float v = 0.0f;
    // Index of the animated object that moves this vertex, or -1.
    int32_t animation = -1;
    // Slot in the shared vertex buffer, valid while `frameStamp` matches the batching.
    int32_t bufferSlot = -1;
    uint32_t frameStamp = 0;
};

struct Face {
    // Zero-based vertex indices of the corners a, b, c; each names a vertex of the mesh
    // (the reader drops faces that do not).
    int32_t index[3] = {0, 0, 0};
    // Texture coordinates at the corners a, b, c.
    float u[3] = {0, 0, 0};
    float v[3] = {0, 0, 0};
    Vector normal;
    // Drawn with the face normal instead of the vertex normals.
    bool flat = false;
    // The other face across edge k (corner k to corner (k + 1) mod 3), or -1.
    int32_t neighbour[3] = {-1, -1, -1};
    // Faces the scene's first light this frame; read by the shadows.
    bool facing = false;
};

class Mesh {
public:
    virtual ~Mesh() = default;
    Mesh() = default;
    Mesh(const Mesh&) = default;
    Mesh(Mesh&&) noexcept = default;
    Mesh& operator=(const Mesh&) = default;
    Mesh& operator=(Mesh&&) noexcept = default;

    std::vector<Vertex> vertices;
    std::vector<Face> faces;
    std::string name;
    // Index into MaterialTable, or -1 for none.
    int32_t materialIndex = -1;
    // The compiled mesh; -1 until built.
    int32_t displayList = -1;
};

// Sets every face's `neighbour` entries from the edges that faces share. Where more
// than two faces share an edge, the result is that of visiting the face pairs (i, j),
// i < j, in order, letting an edge of face i that has no neighbour yet take j and
// giving every matching edge of j the neighbour i.
void LinkNeighbours(Mesh& mesh);

}  // namespace scene
