// Triangle batches: triangles streamed into the shared vertex buffer during a frame's
// scene drawing and drawn per run of one material.
#pragma once

#include <cstdint>
#include <vector>

#include "scene/camera.h"
#include "scene/matrix.h"
#include "scene/mesh.h"

namespace scene {

struct Batch {
    // Into MaterialTable.
    int32_t materialIndex;
    // Position of its first entry in `indices`, and the number of entries.
    int32_t first;
    int32_t count;
    // GL_TRIANGLES or GL_TRIANGLE_STRIP.
    int32_t primitive;
};

class TriangleBatches {
public:
    // Starts the next frame; called once per frame before anything is drawn.
    void NextFrame() { ++frameStamp; }
    // Starts a batching pass with an empty buffer for the scene drawn with `camera`.
    void BeginBatches(Camera* camera);
    // The object transform: multiplied onto the model-view stack and applied to the
    // batched vertices until popped.
    void PushModelMatrix(const Matrix& matrix);
    void PopModelMatrix();
    // One triangle with the vertices' own texture coordinates.
    void AddTriangle(Vertex& a, Vertex& b, Vertex& c, int32_t materialIndex);
    // One face of `mesh` with the face's texture coordinates.
    void AddTriangle(Mesh& mesh, const Face& face, int32_t materialIndex);
    // With render_flush, draws the next batch not yet drawn.
    void FlushBatch();
    // Draws every batch not yet drawn.
    void FlushBatches();

    std::vector<Batch> batches;
    // Vertex-buffer slots, three per triangle.
    std::vector<uint32_t> indices;
    // Next free slot in the vertex buffer.
    int32_t vertexCount = 0;
    // First batch not yet drawn, and the entries of it already drawn.
    int32_t currentBatch = 0;
    int32_t currentFirst = 0;
    // Identifies the current frame (for the camera's change test).
    int64_t frameStamp = 0;
    // Identifies the current batching pass: a vertex's buffer slot is reused only
    // within the pass that wrote it, since every pass starts the buffer again.
    int64_t passStamp = 0;
    Camera* frameCamera = nullptr;
    // The transform applied to batched vertices.
    Matrix modelMatrix = identityMatrix;

private:
    void AddCorner(Vertex& vertex, float u, float v);
    bool CachedSlot(const Vertex& vertex, float u, float v) const;
    void WriteSlot(Vertex& vertex, float u, float v);
    void AppendToBatch(int32_t materialIndex);
    // Room for three more vertices, drawing what is queued and starting the buffer
    // again when it is full; false when the buffer cannot hold a triangle at all.
    bool MakeRoom();
    void SetModelMatrix(const Matrix& matrix);

    bool matrixPushed_ = false;
    bool noRoomReported_ = false;
};

}  // namespace scene
