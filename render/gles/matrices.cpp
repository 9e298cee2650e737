// The matrix stacks and the transforms the engine builds its views with, GLU's included.
#include <cmath>

#include "render/gles/context.h"

namespace render::gles {

namespace {

// The deepest the engine pushes; a push beyond it is refused as OpenGL refuses it.
constexpr size_t kStackDepth = 32;

// The top of the current stack, about to change. The shaders take no texture matrix: a
// change to it is counted, not drawn.
Matrix& ChangingTop() {
    if (Current().matrixMode == GL_TEXTURE) {
        Unsupported("a texture matrix");
    }
    return CurrentStack().back();
}

void MultiplyCurrent(const Matrix& m) {
    Matrix& top = ChangingTop();
    top = Multiply(top, m);
}

Matrix FromDoubles(const double (&m)[16]) {
    Matrix result{};
    for (int i = 0; i < 16; ++i) {
        result[i] = static_cast<GLfloat>(m[i]);
    }
    return result;
}

void Normalize(double (&v)[3]) {
    double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (length > 0.0) {
        for (double& c : v) {
            c /= length;
        }
    }
}

void Cross(const double (&a)[3], const double (&b)[3], double (&out)[3]) {
    out[0] = a[1] * b[2] - a[2] * b[1];
    out[1] = a[2] * b[0] - a[0] * b[2];
    out[2] = a[0] * b[1] - a[1] * b[0];
}

}  // namespace

void MatrixMode(GLenum mode) {
    if (InList([mode] { MatrixMode(mode); })) {
        return;
    }
    if (mode != GL_MODELVIEW && mode != GL_PROJECTION && mode != GL_TEXTURE) {
        Unsupported("glMatrixMode", mode);
        return;
    }
    Current().matrixMode = mode;
}

void LoadIdentity() {
    if (InList([] { LoadIdentity(); })) {
        return;
    }
    CurrentStack().back() = kIdentity;
}

void PushMatrix() {
    if (InList([] { PushMatrix(); })) {
        return;
    }
    std::vector<Matrix>& stack = CurrentStack();
    if (stack.size() < kStackDepth) {
        stack.push_back(stack.back());
    } else {
        Unsupported("glPushMatrix beyond the stack's depth");
    }
}

void PopMatrix() {
    if (InList([] { PopMatrix(); })) {
        return;
    }
    std::vector<Matrix>& stack = CurrentStack();
    if (stack.size() > 1) {
        stack.pop_back();
    } else {
        Unsupported("glPopMatrix of the stack's last matrix");
    }
}

void Translatef(GLfloat x, GLfloat y, GLfloat z) {
    if (InList([=] { Translatef(x, y, z); })) {
        return;
    }
    Matrix& m = ChangingTop();
    for (int row = 0; row < 4; ++row) {
        m[12 + row] += m[row] * x + m[4 + row] * y + m[8 + row] * z;
    }
}

void Scalef(GLfloat x, GLfloat y, GLfloat z) {
    if (InList([=] { Scalef(x, y, z); })) {
        return;
    }
    Matrix& m = ChangingTop();
    for (int row = 0; row < 4; ++row) {
        m[row] *= x;
        m[4 + row] *= y;
        m[8 + row] *= z;
    }
}

void MultMatrixf(const GLfloat* matrix) {
    Matrix m{};
    std::copy(matrix, matrix + 16, m.begin());
    if (InList([m] { MultMatrixf(m.data()); })) {
        return;
    }
    MultiplyCurrent(m);
}

void Ortho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
           GLdouble zFar) {
    if (InList([=] { Ortho(left, right, bottom, top, zNear, zFar); })) {
        return;
    }
    const double m[16] = {2 / (right - left),
                          0,
                          0,
                          0,
                          0,
                          2 / (top - bottom),
                          0,
                          0,
                          0,
                          0,
                          -2 / (zFar - zNear),
                          0,
                          -(right + left) / (right - left),
                          -(top + bottom) / (top - bottom),
                          -(zFar + zNear) / (zFar - zNear),
                          1};
    MultiplyCurrent(FromDoubles(m));
}

void Perspective(GLdouble fieldOfViewY, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    if (InList([=] { Perspective(fieldOfViewY, aspect, zNear, zFar); })) {
        return;
    }
    const double halfAngle = fieldOfViewY / 2 * M_PI / 180;
    const double depth = zFar - zNear;
    const double sine = std::sin(halfAngle);
    if (depth == 0 || sine == 0 || aspect == 0) {
        return;
    }
    const double cotangent = std::cos(halfAngle) / sine;
    const double m[16] = {cotangent / aspect,
                          0,
                          0,
                          0,
                          0,
                          cotangent,
                          0,
                          0,
                          0,
                          0,
                          -(zFar + zNear) / depth,
                          -1,
                          0,
                          0,
                          -2 * zNear * zFar / depth,
                          0};
    MultiplyCurrent(FromDoubles(m));
}

void LookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX, GLdouble centerY,
            GLdouble centerZ, GLdouble upX, GLdouble upY, GLdouble upZ) {
    if (InList([=] { LookAt(eyeX, eyeY, eyeZ, centerX, centerY, centerZ, upX, upY, upZ); })) {
        return;
    }
    double forward[3] = {centerX - eyeX, centerY - eyeY, centerZ - eyeZ};
    double up[3] = {upX, upY, upZ};
    Normalize(forward);
    double side[3];
    Cross(forward, up, side);
    Normalize(side);
    Cross(side, forward, up);
    const double m[16] = {side[0], up[0], -forward[0], 0, side[1], up[1], -forward[1], 0,
                          side[2], up[2], -forward[2], 0, 0,       0,     0,           1};
    MultiplyCurrent(FromDoubles(m));
    Translatef(static_cast<GLfloat>(-eyeX), static_cast<GLfloat>(-eyeY),
               static_cast<GLfloat>(-eyeZ));
}

}  // namespace render::gles
