// Renderer start-up on the real driver and on driver strings the tests make up: the log
// lines in order and the vertex buffer's fast-memory retry.
#include <GL/gl.h>
#include <GL/glext.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "console/log.h"
#include "console/settings.h"
#include "render/glh/glh_extensions.h"
#include "render/renderer.h"
#include "support/gl_context.h"

namespace {

using console::settings;
using render::renderer;

// Fails until its `grantAt`-th call to allocate; counts the calls.
struct ScriptedFastMemory {
    static int calls;
    static int grantAt;
    static void* Allocate(int32_t size, float, float, float) {
        ++calls;
        return calls >= grantAt ? std::malloc(static_cast<size_t>(size)) : nullptr;
    }
    static void Release(void* block) { std::free(block); }
};
int ScriptedFastMemory::calls = 0;
int ScriptedFastMemory::grantAt = 0;

class RendererGl : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        saved = settings;
        render::renderer.vertexBufferUnits = 2000000;
        ScriptedFastMemory::calls = 0;
    }
    void TearDown() override {
        renderer.UseExtensions("");
        renderer.fastMemoryAllocator = render::DriverFastMemory();
        render::renderer.vertexBufferUnits = 2000000;
        settings = saved;
        GlTest::TearDown();
    }

    // Log lines from the one after `first`, or all of them.
    std::vector<std::string> LogLines(const std::string& first = "") const {
        std::istringstream log(Log());
        std::vector<std::string> lines;
        bool started = first.empty();
        for (std::string line; std::getline(log, line);) {
            if (started) {
                lines.push_back(line);
            }
            started = started || line == first;
        }
        return lines;
    }

    void ScriptFastMemory(int grantAt) {
        ScriptedFastMemory::grantAt = grantAt;
        renderer.fastMemoryAllocator = {ScriptedFastMemory::Allocate, ScriptedFastMemory::Release};
        settings.render_use_vertex_array_range = true;
    }

    std::vector<std::string> FastMemoryLines() const {
        std::vector<std::string> lines;
        for (const std::string& line : LogLines()) {
            if (line.rfind("Allocated ", 0) == 0 || line.rfind("Unable ", 0) == 0 ||
                line.rfind("In ", 0) == 0) {
                lines.push_back(line);
            }
        }
        return lines;
    }

    console::Settings saved;
};

TEST_F(RendererGl, WithoutExtensionsOnlyTheDriverIsLogged) {
    settings.render_use_OGL_ext = false;
    renderer.CheckCapabilities();
    std::vector<std::string> lines = LogLines("Console started...");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("OpenGL Version: ", 0), 0u);
    EXPECT_EQ(lines[1].rfind("OpenGL Renderer: llvmpipe", 0), 0u);
    EXPECT_EQ(lines[2].rfind("OpenGL Vendor: ", 0), 0u);
    EXPECT_FALSE(renderer.multitexture || renderer.vertexArray || renderer.edgeClamp);
}

TEST_F(RendererGl, MesaTakesTheExtensionsItOffers) {
    settings.render_use_OGL_ext = true;
    renderer.CheckCapabilities();
    std::vector<std::string> lines = LogLines("Check OpenGL extensions:");
    ASSERT_GE(lines.size(), 10u);
    EXPECT_NE(lines[0].find("GL_ARB_multitexture"), std::string::npos);
    std::vector<std::string> tests(lines.begin() + 1, lines.begin() + 10);
    EXPECT_EQ(tests,
              (std::vector<std::string>{
                  "Using GL_ARB_multitexture", "Using GL_ARB_texture_env_combine",
                  "Using GL_EXT_vertex_array", "GL_NV_vertex_array_range not supported!",
                  "GL_EXT_vertex_weighting not supported!", "Using GL_EXT_separate_specular_color",
                  "Using GL_ARB_texture_border_clamp", "WGL_ARB_pixel_format not supported!",
                  "WGL_ARB_pbuffer not supported!"}));
}

TEST_F(RendererGl, FallbacksAndMissingExtensionsLogInOrder) {
    renderer.UseExtensions("GL_EXT_texture_env_combine GL_EXT_texture_edge_clamp");
    renderer.UseExtensions("");
    EXPECT_EQ(
        LogLines("WGL_ARB_pbuffer not supported!"),
        (std::vector<std::string>{
            "GL_ARB_multitexture not supported!", "GL_EXT_texture_env_combine not supported!",
            "GL_ARB_texture_env_combine not supported!", "GL_EXT_vertex_array not supported!",
            "GL_NV_vertex_array_range not supported!", "GL_EXT_vertex_weighting not supported!",
            "GL_EXT_separate_specular_color not supported!",
            "GL_ARB_texture_border_clamp not supported!",
            "GL_EXT_texture_edge_clamp not supported!", "WGL_ARB_pixel_format not supported!",
            "WGL_ARB_pbuffer not supported!"}));
    EXPECT_FALSE(renderer.textureEnvCombine || renderer.edgeClamp);
    std::vector<std::string> all = LogLines();
    EXPECT_NE(std::find(all.begin(), all.end(), "Using GL_EXT_texture_env_combine"), all.end());
}

// The vertex buffer asks for 8, then 4, then 2 megabytes of fast memory, each at two
// priorities, and falls back to a quarter of the heap block.
TEST_F(RendererGl, FastMemoryRetriesWithLessThenFallsBack) {
    const std::string unable = "Unable to allocate ";
    const struct {
        int grantAt;
        bool switchedOn;
        std::vector<std::string> lines;
        size_t bytes;
    } cases[] = {
        {1,
         true,
         {"Allocated 8 megabytes of fast memory", "In 1 chunks of 8.000000 MBytes"},
         8000000},
        {3,
         true,
         {unable + "8 megabytes of fast memory.  Trying less.",
          "Allocated 4 megabytes of fast memory"},
         4000000},
        {1000,
         true,
         {unable + "8 megabytes of fast memory.  Trying less.",
          unable + "4 megabytes of fast memory.  Trying less.",
          unable + "2 megabytes of fast memory.  Giving up."},
         1999980},
        {1, false, {}, 7999992},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.grantAt);
        folder.Write(kLogName, "");
        ScriptedFastMemory::calls = 0;
        renderer.vertexBufferUnits = 2000000;
        ScriptFastMemory(c.grantAt);
        settings.render_use_vertex_array_range = c.switchedOn;
        renderer.UseExtensions("GL_NV_vertex_array_range GL_EXT_vertex_array");
        EXPECT_EQ(FastMemoryLines(), c.lines);
        EXPECT_EQ(renderer.vertexBufferBytes, c.bytes);
        EXPECT_EQ(renderer.vertexBuffer == renderer.fastMemory, c.bytes % 1000000 == 0);
        EXPECT_EQ(ScriptedFastMemory::calls > 0, c.switchedOn);
    }
}

TEST_F(RendererGl, LoaderResolvesOnlyWhatTheDriverOffers) {
    EXPECT_TRUE(glh::IsExtensionSupported("GL_ARB_multitexture"));
    EXPECT_FALSE(glh::IsExtensionSupported("GL_ARB_multi"));
    EXPECT_TRUE(glh::InitExtensions("GL_ARB_multitexture GL_EXT_texture_object"));
    EXPECT_NE(glh::EntryPoint("glMultiTexCoord4svARB"), nullptr);
    // Not offered by the driver, or not in the loader's list.
    EXPECT_FALSE(glh::InitExtensions("GL_ARB_multitexture GL_NV_vertex_array_range"));
    EXPECT_FALSE(glh::InitExtensions("GL_ARB_no_such_thing"));
}

}  // namespace
