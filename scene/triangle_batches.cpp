// Streaming triangles into the shared vertex buffer and drawing them per material.
#include "scene/triangle_batches.h"

#include "render/gl.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "console/log.h"
#include "console/settings.h"
#include "render/display.h"
#include "render/renderer.h"
#include "scene/drawing.h"
#include "scene/material.h"
#include "scene/mesh_drawing.h"

namespace scene {

namespace {

constexpr int kNormalOffset = 12;
constexpr int kTexCoordOffset = 24;
constexpr int kColorOffset = 32;

uint8_t* Slot(uint32_t slot) {
    return render::renderer.vertexBuffer + size_t{slot} * render::kVertexSize;
}

int32_t SlotCapacity() {
    return render::renderer.vertexBuffer
               ? static_cast<int32_t>(render::renderer.vertexBufferBytes / render::kVertexSize)
               : 0;
}

// A colour component as a byte: times 255, truncated, kept within 0..255.
uint8_t ColorByte(float component) {
    float scaled = component * 255.0f;
    if (!(scaled > 0.0f)) {
        return 0;
    }
    return static_cast<uint8_t>(std::min(scaled, 255.0f));
}

int32_t TrianglesIn(const Batch& batch, int32_t count) {
    return batch.primitive == GL_TRIANGLE_STRIP ? count - 2 : count / 3;
}

// Draws `count` entries of `indices` from `first` with the batch's primitive.
void DrawRange(const Batch& batch, const std::vector<uint32_t>& indices, int32_t first,
               int32_t count) {
    const uint32_t* range = indices.data() + first;
    if (render::renderer.vertexArray) {
        glDrawElements(static_cast<GLenum>(batch.primitive), count, GL_UNSIGNED_INT, range);
        return;
    }
    glBegin(static_cast<GLenum>(batch.primitive));
    for (int32_t i = 0; i < count; ++i) {
        const uint8_t* slot = Slot(range[i]);
        glNormal3fv(reinterpret_cast<const float*>(slot + kNormalOffset));
        glTexCoord2fv(reinterpret_cast<const float*>(slot + kTexCoordOffset));
        glVertex3fv(reinterpret_cast<const float*>(slot));
    }
    glEnd();
}

void UseMaterial(int32_t materialIndex) {
    ApplyMaterial(MaterialAt(materialIndex));
    drawing.lastMaterial = materialIndex;
}

}  // namespace

void TriangleBatches::BeginBatches(Camera* camera) {
    render::display.frameStats.trianglesThisFrame = 0;
    currentBatch = currentFirst = vertexCount = 0;
    drawing.lastMaterial = -1;
    frameCamera = camera;
    batches.clear();
    indices.clear();
    ++passStamp;
}

void TriangleBatches::SetModelMatrix(const Matrix& matrix) {
    modelMatrix = matrix;
    if (frameCamera) {
        frameCamera->frustum.modelMatrix = matrix;
    }
}

void TriangleBatches::PushModelMatrix(const Matrix& matrix) {
    glPushMatrix();
    glMultMatrixf(matrix.m);
    SetModelMatrix(matrix);
    matrixPushed_ = true;
}

void TriangleBatches::PopModelMatrix() {
    glPopMatrix();
    SetModelMatrix(identityMatrix);
    matrixPushed_ = false;
}

bool TriangleBatches::CachedSlot(const Vertex& vertex, float u, float v) const {
    if (int64_t{static_cast<int32_t>(vertex.frameStamp)} != passStamp || vertex.bufferSlot < 0 ||
        vertex.bufferSlot >= vertexCount) {
        return false;
    }
    float written[2];
    std::memcpy(written, Slot(static_cast<uint32_t>(vertex.bufferSlot)) + kTexCoordOffset,
                sizeof written);
    return written[0] == u && written[1] == v;
}

void TriangleBatches::WriteSlot(Vertex& vertex, float u, float v) {
    Vector p = TransformPoint(modelMatrix, vertex.position);
    Vector n = TransformDirection(modelMatrix, vertex.normal);
    const float floats[8] = {p.x, p.y, p.z, n.x, n.y, n.z, u, v};
    const uint8_t color[4] = {ColorByte(vertex.color.x), ColorByte(vertex.color.y),
                              ColorByte(vertex.color.z), ColorByte(vertex.color.w)};
    uint8_t* slot = Slot(static_cast<uint32_t>(vertexCount));
    std::memcpy(slot, floats, sizeof floats);
    std::memcpy(slot + kColorOffset, color, sizeof color);
    vertex.frameStamp = static_cast<uint32_t>(passStamp);
    vertex.bufferSlot = vertexCount++;
}

void TriangleBatches::AddCorner(Vertex& vertex, float u, float v) {
    if (!CachedSlot(vertex, u, v)) {
        WriteSlot(vertex, u, v);
    }
    indices.push_back(static_cast<uint32_t>(vertex.bufferSlot));
}

void TriangleBatches::AppendToBatch(int32_t materialIndex) {
    if (batches.empty() || batches.back().materialIndex != materialIndex) {
        batches.push_back({materialIndex, static_cast<int32_t>(indices.size()), 3, GL_TRIANGLES});
    } else {
        batches.back().count += 3;
    }
}

bool TriangleBatches::MakeRoom() {
    int32_t capacity = SlotCapacity();
    if (capacity < 3) {
        if (!noRoomReported_) {
            noRoomReported_ = true;
            console::Print("No vertex buffer for batched triangles: they are not drawn");
        }
        return false;
    }
    if (vertexCount <= capacity - 3) {
        return true;
    }
    // The batched vertices are already in world coordinates: draw them without the
    // object transform, then put it back for what follows.
    if (matrixPushed_) {
        glPopMatrix();
    }
    FlushBatches();
    vertexCount = 0;
    ++passStamp;
    if (matrixPushed_) {
        glPushMatrix();
        glMultMatrixf(modelMatrix.m);
    }
    return true;
}

void TriangleBatches::AddTriangle(Vertex& a, Vertex& b, Vertex& c, int32_t materialIndex) {
    if (!MakeRoom()) {
        return;
    }
    AppendToBatch(materialIndex);
    AddCorner(a, a.u, a.v);
    AddCorner(b, b.u, b.v);
    AddCorner(c, c.u, c.v);
}

void TriangleBatches::AddTriangle(Mesh& mesh, const Face& face, int32_t materialIndex) {
    if (!MakeRoom()) {
        return;
    }
    AppendToBatch(materialIndex);
    for (int k = 0; k < 3; ++k) {
        AddCorner(mesh.vertices[static_cast<size_t>(face.index[k])], face.u[k], face.v[k]);
    }
}

void TriangleBatches::FlushBatch() {
    if (!console::settings.render_flush || static_cast<size_t>(currentBatch) >= batches.size()) {
        return;
    }
    const Batch& batch = batches[static_cast<size_t>(currentBatch)];
    UseMaterial(batch.materialIndex);
    DrawRange(batch, indices, batch.first + currentFirst, batch.count - currentFirst);
    render::display.frameStats.trianglesThisFrame += (batch.count - currentFirst) / 3;
    ++currentBatch;
    currentFirst = 0;
}

void TriangleBatches::FlushBatches() {
    for (size_t b = static_cast<size_t>(currentBatch); b < batches.size(); ++b) {
        const Batch& batch = batches[b];
        int32_t skip = b == static_cast<size_t>(currentBatch) ? currentFirst : 0;
        int32_t count = batch.count - skip;
        render::display.frameStats.trianglesThisFrame += TrianglesIn(batch, count);
        if (batch.materialIndex != drawing.lastMaterial) {
            UseMaterial(batch.materialIndex);
        }
        DrawRange(batch, indices, batch.first + skip, count);
    }
    // Everything queued is drawn; the slots stay valid for the rest of the pass.
    batches.clear();
    indices.clear();
    currentBatch = currentFirst = 0;
}

}  // namespace scene
