// Extension entry points: which extensions the driver offers and their resolved calls.
#pragma once

#include "render/gl.h"

#include <cstdint>
#include <string>

namespace glh {

// Entry points that the engine calls; null until their extension has been loaded.
using ActiveTextureProc = void (*)(GLenum texture);
using VertexArrayRangeProc = void (*)(GLsizei length, const void* pointer);
using AllocateMemoryProc = void* (*)(GLsizei size, GLfloat readFrequency, GLfloat writeFrequency,
                                     GLfloat priority);
using FreeMemoryProc = void (*)(void* pointer);

struct EntryPoints {
    ActiveTextureProc glActiveTextureARB = nullptr;
    ActiveTextureProc glClientActiveTextureARB = nullptr;
    VertexArrayRangeProc glVertexArrayRangeNV = nullptr;
    AllocateMemoryProc wglAllocateMemoryNV = nullptr;
    FreeMemoryProc wglFreeMemoryNV = nullptr;
};

extern EntryPoints entryPoints;

// The name followed by a blank occurs in the driver's combined extension string;
// "GL_VERSION_1_2" counts as supported unless the version begins with 1.0 or 1.1.
bool IsExtensionSupported(const std::string& name);

// Resolves the entry points of each space-separated extension. True only when every
// one is supported, known and fully resolved.
bool InitExtensions(const std::string& names);

// Number of extensions the loader knows, with or without entry points.
int KnownExtensionCount();

// The windowing system's own extension string; empty on this platform, which has no WGL.
std::string WindowingExtensions();

// The resolved address of an entry point, or null.
void* EntryPoint(const std::string& name);

}  // namespace glh
