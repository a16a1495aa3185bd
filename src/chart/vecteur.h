#pragma once

#include <cstdint>

// A pair of 32-bit integers: a point or an extent in page units.
struct Tpaire {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// A 2-D vector of 32-bit floats, for the page geometry of a chart.
struct Tvecteur {
    float x = 0.0f;
    float y = 0.0f;

    Tvecteur() = default;
    Tvecteur(float vx, float vy) : x(vx), y(vy) {}
    explicit Tvecteur(const Tpaire& p) : x(static_cast<float>(p.x)), y(static_cast<float>(p.y)) {}

    Tvecteur& operator+=(const Tvecteur& b);
    Tvecteur& operator/=(float f);
};

Tvecteur operator+(const Tvecteur& a, const Tvecteur& b);
Tvecteur operator-(const Tvecteur& a, const Tvecteur& b);
Tvecteur operator*(const Tvecteur& a, float f);
Tvecteur operator/(const Tvecteur& a, float f);

// Complex product (a.x·b.x - a.y·b.y, a.x·b.y + a.y·b.x): by (0, 1) it turns a
// quarter turn, from the x direction towards the y direction.
Tvecteur operator*(const Tvecteur& a, const Tvecteur& b);
