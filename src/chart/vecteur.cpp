#include "chart/vecteur.h"

Tvecteur& Tvecteur::operator+=(const Tvecteur& b) {
    x += b.x;
    y += b.y;
    return *this;
}

Tvecteur& Tvecteur::operator/=(float f) {
    x /= f;
    y /= f;
    return *this;
}

Tvecteur operator+(const Tvecteur& a, const Tvecteur& b) {
    return {a.x + b.x, a.y + b.y};
}

Tvecteur operator-(const Tvecteur& a, const Tvecteur& b) {
    return {a.x - b.x, a.y - b.y};
}

Tvecteur operator*(const Tvecteur& a, float f) {
    return {a.x * f, a.y * f};
}

Tvecteur operator/(const Tvecteur& a, float f) {
    return {a.x / f, a.y / f};
}

Tvecteur operator*(const Tvecteur& a, const Tvecteur& b) {
    return {a.x * b.x - a.y * b.y, a.x * b.y + a.y * b.x};
}
