// The triangle batches: runs per material, the per-pass vertex cache, transforms and a
// full vertex buffer.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>

#include "console/settings.h"
#include "render/display.h"
#include "render/frame_stats.h"
#include "render/renderer.h"
#include "scene/drawing.h"
#include "scene/material.h"
#include "scene/triangle_batches.h"
#include "support/gl_context.h"

namespace {

using scene::Vector;

class Batches : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        render::renderer.UseExtensions("GL_EXT_vertex_array");
        mesh.vertices.resize(4);
        for (size_t i = 0; i < 4; ++i) {
            mesh.vertices[i].position = Vector(float(i), 0, -5);
            mesh.vertices[i].normal = Vector(0, 0, 1);
            mesh.vertices[i].color = Vector(1, 0.5f, 0, 2);
        }
        scene::drawing.triangleBatches.BeginBatches(nullptr);
    }
    void TearDown() override {
        render::renderer.vertexBufferBytes = savedBytes;
        GlTest::TearDown();
    }
    scene::Face FaceOf(int a, int b, int c, float u = 0) {
        scene::Face face;
        face.index[0] = a;
        face.index[1] = b;
        face.index[2] = c;
        face.u[0] = face.u[1] = face.u[2] = u;
        return face;
    }
    // The floats of a written slot: position, normal, texture coordinates.
    std::array<float, 8> SlotFloats(uint32_t slot) const {
        std::array<float, 8> f;
        std::memcpy(f.data(), render::renderer.vertexBuffer + slot * render::kVertexSize,
                    sizeof(float) * 8);
        return f;
    }

    scene::Mesh mesh;
    size_t savedBytes = render::renderer.vertexBufferBytes;
};

TEST_F(Batches, OneMaterialExtendsABatchAndSharedVerticesTakeOneSlot) {
    scene::drawing.triangleBatches.AddTriangle(mesh, FaceOf(0, 1, 2), 3);
    scene::drawing.triangleBatches.AddTriangle(mesh, FaceOf(0, 2, 3), 3);
    ASSERT_EQ(scene::drawing.triangleBatches.batches.size(), 1u);
    EXPECT_EQ(scene::drawing.triangleBatches.batches[0].count, 6);
    EXPECT_EQ(scene::drawing.triangleBatches.batches[0].primitive, GL_TRIANGLES);
    EXPECT_EQ(scene::drawing.triangleBatches.vertexCount, 4);
    EXPECT_EQ(scene::drawing.triangleBatches.indices, (std::vector<uint32_t>{0, 1, 2, 0, 2, 3}));
    scene::drawing.triangleBatches.AddTriangle(mesh, FaceOf(1, 2, 3), 4);
    ASSERT_EQ(scene::drawing.triangleBatches.batches.size(), 2u);
    EXPECT_EQ(scene::drawing.triangleBatches.batches[1].first, 6);
    EXPECT_EQ(scene::drawing.triangleBatches.vertexCount, 4);
    uint8_t color[4];
    std::memcpy(color, render::renderer.vertexBuffer + 32, 4);
    EXPECT_EQ(color[0], 255);
    EXPECT_EQ(color[1], 127);
    EXPECT_EQ(color[3], 255) << "components beyond 1 are kept to a byte";
}

TEST_F(Batches, AVertexWithOtherTextureCoordinatesGetsAnotherSlot) {
    scene::drawing.triangleBatches.AddTriangle(mesh, FaceOf(0, 1, 2, 0.0f), 0);
    scene::drawing.triangleBatches.AddTriangle(mesh, FaceOf(0, 1, 2, 0.5f), 0);
    scene::drawing.triangleBatches.AddTriangle(mesh, FaceOf(0, 1, 2, 0.5f), 0);
    EXPECT_EQ(scene::drawing.triangleBatches.vertexCount, 6);
    EXPECT_FLOAT_EQ(SlotFloats(3)[6], 0.5f);
    mesh.vertices[3].u = 0.25f;
    scene::drawing.triangleBatches.AddTriangle(mesh.vertices[3], mesh.vertices[3], mesh.vertices[3],
                                               0);
    EXPECT_EQ(scene::drawing.triangleBatches.vertexCount, 7);
    EXPECT_FLOAT_EQ(SlotFloats(6)[6], 0.25f) << "the vertices' own coordinates";
}

TEST_F(Batches, EveryPassStartsTheCacheAgain) {
    scene::drawing.triangleBatches.AddTriangle(mesh, FaceOf(0, 1, 2), 0);
    scene::drawing.triangleBatches.FlushBatches();
    scene::drawing.triangleBatches.BeginBatches(nullptr);
    scene::drawing.triangleBatches.AddTriangle(mesh, FaceOf(2, 3, 0), 0);
    EXPECT_EQ(scene::drawing.triangleBatches.vertexCount, 3);
    EXPECT_EQ(scene::drawing.triangleBatches.indices, (std::vector<uint32_t>{0, 1, 2}));
    EXPECT_FLOAT_EQ(SlotFloats(0)[0], 2.0f) << "vertex 2 written again in this pass";
}

TEST_F(Batches, PointsAreMovedButNormalsOnlyTurned) {
    scene::Camera camera;
    scene::drawing.triangleBatches.BeginBatches(&camera);
    // A quarter turn about y and a move by (10, 20, 30).
    const float h = std::sqrt(0.5f);
    scene::Matrix m = scene::RotationTranslation(scene::Quaternion(0, h, 0, h), Vector(10, 20, 30));
    scene::drawing.triangleBatches.PushModelMatrix(m);
    EXPECT_EQ(camera.frustum.modelMatrix, m);
    GLfloat modelView[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
    EXPECT_FLOAT_EQ(modelView[13], 20.0f);
    scene::drawing.triangleBatches.AddTriangle(mesh, FaceOf(1, 2, 3), 0);
    scene::drawing.triangleBatches.PopModelMatrix();
    EXPECT_EQ(camera.frustum.modelMatrix, scene::identityMatrix);
    std::array<float, 8> slot = SlotFloats(0);  // vertex 1 at (1, 0, -5)
    EXPECT_NEAR(slot[0], 10 - 5, 1e-5);
    EXPECT_NEAR(slot[1], 20, 1e-5);
    EXPECT_NEAR(slot[2], 30 - 1, 1e-5);
    EXPECT_NEAR(slot[3], 1, 1e-6);
    EXPECT_NEAR(slot[4], 0, 1e-6);
    EXPECT_NEAR(slot[5], 0, 1e-6) << "(0, 0, 1) turned to (1, 0, 0), not moved";
}

TEST_F(Batches, AFullBufferIsDrawnAndStartedAgain) {
    render::renderer.vertexBufferBytes = render::kVertexSize * 7;
    render::display.frameStats.trianglesThisFrame = 0;
    for (int i = 0; i < 5; ++i) {
        scene::drawing.triangleBatches.AddTriangle(mesh, FaceOf(0, 1, 2, float(i)), i % 2);
    }
    EXPECT_LE(scene::drawing.triangleBatches.vertexCount, 7);
    scene::drawing.triangleBatches.FlushBatches();
    EXPECT_EQ(render::display.frameStats.trianglesThisFrame, 5) << "every triangle drawn once";
    EXPECT_TRUE(scene::drawing.triangleBatches.batches.empty());

    render::renderer.vertexBufferBytes = render::kVertexSize * 2;
    scene::drawing.triangleBatches.AddTriangle(mesh, FaceOf(0, 1, 2), 0);
    EXPECT_TRUE(scene::drawing.triangleBatches.batches.empty())
        << "a buffer too small for a triangle";
}

TEST_F(Batches, FlushBatchDrawsOneBatchOnlyWhenSwitchedOn) {
    scene::drawing.triangleBatches.AddTriangle(mesh, FaceOf(0, 1, 2), 0);
    scene::drawing.triangleBatches.AddTriangle(mesh, FaceOf(0, 1, 3), 1);
    render::display.frameStats.trianglesThisFrame = 0;
    scene::drawing.triangleBatches.FlushBatch();
    EXPECT_EQ(scene::drawing.triangleBatches.currentBatch, 0);
    console::settings.render_flush = true;
    scene::drawing.triangleBatches.FlushBatch();
    EXPECT_EQ(scene::drawing.triangleBatches.currentBatch, 1);
    EXPECT_EQ(scene::drawing.lastMaterial, 0);
    EXPECT_EQ(render::display.frameStats.trianglesThisFrame, 1);
    scene::drawing.triangleBatches.FlushBatches();
    EXPECT_EQ(render::display.frameStats.trianglesThisFrame, 2) << "only the batch not yet drawn";
    EXPECT_EQ(scene::drawing.lastMaterial, 1);
    EXPECT_EQ(scene::drawing.triangleBatches.currentBatch, 0);
}

}  // namespace
