// The one renderer: the capability flags of the extension check, the shared vertex
// buffer that mesh drawing streams through, and the texture-unit operations.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace render {

class Texture;

// One interleaved record of the vertex buffer: position (3 floats) at 0, normal
// (3 floats) at 12, texture coordinate (2 floats) at 24, colour (4 bytes) at 32.
constexpr int kVertexSize = 36;
// The vertex buffer's starting size in 4-byte units.
constexpr int32_t kVertexBufferUnits = 2000000;

// Driver memory for the vertex-array range. By default the extension's own entry
// points; tests put their own in to see the retries.
struct FastMemoryAllocator {
    void* (*allocate)(int32_t size, float readFrequency, float writeFrequency, float priority);
    void (*release)(void* block);
};
// The extension's allocator: null blocks while its entry points are not loaded.
FastMemoryAllocator DriverFastMemory();

class Renderer {
public:
    virtual ~Renderer();

    // Creates the window and context, logs the driver and checks its extensions.
    void Start(int width, int height, int depth, bool fullscreen);
    // The driver lines, then the extension tests unless extensions are switched off.
    void CheckCapabilities();
    // The extension tests against `extensions`, in their fixed order, with their log lines.
    void UseExtensions(const std::string& extensions);

    // Unit 1 or 2; any other number leaves the active unit as it is.
    void SetTextureUnit(int unit, const Texture& texture);
    void SphereMapOn();
    void SphereMapOff();
    // One texture on the first unit, everything else off, modulated by the colour.
    void UseTexture(const Texture& texture);
    // Back to the state before Start: no buffer, no capabilities, the driver's allocator.
    void Reset();

    // The vertex buffer's size in 4-byte units; each failed fast-memory attempt halves it.
    int32_t vertexBufferUnits = kVertexBufferUnits;
    // Only reported in the fast-memory log line.
    int32_t vertexBufferChunks = 1;
    uint8_t* vertexBuffer = nullptr;
    // Bytes usable in vertexBuffer.
    size_t vertexBufferBytes = 0;
    void* fastMemory = nullptr;
    FastMemoryAllocator fastMemoryAllocator = DriverFastMemory();

    bool multitexture = false;
    bool textureEnvCombine = false;
    bool vertexArray = false;
    bool vertexArrayRange = false;
    bool vertexWeighting = false;
    bool separateSpecular = false;
    bool edgeClamp = false;
    bool wglPixelFormat = false;
    bool wglPbuffer = false;

private:
    void ResetCapabilities();
    void UseVertexArrayRange(bool found);
    void PointClientArrays();
    // Three tries, each asking for half the last; null when all fail.
    void* AllocateFastMemory();
    // A heap block of vertexBufferUnits × 4 bytes cut down to whole vertices.
    void AllocateHeapVertexBuffer();
    void ReleaseVertexBuffer();

    std::vector<uint8_t> heapVertexBuffer;
};

extern Renderer renderer;

}  // namespace render
