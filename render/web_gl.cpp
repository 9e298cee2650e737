// Display lists, immediate mode and sphere mapping for the browser's fixed-function
// emulation: everything is drawn as vertex arrays whose vertices carry every attribute.
#ifdef __EMSCRIPTEN__

#define RENDER_WEB_GL_REAL_CALLS
#include "render/web_gl.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

extern "C" {
void glGenerateMipmap(GLenum target);
void glGenBuffers(GLsizei count, GLuint* buffers);
void glBindBuffer(GLenum target, GLuint buffer);
void glBufferData(GLenum target, GLsizeiptr size, const void* data, GLenum usage);
}

namespace render::webgl {
namespace {

struct ListVertex {
    GLfloat position[3];
    GLfloat normal[3];
    GLfloat texCoord[2];
    GLfloat color[4];
};

// One step of a display list: vertices to draw, or a move of the model-view matrix.
struct Step {
    GLenum mode = GL_TRIANGLES;
    std::vector<ListVertex> vertices;
    bool colored = false;  // whether the colour changed between the vertices
    GLfloat move[3] = {0.0f, 0.0f, 0.0f};
    GLuint buffer = 0;  // a list's vertices, kept on the graphics side
};

struct State {
    std::unordered_map<GLuint, std::vector<Step>> lists;
    GLuint nextList = 1;
    GLuint listBase = 0;
    std::vector<Step>* recording = nullptr;
    ListVertex current = {{0, 0, 0}, {0, 0, 1}, {0, 0}, {1, 1, 1, 1}};
    bool inside = false;  // between Begin and End
    Step open;
    bool sphereMapS = false;
    bool sphereMapT = false;
    bool colorMaterial = false;
    GLenum colorMaterialFace = GL_FRONT_AND_BACK;
    GLenum colorMaterialMode = GL_AMBIENT_AND_DIFFUSE;
};

State state;

// Quads become two triangles each: WebGL draws no quads.
Step AsTriangles(Step step) {
    if (step.mode != GL_QUADS) {
        return step;
    }
    std::vector<ListVertex> triangles;
    triangles.reserve(step.vertices.size() / 4 * 6);
    for (size_t quad = 0; quad + 3 < step.vertices.size(); quad += 4) {
        for (size_t corner : {0, 1, 2, 0, 2, 3}) {
            triangles.push_back(step.vertices[quad + corner]);
        }
    }
    step.mode = GL_TRIANGLES;
    step.vertices = std::move(triangles);
    return step;
}

// The sphere-map coordinates fixed-function OpenGL generates from the eye-space position
// and normal of each vertex.
void GenerateSphereMap(std::vector<ListVertex>& vertices) {
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    for (ListVertex& vertex : vertices) {
        const GLfloat* p = vertex.position;
        const GLfloat* n = vertex.normal;
        GLfloat eye[3], normal[3];
        for (int row = 0; row < 3; ++row) {
            eye[row] = m[row] * p[0] + m[4 + row] * p[1] + m[8 + row] * p[2] + m[12 + row];
            normal[row] = m[row] * n[0] + m[4 + row] * n[1] + m[8 + row] * n[2];
        }
        GLfloat eyeLength = std::sqrt(eye[0] * eye[0] + eye[1] * eye[1] + eye[2] * eye[2]);
        GLfloat normalLength =
            std::sqrt(normal[0] * normal[0] + normal[1] * normal[1] + normal[2] * normal[2]);
        GLfloat along = 0.0f;
        for (int i = 0; i < 3; ++i) {
            eye[i] /= eyeLength > 0.0f ? eyeLength : 1.0f;
            normal[i] /= normalLength > 0.0f ? normalLength : 1.0f;
            along += eye[i] * normal[i];
        }
        GLfloat r[3];
        for (int i = 0; i < 3; ++i) {
            r[i] = eye[i] - 2.0f * normal[i] * along;
        }
        GLfloat scale = 2.0f * std::sqrt(r[0] * r[0] + r[1] * r[1] + (r[2] + 1) * (r[2] + 1));
        if (scale == 0.0f) {
            scale = 1.0f;
        }
        if (state.sphereMapS) {
            vertex.texCoord[0] = r[0] / scale + 0.5f;
        }
        if (state.sphereMapT) {
            vertex.texCoord[1] = r[1] / scale + 0.5f;
        }
    }
}

// A list's vertices go to the graphics side once, instead of at every call.
void KeepOnGraphicsSide(Step& step) {
    glGenBuffers(1, &step.buffer);
    glBindBuffer(GL_ARRAY_BUFFER, step.buffer);
    glBufferData(GL_ARRAY_BUFFER,
                 static_cast<GLsizeiptr>(step.vertices.size() * sizeof(ListVertex)),
                 step.vertices.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

// With colour material on, the current colour is the lit material's colour.
void FollowColor() {
    const GLfloat* c = state.current.color;
    if (state.colorMaterialMode == GL_AMBIENT_AND_DIFFUSE) {
        glMaterialfv(state.colorMaterialFace, GL_AMBIENT, c);
        glMaterialfv(state.colorMaterialFace, GL_DIFFUSE, c);
    } else {
        glMaterialfv(state.colorMaterialFace, state.colorMaterialMode, c);
    }
}

void Draw(const Step& step) {
    if (step.vertices.empty()) {
        return;
    }
    std::vector<ListVertex> mapped;
    const ListVertex* vertices = step.vertices.data();
    const bool sphereMap = state.sphereMapS || state.sphereMapT;
    if (sphereMap) {
        mapped = step.vertices;
        GenerateSphereMap(mapped);
        vertices = mapped.data();
    } else if (step.buffer) {
        glBindBuffer(GL_ARRAY_BUFFER, step.buffer);
        vertices = nullptr;  // the pointers below become offsets into the buffer
    }
    // Addresses in memory, or offsets into the bound buffer.
    auto at = [vertices](size_t offset) {
        return reinterpret_cast<const void*>(reinterpret_cast<uintptr_t>(vertices) + offset);
    };
    const GLsizei stride = sizeof(ListVertex);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, stride, at(offsetof(ListVertex, position)));
    glEnableClientState(GL_NORMAL_ARRAY);
    glNormalPointer(GL_FLOAT, stride, at(offsetof(ListVertex, normal)));
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, stride, at(offsetof(ListVertex, texCoord)));
    if (step.colored) {
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(4, GL_FLOAT, stride, at(offsetof(ListVertex, color)));
    }
    glDrawArrays(step.mode, 0, static_cast<GLsizei>(step.vertices.size()));
    if (step.colored) {
        glDisableClientState(GL_COLOR_ARRAY);
        const GLfloat* c = state.current.color;
        glColor4f(c[0], c[1], c[2], c[3]);
    }
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    if (!sphereMap && step.buffer) {
        glBindBuffer(GL_ARRAY_BUFFER, 0);
    }
}

void Play(const Step& step) {
    if (step.vertices.empty()) {
        glTranslatef(step.move[0], step.move[1], step.move[2]);
    } else {
        Draw(step);
    }
}

}  // namespace

const GLubyte* GetString(GLenum name) {
    const GLubyte* text = glGetString(name);
    if (name != GL_EXTENSIONS || !text) {
        return text;
    }
    static std::string extensions;
    extensions = reinterpret_cast<const char*>(text);
    const std::string dropped = "GL_ARB_multitexture ";
    if (size_t at = extensions.find(dropped); at != std::string::npos) {
        extensions.erase(at, dropped.size());
    }
    return reinterpret_cast<const GLubyte*>(extensions.c_str());
}

GLuint GenLists(GLsizei range) {
    GLuint first = state.nextList;
    state.nextList += static_cast<GLuint>(range);
    return first;
}

void NewList(GLuint list, GLenum) {
    state.recording = &state.lists[list];
    state.recording->clear();
}

void EndList() {
    state.recording = nullptr;
}

void CallList(GLuint list) {
    auto found = state.lists.find(list);
    if (found == state.lists.end()) {
        return;
    }
    for (const Step& step : found->second) {
        Play(step);
    }
}

void CallLists(GLsizei count, GLenum type, const GLvoid* lists) {
    if (type != GL_UNSIGNED_BYTE) {
        return;  // the engine names its lists by bytes only
    }
    const auto* names = static_cast<const GLubyte*>(lists);
    for (GLsizei i = 0; i < count; ++i) {
        CallList(state.listBase + names[i]);
    }
}

void ListBase(GLuint base) {
    state.listBase = base;
}

void Begin(GLenum mode) {
    state.inside = true;
    state.open = Step{};
    state.open.mode = mode;
}

void End() {
    state.inside = false;
    Step step = AsTriangles(std::move(state.open));
    if (state.recording) {
        if (!step.vertices.empty()) {
            KeepOnGraphicsSide(step);
        }
        state.recording->push_back(std::move(step));
    } else {
        Draw(step);
    }
}

void Vertex(GLfloat x, GLfloat y, GLfloat z) {
    state.current.position[0] = x;
    state.current.position[1] = y;
    state.current.position[2] = z;
    state.open.vertices.push_back(state.current);
}

void TexCoord(GLfloat s, GLfloat t) {
    state.current.texCoord[0] = s;
    state.current.texCoord[1] = t;
}

void Normal(GLfloat x, GLfloat y, GLfloat z) {
    state.current.normal[0] = x;
    state.current.normal[1] = y;
    state.current.normal[2] = z;
}

void Color(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha) {
    GLfloat* c = state.current.color;
    if (state.inside) {
        state.open.colored = true;
    } else {
        glColor4f(red, green, blue, alpha);
    }
    c[0] = red;
    c[1] = green;
    c[2] = blue;
    c[3] = alpha;
    if (state.colorMaterial && !state.inside) {
        FollowColor();
    }
}

void Translate(GLfloat x, GLfloat y, GLfloat z) {
    if (!state.recording) {
        glTranslatef(x, y, z);
        return;
    }
    Step step;
    step.move[0] = x;
    step.move[1] = y;
    step.move[2] = z;
    state.recording->push_back(std::move(step));
}

void Enable(GLenum capability) {
    if (capability == GL_COLOR_MATERIAL) {
        state.colorMaterial = true;
        FollowColor();
        return;
    }
    if (capability == GL_TEXTURE_GEN_S || capability == GL_TEXTURE_GEN_T) {
        (capability == GL_TEXTURE_GEN_S ? state.sphereMapS : state.sphereMapT) = true;
        return;
    }
    glEnable(capability);
}

void Disable(GLenum capability) {
    if (capability == GL_COLOR_MATERIAL) {
        state.colorMaterial = false;
        return;
    }
    if (capability == GL_TEXTURE_GEN_S || capability == GL_TEXTURE_GEN_T) {
        (capability == GL_TEXTURE_GEN_S ? state.sphereMapS : state.sphereMapT) = false;
        return;
    }
    glDisable(capability);
}

// Sphere mapping is the only generation the engine asks for.
void TexGeni(GLenum, GLenum, GLint) {}

// A local viewer and a separate specular colour only refine the highlights; the emulation
// lights with neither.
void LightModeli(GLenum, GLint) {}

// The emulation's lights have no attenuation.
void Lightf(GLenum, GLenum, GLfloat) {}

void Materialf(GLenum face, GLenum name, GLfloat value) {
    Materialfv(face, name, &value);
}

// The emulation keeps one front material of four colours and throws on anything else:
// back faces are not lit apart, and an emissive colour it cannot take is dropped.
void Materialfv(GLenum face, GLenum name, const GLfloat* values) {
    if (face == GL_BACK) {
        return;
    }
    if (name == GL_AMBIENT_AND_DIFFUSE) {
        glMaterialfv(face, GL_AMBIENT, values);
        glMaterialfv(face, GL_DIFFUSE, values);
    } else if (name == GL_AMBIENT || name == GL_DIFFUSE || name == GL_SPECULAR ||
               name == GL_SHININESS) {
        glMaterialfv(face, name, values);
    }
}

// Likewise a light has only its colours and position there, and the emulation keeps the
// position as given, where OpenGL moves it into eye space by the model-view matrix.
void Lightfv(GLenum light, GLenum name, const GLfloat* values) {
    if (name == GL_POSITION) {
        GLfloat m[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        GLfloat eye[4];
        for (int row = 0; row < 4; ++row) {
            eye[row] = m[row] * values[0] + m[4 + row] * values[1] + m[8 + row] * values[2] +
                       m[12 + row] * values[3];
        }
        glLightfv(light, name, eye);
    } else if (name == GL_AMBIENT || name == GL_DIFFUSE || name == GL_SPECULAR) {
        glLightfv(light, name, values);
    }
}

void ColorMaterial(GLenum face, GLenum mode) {
    state.colorMaterialFace = face;
    state.colorMaterialMode = mode;
    if (state.colorMaterial) {
        FollowColor();
    }
}

// WebGL fills every triangle; wire frames are a desktop debugging aid.
void PolygonMode(GLenum, GLenum) {}

void LookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX, GLdouble centerY,
            GLdouble centerZ, GLdouble upX, GLdouble upY, GLdouble upZ) {
    double forward[3] = {centerX - eyeX, centerY - eyeY, centerZ - eyeZ};
    double up[3] = {upX, upY, upZ};
    auto normalize = [](double* v) {
        double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        for (int i = 0; i < 3 && length > 0.0; ++i) {
            v[i] /= length;
        }
    };
    auto cross = [](const double* a, const double* b, double* out) {
        out[0] = a[1] * b[2] - a[2] * b[1];
        out[1] = a[2] * b[0] - a[0] * b[2];
        out[2] = a[0] * b[1] - a[1] * b[0];
    };
    normalize(forward);
    double side[3], trueUp[3];
    cross(forward, up, side);
    normalize(side);
    cross(side, forward, trueUp);
    const GLfloat m[16] = {GLfloat(side[0]),
                           GLfloat(trueUp[0]),
                           GLfloat(-forward[0]),
                           0,
                           GLfloat(side[1]),
                           GLfloat(trueUp[1]),
                           GLfloat(-forward[1]),
                           0,
                           GLfloat(side[2]),
                           GLfloat(trueUp[2]),
                           GLfloat(-forward[2]),
                           0,
                           0,
                           0,
                           0,
                           1};
    glMultMatrixf(m);
    glTranslatef(GLfloat(-eyeX), GLfloat(-eyeY), GLfloat(-eyeZ));
}

void Perspective(GLdouble fieldOfViewY, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    const double kDegreesToRadians = 3.14159265358979323846 / 180.0;
    const double cotangent = 1.0 / std::tan(fieldOfViewY * kDegreesToRadians / 2.0);
    const double depth = zFar - zNear;
    const GLfloat m[16] = {GLfloat(cotangent / aspect),
                           0,
                           0,
                           0,
                           0,
                           GLfloat(cotangent),
                           0,
                           0,
                           0,
                           0,
                           GLfloat(-(zFar + zNear) / depth),
                           -1,
                           0,
                           0,
                           GLfloat(-2.0 * zNear * zFar / depth),
                           0};
    glMultMatrixf(m);
}

GLint Build2DMipmaps(GLenum target, GLint, GLsizei width, GLsizei height, GLenum format,
                     GLenum type, const void* pixels) {
    glTexImage2D(target, 0, GL_RGBA, width, height, 0, format, type, pixels);
    glGenerateMipmap(target);
    return 0;
}

}  // namespace render::webgl

#endif
