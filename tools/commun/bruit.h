// Value noise and the small numeric helpers the picture generators share.
#pragma once

#include <cmath>
#include <cstdint>

namespace outils {

inline double borne(double v, double lo, double hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

// Smoothstep of x between e0 and e1.
inline double lisse(double e0, double e1, double x) {
    double t = borne((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

inline uint32_t hache32(int x, int y, int graine) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 static_cast<uint32_t>(graine) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

// Repeatable value in [0, 1] for an integer point.
inline double hache(int x, int y, int graine) {
    return (hache32(x, y, graine) & 0xffff) / 65535.0;
}

// Smooth value noise: the hashed corners blended with a smoothstep.
inline double bruit(double x, double y, int graine) {
    int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    double fx = x - x0, fy = y - y0;
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    double a = hache(x0, y0, graine), b = hache(x0 + 1, y0, graine);
    double c = hache(x0, y0 + 1, graine), d = hache(x0 + 1, y0 + 1, graine);
    double h = a + (b - a) * fx, l = c + (d - c) * fx;
    return h + (l - h) * fy;
}

}  // namespace outils
