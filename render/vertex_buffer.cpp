// The shared vertex buffer: driver fast memory for the vertex-array range, with a
// bounded retry that asks for less, or an ordinary heap block.
#include "console/log.h"
#include "render/gl.h"
#include "render/glh/glh_extensions.h"
#include "render/renderer.h"

namespace render {

namespace {

constexpr int kFastMemoryAttempts = 3;

void* DriverAllocate(int32_t size, float readFrequency, float writeFrequency, float priority) {
    if (!glh::entryPoints.wglAllocateMemoryNV) {
        return nullptr;
    }
    return glh::entryPoints.wglAllocateMemoryNV(size, readFrequency, writeFrequency, priority);
}

void DriverRelease(void* block) {
    if (glh::entryPoints.wglFreeMemoryNV) {
        glh::entryPoints.wglFreeMemoryNV(block);
    }
}

}  // namespace

FastMemoryAllocator DriverFastMemory() {
    return {DriverAllocate, DriverRelease};
}

void Renderer::AllocateHeapVertexBuffer() {
    size_t bytes = static_cast<size_t>(vertexBufferUnits) * 4;
    bytes -= bytes % kVertexSize;
    heapVertexBuffer.assign(bytes, 0);
    vertexBuffer = heapVertexBuffer.data();
    vertexBufferBytes = bytes;
}

void* Renderer::AllocateFastMemory() {
    for (int attempt = 1; attempt <= kFastMemoryAttempts; ++attempt) {
        int32_t size = vertexBufferUnits * 4;
        float megabytes = static_cast<float>(size) * 1e-06f;
        std::string shown = console::IntToString(static_cast<int>(megabytes));
        void* block = fastMemoryAllocator.allocate(size, 0.0f, 0.0f, 0.5f);
        if (!block) {
            block = fastMemoryAllocator.allocate(size, 0.0f, 0.0f, 1.0f);
        }
        if (block) {
            console::Print("Allocated " + shown + " megabytes of fast memory");
            if (attempt == 1) {
                console::Print(
                    "In " + console::IntToString(vertexBufferChunks) + " chunks of " +
                    console::FloatToString(megabytes / static_cast<float>(vertexBufferChunks)) +
                    " MBytes");
            }
            return block;
        }
        if (attempt < kFastMemoryAttempts) {
            console::Print("Unable to allocate " + shown +
                           " megabytes of fast memory.  Trying less.");
            vertexBufferUnits /= 2;
        } else {
            console::Print("Unable to allocate " + shown +
                           " megabytes of fast memory.  Giving up.");
        }
    }
    return nullptr;
}

void Renderer::UseVertexArrayRange(bool found) {
    if (!found) {
        console::Print("GL_NV_vertex_array_range not supported!");
        AllocateHeapVertexBuffer();
        return;
    }
    vertexArrayRange = true;
    glh::InitExtensions("GL_NV_vertex_array_range");
    console::Print("Using GL_NV_vertex_array_range");
    fastMemory = AllocateFastMemory();
    if (!fastMemory) {
        AllocateHeapVertexBuffer();
        return;
    }
    vertexBuffer = static_cast<uint8_t*>(fastMemory);
    vertexBufferBytes = static_cast<size_t>(vertexBufferUnits) * 4;
    // Without the driver's entry point (a block from elsewhere) there is no range to set.
    if (glh::entryPoints.glVertexArrayRangeNV) {
        glh::entryPoints.glVertexArrayRangeNV(vertexBufferUnits * 4, fastMemory);
        glEnableClientState(GL_VERTEX_ARRAY_RANGE_NV);
    }
}

void Renderer::ReleaseVertexBuffer() {
    if (fastMemory) {
        fastMemoryAllocator.release(fastMemory);
        fastMemory = nullptr;
    }
    heapVertexBuffer.clear();
    heapVertexBuffer.shrink_to_fit();
    vertexBuffer = nullptr;
    vertexBufferBytes = 0;
}

}  // namespace render
