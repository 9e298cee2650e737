// What the layer keeps of the OpenGL 1.1 state that ES 2 has no place for, read by the
// shaders it draws with. Included by the layer's own files only: they call ES 2 itself.
#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "render/gl.h"

namespace render::gles {

using Matrix = std::array<GLfloat, 16>;  // column-major, as OpenGL keeps it
using Vector4 = std::array<GLfloat, 4>;

constexpr int kTextureUnits = 2;
constexpr Matrix kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// The fixed vertex attributes the shaders read, at these locations.
enum Attribute : GLuint { kPosition, kNormal, kColor, kTexCoord0, kTexCoord1, kAttributeCount };

struct Light {
    bool enabled = false;
    Vector4 eyePosition = {0, 0, 1, 0};  // moved into eye space when it is set
    Vector4 ambient = {0, 0, 0, 1};
    Vector4 diffuse = {1, 1, 1, 1};
    Vector4 specular = {1, 1, 1, 1};
    std::array<GLfloat, 3> attenuation = {1, 0, 0};  // constant, linear, quadratic
};

struct Material {
    Vector4 ambient = {0.2f, 0.2f, 0.2f, 1};
    Vector4 diffuse = {0.8f, 0.8f, 0.8f, 1};
    Vector4 specular = {0, 0, 0, 1};
    Vector4 emission = {0, 0, 0, 1};
    GLfloat shininess = 0;
};

struct Lighting {
    bool enabled = false;
    Light light;  // the engine lights with GL_LIGHT0 only
    Material material;
    Vector4 sceneAmbient = {0.2f, 0.2f, 0.2f, 1};
    bool localViewer = false;
    bool separateSpecular = false;
    bool colorMaterial = false;
    GLenum colorMaterialMode = GL_AMBIENT_AND_DIFFUSE;
    bool normalize = false;
};

struct Fog {
    bool enabled = false;
    GLenum mode = GL_EXP;
    GLfloat density = 1, start = 0, end = 1;
    Vector4 color = {0, 0, 0, 0};
};

struct TextureUnit {
    bool enabled = false;                                 // GL_TEXTURE_2D
    bool generateS = false, generateT = false;            // GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T
    GLenum modeS = GL_EYE_LINEAR, modeT = GL_EYE_LINEAR;  // only sphere maps are drawn
    GLuint bound = 0;
};

// A texture draws only once it has its image, and its mipmaps where its filter uses them;
// until then its unit draws as if it were off.
struct TextureObject {
    bool hasImage = false;
    bool hasMipmaps = false;
    GLenum minFilter = GL_NEAREST_MIPMAP_LINEAR;
};

struct ClientArray {
    bool enabled = false;
    GLint size = 4;
    GLenum type = GL_FLOAT;
    GLsizei stride = 0;
    const GLvoid* pointer = nullptr;
};

// One vertex of immediate mode or of a display list: every attribute.
struct ImmediateVertex {
    GLfloat position[3];
    GLfloat normal[3];
    GLfloat color[4];
    GLfloat texCoord[2];
};

// Which attributes a display list's vertices carry; the rest come from the current values
// when the list is called.
enum Carried : unsigned {
    kCarriesNormal = 1,
    kCarriesColor = 2,
    kCarriesTexCoord = 4,
    kCarriesAll = 7,  // immediate mode's vertices
};

struct State {
    GLenum matrixMode = GL_MODELVIEW;
    std::vector<Matrix> modelView{kIdentity}, projection{kIdentity}, texture{kIdentity};  // back()
    Lighting lighting;
    Fog fog;
    bool alphaTest = false;
    GLenum alphaFunction = GL_ALWAYS;
    GLfloat alphaReference = 0;
    GLenum polygonMode = GL_FILL;
    std::array<TextureUnit, kTextureUnits> units;
    int activeUnit = 0;
    std::unordered_map<GLuint, TextureObject> textures;
    ClientArray vertexArray, normalArray, colorArray, texCoordArray;
    ImmediateVertex current = {{0, 0, 0}, {0, 0, 1}, {1, 1, 1, 1}, {0, 0}};
};

State& Current();
// The matrix stack MatrixMode chose.
std::vector<Matrix>& CurrentStack();
Matrix Multiply(const Matrix& a, const Matrix& b);
Vector4 Transform(const Matrix& m, const Vector4& v);

// Whether the texture has what it needs to be drawn.
bool Complete(GLuint texture);

}  // namespace render::gles
