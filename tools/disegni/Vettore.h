#pragma once

#include <cmath>
#include <numbers>

// Small 3D vector for posing the figures (metres; y up).
struct V3 {
    double x = 0, y = 0, z = 0;
    V3 operator+(const V3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    V3 operator-(const V3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    V3 operator*(double k) const { return {x * k, y * k, z * k}; }
    V3 operator-() const { return {-x, -y, -z}; }
    V3& operator+=(const V3& o) { return *this = *this + o; }
};

inline double punto(const V3& a, const V3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline V3 croce(const V3& a, const V3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double lunghezza(const V3& a) {
    return std::sqrt(punto(a, a));
}
inline V3 unitario(const V3& a) {
    const double l = lunghezza(a);
    return l > 1e-12 ? a * (1.0 / l) : V3{0, 1, 0};
}
inline double rad(double gradi) {
    return gradi * std::numbers::pi / 180.0;
}

// Rotates v about the unit axis k by `gradi` (right-hand rule).
inline V3 ruota(const V3& v, const V3& k, double gradi) {
    const double a = rad(gradi), c = std::cos(a), s = std::sin(a);
    return v * c + croce(k, v) * s + k * (punto(k, v) * (1 - c));
}
