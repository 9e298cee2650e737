// Renderer start-up on the real driver and on driver strings the tests make up: the log
// lines in order and the vertex buffer's fast-memory retry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "console/settings.h"
#include "render/glh/glh_extensions.h"
#include "render/renderer.h"
#include "support/gl_context.h"

namespace {

using console::settings;
using render::renderer;
using Lines = std::vector<std::string>;

// Calls to the scripted fast memory, which fails until the `grantAt`-th.
int calls = 0, grantAt = 0;

class RendererGl : public testing_support::GlTest {
protected:
    // Log lines from the one after `first`, or all of them, that start with one of
    // `prefixes` (any, when none are given).
    Lines LogLines(const std::string& first, const Lines& prefixes = {}) const {
        std::istringstream log(Log());
        Lines lines;
        bool started = first.empty();
        for (std::string line; std::getline(log, line); started = started || line == first) {
            auto startsIt = [&line](const std::string& prefix) {
                return line.rfind(prefix, 0) == 0;
            };
            if (started &&
                (prefixes.empty() || std::any_of(prefixes.begin(), prefixes.end(), startsIt))) {
                lines.push_back(line);
            }
        }
        return lines;
    }
};

TEST_F(RendererGl, TheDriverIsLoggedAndMesaGivesTheExtensionsItOffers) {
    settings.render_use_OGL_ext = false;
    renderer.CheckCapabilities();
    Lines lines = LogLines("Console started...");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("OpenGL Version: ", 0), 0u);
    EXPECT_EQ(lines[1].rfind("OpenGL Renderer: llvmpipe", 0), 0u);
    EXPECT_EQ(lines[2].rfind("OpenGL Vendor: ", 0), 0u);
    EXPECT_FALSE(renderer.multitexture || renderer.vertexArray || renderer.edgeClamp);

    settings.render_use_OGL_ext = true;
    renderer.CheckCapabilities();
    lines = LogLines("Check OpenGL extensions:");
    ASSERT_GE(lines.size(), 10u);
    EXPECT_NE(lines[0].find("GL_ARB_multitexture"), std::string::npos);
    EXPECT_EQ(Lines(lines.begin() + 1, lines.begin() + 10),
              (Lines{"Using GL_ARB_multitexture", "Using GL_ARB_texture_env_combine",
                     "Using GL_EXT_vertex_array", "GL_NV_vertex_array_range not supported!",
                     "GL_EXT_vertex_weighting not supported!",
                     "Using GL_EXT_separate_specular_color", "Using GL_ARB_texture_border_clamp",
                     "WGL_ARB_pixel_format not supported!", "WGL_ARB_pbuffer not supported!"}));
    EXPECT_FALSE(glh::IsExtensionSupported("GL_ARB_multi")) << "only whole names are offered";
}

TEST_F(RendererGl, FallbacksAndMissingExtensionsLogInOrder) {
    renderer.UseExtensions("GL_EXT_texture_env_combine GL_EXT_texture_edge_clamp");
    EXPECT_EQ(LogLines("", {"Using GL_EXT_texture_env_combine"}).size(), 1u);
    renderer.UseExtensions("");
    EXPECT_EQ(
        LogLines("WGL_ARB_pbuffer not supported!"),
        (Lines{"GL_ARB_multitexture not supported!", "GL_EXT_texture_env_combine not supported!",
               "GL_ARB_texture_env_combine not supported!", "GL_EXT_vertex_array not supported!",
               "GL_NV_vertex_array_range not supported!", "GL_EXT_vertex_weighting not supported!",
               "GL_EXT_separate_specular_color not supported!",
               "GL_ARB_texture_border_clamp not supported!",
               "GL_EXT_texture_edge_clamp not supported!", "WGL_ARB_pixel_format not supported!",
               "WGL_ARB_pbuffer not supported!"}));
    EXPECT_FALSE(renderer.textureEnvCombine || renderer.edgeClamp);
}

// The vertex buffer asks for 8, then 4, then 2 megabytes of fast memory, each at two
// priorities, and falls back to a quarter of the heap block.
TEST_F(RendererGl, FastMemoryRetriesWithLessThenFallsBack) {
    const std::string fast = " megabytes of fast memory";
    auto unable = [&](int mb, const char* next = "Trying less.") {
        return "Unable to allocate " + std::to_string(mb) + fast + ".  " + next;
    };
    // The call that is granted, whether the range is switched on, the buffer's bytes, the lines.
    const std::tuple<int, bool, size_t, Lines> cases[] = {
        {1, true, 8000000, {"Allocated 8" + fast, "In 1 chunks of 8.000000 MBytes"}},
        {3, true, 4000000, {unable(8), "Allocated 4" + fast}},
        {1000, true, 1999980, {unable(8), unable(4), unable(2, "Giving up.")}},
        {1, false, 7999992, {}}};
    renderer.fastMemoryAllocator = {[](int32_t size, float, float, float) {
                                        return ++calls >= grantAt ? std::malloc(size_t(size))
                                                                  : nullptr;
                                    },
                                    [](void* block) { std::free(block); }};
    for (const auto& [granted, switchedOn, bytes, lines] : cases) {
        SCOPED_TRACE(granted);
        folder.Write(kLogName, "");
        calls = 0;
        grantAt = granted;
        renderer.vertexBufferUnits = render::kVertexBufferUnits;  // the fallback cut it
        settings.render_use_vertex_array_range = switchedOn;
        renderer.UseExtensions("GL_NV_vertex_array_range GL_EXT_vertex_array");
        EXPECT_EQ(LogLines("", {"Allocated ", "Unable ", "In "}), lines);
        EXPECT_EQ(renderer.vertexBufferBytes, bytes);
        EXPECT_EQ(renderer.vertexBuffer == renderer.fastMemory, bytes % 1000000 == 0);
        EXPECT_EQ(calls > 0, switchedOn);
    }
}

}  // namespace
