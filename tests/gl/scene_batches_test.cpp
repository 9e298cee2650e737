// The triangle batches: runs per material, the per-pass vertex cache, a full vertex
// buffer and the flush switch.
#include <gtest/gtest.h>

#include <cstring>

#include "console/settings.h"
#include "render/display.h"
#include "render/frame_stats.h"
#include "render/renderer.h"
#include "scene/drawing.h"
#include "scene/triangle_batches.h"
#include "support/gl_context.h"

namespace {

using scene::Vector;

class Batches : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        render::renderer.UseExtensions("GL_EXT_vertex_array");
        for (int i = 0; i < 4; ++i) {
            mesh.vertices.push_back(
                {Vector(float(i), 0, -5), Vector(1, 0.5f, 0, 2), Vector(0, 0, 1)});
        }
        batches.BeginBatches(nullptr);
    }
    static scene::Face FaceOf(int a, int b, int c, float u = 0) {
        return {{a, b, c}, {u, u, u}, {}, {}};
    }
    // The floats of a written slot: position, normal, texture coordinates.
    std::array<float, 8> SlotFloats(uint32_t slot) const {
        std::array<float, 8> f;
        std::memcpy(f.data(), render::renderer.vertexBuffer + slot * render::kVertexSize,
                    sizeof(float) * 8);
        return f;
    }

    scene::Mesh mesh;
    scene::TriangleBatches& batches = scene::drawing.triangleBatches;
    int32_t& triangles = render::display.frameStats.trianglesThisFrame;
};

// Within a pass a vertex takes one slot per texture coordinate; a new pass starts again.
TEST_F(Batches, SharedVerticesTakeOneSlotPerPass) {
    batches.AddTriangle(mesh, FaceOf(0, 1, 2), 3);
    batches.AddTriangle(mesh, FaceOf(0, 2, 3), 3);
    batches.AddTriangle(mesh, FaceOf(1, 2, 3), 4);
    EXPECT_EQ(batches.indices, (std::vector<uint32_t>{0, 1, 2, 0, 2, 3, 1, 2, 3}));
    ASSERT_EQ(batches.batches.size(), 2u) << "one per run of a material";
    const uint8_t* color = render::renderer.vertexBuffer + 32;
    EXPECT_EQ(std::vector<uint8_t>(color, color + 4), (std::vector<uint8_t>{255, 127, 0, 255}))
        << "components beyond 1 are kept to a byte";
    batches.AddTriangle(mesh, FaceOf(0, 1, 2, 0.5f), 4);
    EXPECT_EQ(batches.vertexCount, 7);
    EXPECT_FLOAT_EQ(SlotFloats(4)[6], 0.5f);

    batches.FlushBatches();
    batches.BeginBatches(nullptr);
    batches.AddTriangle(mesh, FaceOf(2, 3, 0), 0);
    EXPECT_EQ(batches.vertexCount, 3);
    EXPECT_FLOAT_EQ(SlotFloats(0)[0], 2.0f) << "vertex 2 written again in this pass";
}

TEST_F(Batches, AFullBufferIsDrawnAndStartedAgain) {
    render::renderer.vertexBufferBytes = render::kVertexSize * 7;
    triangles = 0;
    for (int i = 0; i < 5; ++i) {
        batches.AddTriangle(mesh, FaceOf(0, 1, 2, float(i)), i % 2);
    }
    EXPECT_LE(batches.vertexCount, 7);
    batches.FlushBatches();
    EXPECT_EQ(triangles, 5) << "every triangle drawn once";
    EXPECT_TRUE(batches.batches.empty());

    render::renderer.vertexBufferBytes = render::kVertexSize * 2;
    batches.AddTriangle(mesh, FaceOf(0, 1, 2), 0);
    EXPECT_TRUE(batches.batches.empty()) << "a buffer too small for a triangle";
}

// The debugging switch render_flush draws each batch as soon as it is complete.
TEST_F(Batches, FlushBatchDrawsOneBatchOnlyWhenSwitchedOn) {
    batches.AddTriangle(mesh, FaceOf(0, 1, 2), 0);
    batches.AddTriangle(mesh, FaceOf(0, 1, 3), 1);
    triangles = 0;
    batches.FlushBatch();
    EXPECT_EQ(triangles, 0);
    console::settings.render_flush = true;
    batches.FlushBatch();
    EXPECT_EQ(triangles, 1);
    batches.FlushBatches();
    EXPECT_EQ(triangles, 2) << "only the batch not yet drawn";
}

}  // namespace
