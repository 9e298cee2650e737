// Vector: four floats used for positions, normals and colours (r, g, b, a).
#pragma once

#include <array>
#include <cmath>

namespace scene {

class Vector {
public:
    Vector() = default;
    Vector(float x, float y, float z) : x(x), y(y), z(z) {}
    Vector(float x, float y, float z, float w) : x(x), y(y), z(z), w(w) {}
    virtual ~Vector() = default;
    Vector(const Vector&) = default;
    Vector& operator=(const Vector&) = default;

    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 1.0f;

    Vector operator+(const Vector& o) const { return Vector(x + o.x, y + o.y, z + o.z); }
    Vector operator-(const Vector& o) const { return Vector(x - o.x, y - o.y, z - o.z); }
    // Scales all four components.
    Vector operator*(float s) const { return Vector(x * s, y * s, z * s, w * s); }
    // Negates x, y and z; w is kept.
    Vector operator-() const { return Vector(-x, -y, -z, w); }

    // x, y, z, w in a row, as OpenGL's vector calls take them.
    std::array<float, 4> Components() const { return {x, y, z, w}; }

    float Length() const { return std::sqrt(x * x + y * y + z * z); }
    float Dot(const Vector& o) const { return x * o.x + y * o.y + z * o.z; }
    Vector Cross(const Vector& o) const {
        return Vector(y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x);
    }
    // Divides all four components by the length of x, y, z, unless that is 0.
    void Normalize() {
        float length = Length();
        if (length != 0.0f) {
            x /= length;
            y /= length;
            z /= length;
            w /= length;
        }
    }
};

}  // namespace scene
