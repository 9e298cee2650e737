// The layer's state and the matrix arithmetic its parts share.
#include "render/gles/state.h"

#include "render/gles/draw.h"
#include "render/gles/gles.h"

namespace render::gles {

namespace {

constexpr Matrix kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

State MakeState() {
    State state;
    state.modelView = state.projection = state.texture = {kIdentity};
    return state;
}

}  // namespace

State& Current() {
    static State state = MakeState();
    return state;
}

void ForgetContext() {
    DropBatch();
    ForgetLists();
    ForgetPrograms();
    Current() = MakeState();
}

std::vector<Matrix>& CurrentStack() {
    State& state = Current();
    switch (state.matrixMode) {
        case GL_PROJECTION:
            return state.projection;
        case GL_TEXTURE:
            return state.texture;
        default:
            return state.modelView;
    }
}

Matrix Multiply(const Matrix& a, const Matrix& b) {
    Matrix product{};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            product[column * 4 + row] = a[row] * b[column * 4] + a[4 + row] * b[column * 4 + 1] +
                                        a[8 + row] * b[column * 4 + 2] +
                                        a[12 + row] * b[column * 4 + 3];
        }
    }
    return product;
}

Vector4 Transform(const Matrix& m, const Vector4& v) {
    Vector4 result{};
    for (int row = 0; row < 4; ++row) {
        result[row] = m[row] * v[0] + m[4 + row] * v[1] + m[8 + row] * v[2] + m[12 + row] * v[3];
    }
    return result;
}

}  // namespace render::gles
