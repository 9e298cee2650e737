// The OpenGL 1.1 layer over OpenGL ES 2, held to the system's OpenGL: each drawing is made
// on a desktop OpenGL context and through the layer on an ES 2 context (Mesa's, offscreen),
// and the two pictures must meet the golden frames' bound. The layer's counters are read
// where a picture cannot show what is asked (how many draws a batch takes).
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <string>

#include "gles/drawings.h"
#include "render/gl.h"

namespace {

using gles_drawings::Drawing;
using gles_drawings::kSize;
using gles_drawings::Side;

// Opens a window with a desktop OpenGL context or an ES 2 one, with depth and stencil.
class Context {
public:
    explicit Context(bool es) {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        ok = SDL_Init(SDL_INIT_VIDEO) == 0;
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK,
                            es ? SDL_GL_CONTEXT_PROFILE_ES : SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, es ? 0 : 1);
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
        SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
        window = SDL_CreateWindow("gles", 0, 0, kSize, kSize, SDL_WINDOW_OPENGL);
        context = window ? SDL_GL_CreateContext(window) : nullptr;
        ok = ok && context;
    }
    ~Context() {
        SDL_GL_DeleteContext(context);
        SDL_DestroyWindow(window);
        render::gles::ForgetContext();
        SDL_Quit();
    }
    bool ok = false;

private:
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
};

std::vector<uint8_t> Picture(const Side& side, size_t row, bool es) {
    Context context(es);
    EXPECT_TRUE(context.ok) << SDL_GetError();
    side.clear();
    side.drawings[row].draw();
    return side.read();
}

class SameAsDesktop : public testing::TestWithParam<size_t> {};

// A pixel differs when a channel is off by more than 24; at most 0.5 % may differ.
TEST_P(SameAsDesktop, WithinTheGoldenBound) {
    const std::vector<uint8_t> desktop = Picture(gles_drawings::kDesktop, GetParam(), false);
    const std::vector<uint8_t> layer = Picture(gles_drawings::kLayer, GetParam(), true);
    int differing = 0, first = -1;
    for (int pixel = 0; pixel < kSize * kSize; ++pixel) {
        const uint8_t* a = &desktop[pixel * 4];
        const uint8_t* b = &layer[pixel * 4];
        if (std::abs(a[0] - b[0]) > 24 || std::abs(a[1] - b[1]) > 24 ||
            std::abs(a[2] - b[2]) > 24) {
            first = first < 0 ? pixel : first;
            ++differing;
        }
    }
    EXPECT_LE(differing, kSize * kSize / 200)
        << "first at (" << first % kSize << ", " << first / kSize << ")";
}

INSTANTIATE_TEST_SUITE_P(Drawings, SameAsDesktop,
                         testing::Range<size_t>(0, gles_drawings::kLayer.drawings.size()),
                         [](const testing::TestParamInfo<size_t>& info) {
                             return std::string(gles_drawings::kLayer.drawings[info.param].name);
                         });

// Counts the layer's draws and the rest while `draw` runs on an ES 2 context, to its end.
render::gles::Counters CountedOn(void (*draw)()) {
    Context context(true);
    EXPECT_TRUE(context.ok) << SDL_GetError();
    draw();
    render::gles::EndFrame();
    return render::gles::ReadCounters();
}

void Triangle(float x) {
    glBegin(GL_TRIANGLES);
    glVertex2f(x, 0);
    glVertex2f(x + 0.1f, 0);
    glVertex2f(x, 0.1f);
    glEnd();
}

struct Counted {
    const char* name;
    void (*draw)();
    uint64_t draws, batches, programs, unsupported;
};

const Counted kCounted[] = {
    {"TrianglesSharingEveryStateAreOneDraw",
     [] {
         for (int i = 0; i < 10; ++i) {
             glColor3f(0.1f * i, 0, 0);
             Triangle(-1 + 0.2f * i);
         }
     },
     1, 1, 1, 0},
    {"AMatrixChangeStartsANewBatch",
     [] {
         Triangle(0);
         glTranslatef(0.1f, 0, 0);
         Triangle(0);
         Triangle(0.2f);
     },
     2, 2, 1, 0},
    {"AStateSentAgainUnchangedDrawsNothing",
     [] {
         glBlendFunc(GL_ONE, GL_ZERO);
         glDepthMask(GL_TRUE);
         Triangle(0);
         glBlendFunc(GL_ONE, GL_ZERO);
         glDepthMask(GL_TRUE);
         Triangle(0.2f);
     },
     1, 1, 1, 0},
    {"EachFeatureCombinationBuildsOneProgram",
     [] {
         Triangle(0);
         glEnable(GL_FOG);
         Triangle(0);
         glDisable(GL_FOG);
         Triangle(0);
     },
     3, 3, 2, 0},
    {"UnsupportedCallsAreCountedEachTime",
     [] {
         glEnable(GL_LIGHT1);
         glEnable(GL_LIGHT1);
         glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
         glShadeModel(GL_FLAT);
         glDisable(GL_LIGHT2);      // draws what is asked
         glEnable(GL_LINE_SMOOTH);  // asks for quality, as a hint does
         glMatrixMode(GL_TEXTURE);
         glScalef(2, 2, 1);
     },
     0, 0, 0, 5},
};

class Counters : public testing::TestWithParam<Counted> {};

TEST_P(Counters, AsExpected) {
    const Counted& expected = GetParam();
    const render::gles::Counters counted = CountedOn(expected.draw);
    EXPECT_EQ(counted.draws, expected.draws);
    EXPECT_EQ(counted.batches, expected.batches);
    EXPECT_EQ(counted.programsBuilt, expected.programs);
    EXPECT_EQ(counted.programsFailed, 0u);
    EXPECT_EQ(counted.unsupportedCalls, expected.unsupported);
}

INSTANTIATE_TEST_SUITE_P(Layer, Counters, testing::ValuesIn(kCounted),
                         [](const testing::TestParamInfo<Counted>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
