// Lighting of the pixel-shaded parts: one light from the upper left, the viewer straight in front.
#pragma once

#include <cmath>

struct Vec3
{
    double x, y, z;
};

inline Vec3 normalised(Vec3 v)
{
    const double n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / n, v.y / n, v.z / n};
}
inline double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Image coordinates: x right, y down, z towards the viewer.
const Vec3 kLight = normalised({-0.45, -0.75, 0.95});
const Vec3 kHalfway = normalised({kLight.x, kLight.y, kLight.z + 1.0});

inline double diffuse(Vec3 n) { return std::fmax(0.0, dot(n, kLight)); }
inline double specular(Vec3 n, double shininess) { return std::pow(std::fmax(0.0, dot(n, kHalfway)), shininess); }

inline double smoothstep(double edge0, double edge1, double x)
{
    double t = (x - edge0) / (edge1 - edge0);
    t = t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t);
    return t * t * (3.0 - 2.0 * t);
}

constexpr double kPi = 3.14159265358979323846;
