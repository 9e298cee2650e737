// The matrix arithmetic the layer's parts share, and the stack MatrixMode chose.
#include "render/gles/state.h"

namespace render::gles {

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
