// The OpenGL 1.1 layer over OpenGL ES 2, drawn on Mesa's ES 2 offscreen and read back: each
// row draws one thing the engine relies on and checks a pixel against what OpenGL 1.1
// defines for it.
#include <gtest/gtest.h>

#include <SDL.h>

#include <array>
#include <cmath>
#include <functional>

#include "render/gl.h"

namespace {

constexpr int kSize = 64;
using Pixel = std::array<int, 3>;

class GlesLayer : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_ES);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
        window = SDL_CreateWindow("gles", 0, 0, kSize, kSize, SDL_WINDOW_OPENGL);
        ASSERT_NE(window, nullptr) << SDL_GetError();
        context = SDL_GL_CreateContext(window);
        ASSERT_NE(context, nullptr) << SDL_GetError();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    void TearDown() override {
        SDL_GL_DeleteContext(context);
        SDL_DestroyWindow(window);
        render::gles::ForgetContext();
        SDL_Quit();
    }

    static Pixel PixelAt(int x, int y) {
        unsigned char rgba[4] = {};
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return {rgba[0], rgba[1], rgba[2]};
    }

    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
};

// A square facing the viewer at depth z, from -half to half in x and y.
void Square(float half, float z) {
    glBegin(GL_QUADS);
    glNormal3f(0, 0, 1);
    glVertex3f(-half, -half, z);
    glVertex3f(half, -half, z);
    glVertex3f(half, half, z);
    glVertex3f(-half, half, z);
    glEnd();
}

void Perspective() {
    glMatrixMode(GL_PROJECTION);
    gluPerspective(90.0, 1.0, 0.5, 100.0);
    glMatrixMode(GL_MODELVIEW);
}

// A 2 x 1 texture, red on the left, green on the right, drawn by sphere mapping.
void SphereMapped(float normalX) {
    const unsigned char texels[] = {255, 0, 0, 255, 0, 255, 0, 255};
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexImage2D(GL_TEXTURE_2D, 0, 4, 2, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    glEnable(GL_TEXTURE_2D);
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
    Perspective();
    glBegin(GL_TRIANGLES);
    glNormal3f(normalX, 0, 0.8f);
    glVertex3f(-1, -1, -1);
    glVertex3f(1, -1, -1);
    glVertex3f(0, 1, -1);
    glEnd();
}

struct Drawing {
    const char* what;
    std::function<void()> draw;
    int x, y;        // the pixel read back
    Pixel expected;  // within 2 of each channel
};

const Drawing kDrawings[] = {
    {"a quad covers its whole square, not one triangle of it",
     [] {
         glColor3f(1, 1, 0);
         Square(0.5f, 0);
     },
     20,
     40,
     {255, 255, 0}},
    // Lit at the corners, 1.73 away (attenuation 1 / 2, n.L 0.577), the same in between.
    {"a positional light is attenuated by its distance, and lights what faces it",
     [] {
         Perspective();
         glEnable(GL_LIGHTING);
         glEnable(GL_LIGHT0);
         glEnable(GL_COLOR_MATERIAL);
         glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
         const GLfloat none[4] = {0, 0, 0, 1}, position[4] = {0, 0, 0, 1};
         glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL_EXT, GL_SEPARATE_SPECULAR_COLOR_EXT);
         glMaterialfv(GL_FRONT, GL_AMBIENT, none);
         glLightfv(GL_LIGHT0, GL_POSITION, position);
         glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, 2.0f);
         glColor4f(1.0f, 0.5f, 0.25f, 1.0f);
         Square(1, -1);
     },
     32,
     32,
     {74, 37, 18}},
    {"exponential-squared fog by eye depth",
     [] {
         Perspective();
         glEnable(GL_FOG);
         glFogi(GL_FOG_MODE, GL_EXP2);
         glFogf(GL_FOG_DENSITY, 0.05f);
         glColor3f(1, 1, 1);
         Square(20, -10);
     },
     32,
     32,
     {199, 199, 199}},
    {"the alpha test drops what it does not pass",
     [] {
         glEnable(GL_ALPHA_TEST);
         glAlphaFunc(GL_GREATER, 0.7f);
         glColor4f(1, 1, 1, 0.5f);
         Square(1, 0);
     },
     32,
     32,
     {0, 0, 0}},
    {"a display list takes the colour current at its call",
     [] {
         const GLuint list = glGenLists(1);
         glNewList(list, GL_COMPILE);
         Square(1, 0);
         glEndList();
         glColor3f(0, 0, 1);
         glCallList(list);
     },
     10,
     50,
     {0, 0, 255}},
    {"a draw is not undone by a colour mask set after it",
     [] {
         glColor3f(1, 0, 0);
         Square(1, 0);
         glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
         glColor3f(0, 1, 0);
         Square(1, 0);
     },
     32,
     32,
     {255, 0, 0}},
    {"each draw keeps the matrix of its moment",
     [] {
         glColor3f(0, 0, 1);
         Square(0.25f, 0);
         glTranslatef(10, 0, 0);
         Square(0.25f, 0);
     },
     32,
     32,
     {0, 0, 255}},
    {"a texture without its image leaves the unit off",
     [] {
         GLuint texture = 0;
         glGenTextures(1, &texture);
         glBindTexture(GL_TEXTURE_2D, texture);
         glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
         glEnable(GL_TEXTURE_2D);
         glColor3f(0, 1, 0);
         Square(1, 0);
     },
     32,
     32,
     {0, 255, 0}},
    {"sphere mapping: a normal leaning right reflects the texture's right half",
     [] { SphereMapped(0.6f); },
     32,
     28,
     {0, 255, 0}},
    {"sphere mapping: a normal leaning left reflects the texture's left half",
     [] { SphereMapped(-0.6f); },
     32,
     28,
     {255, 0, 0}},
    {"indexed client arrays with byte colours draw from the vertices the indices name",
     [] {
         const GLfloat positions[] = {0, 0, 0, 0, 0, 0, -1, -1, 0, 1, -1, 0, 1, 1, 0, -1, 1, 0};
         const GLubyte colors[] = {0,   0, 0,   255, 0,   0, 0,   255, 255, 0, 255, 255,
                                   255, 0, 255, 255, 255, 0, 255, 255, 255, 0, 255, 255};
         const GLuint indices[] = {2, 3, 4, 2, 4, 5};
         glEnableClientState(GL_VERTEX_ARRAY);
         glEnableClientState(GL_COLOR_ARRAY);
         glVertexPointer(3, GL_FLOAT, 0, positions);
         glColorPointer(4, GL_UNSIGNED_BYTE, 0, colors);
         glDrawElements(GL_TRIANGLES, 6, GL_UNSIGNED_INT, indices);
     },
     32,
     32,
     {255, 0, 255}},
};

TEST_F(GlesLayer, DrawsAsOpenGlDefines) {
    for (const Drawing& drawing : kDrawings) {
        SCOPED_TRACE(drawing.what);
        TearDown();
        SetUp();
        drawing.draw();
        const Pixel pixel = PixelAt(drawing.x, drawing.y);
        for (int channel = 0; channel < 3; ++channel) {
            EXPECT_NEAR(pixel[channel], drawing.expected[channel], 2) << "channel " << channel;
        }
    }
}

TEST_F(GlesLayer, LinesModeDrawsTheEdgesAndLeavesTheInside) {
    glMatrixMode(GL_PROJECTION);
    glOrtho(0, kSize, 0, kSize, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glColor3f(1, 1, 1);
    // The second vertex is not the triangle's: it lies on the diagonal through the inside.
    const GLfloat positions[] = {8.5f, 8.5f, 0, 32, 32, 0, 56.5f, 8.5f, 0, 8.5f, 56.5f, 0};
    const GLuint indices[] = {0, 2, 3};
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, positions);
    glDrawElements(GL_TRIANGLES, 3, GL_UNSIGNED_INT, indices);
    EXPECT_EQ(PixelAt(20, 8), (Pixel{255, 255, 255}));
    EXPECT_EQ(PixelAt(8, 20), (Pixel{255, 255, 255}));
    EXPECT_EQ(PixelAt(20, 20), (Pixel{0, 0, 0}));
}

}  // namespace
