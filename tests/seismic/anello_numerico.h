// A numerical solution of the thin ring, for checking the closed formulas of
// the pipe check: unit-load method on the right half of a ring symmetric about
// its vertical diameter, with every integral taken numerically.
#pragma once

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace prova {

struct Forza {
    double x = 0;
    double y = 0;
};

// Load on the right half: force per unit of angle (x to the right, y upwards)
// acting on the ring element at angle t from the crown.
using Carico = std::function<Forza(double t)>;

struct SoluzioneAnello {
    std::array<double, 3> M{};  // crown, springing, invert; > 0 stretches the inner fibre
    std::array<double, 3> N{};  // > 0 compression
    double forzaFondo = 0;      // vertical force the half ring passes on across the invert (> 0 upwards)
};

// Moment about the section at angle t of a force f applied at angle u, as the
// cross product (point - section) x force.
inline double momento(double r, double u, double t, Forza f)
{
    const double dx = r * (std::sin(u) - std::sin(t));
    const double dy = r * (std::cos(u) - std::cos(t));
    return dx * f.y - dy * f.x;
}

// n steps over [0, pi]; n a multiple of 12 puts the edges of the loads at 90
// and 150 degrees on the grid, where the midpoint rule does not straddle them.
inline SoluzioneAnello risolviAnello(const Carico& carico, double r, int n = 24000)
{
    const double pi = std::numbers::pi;
    const double h = pi / n;

    // Static moment m0(t) of the loads on [0, t] (crown released) and of the
    // unit crown force (1, 0) acting at (0, r), at the grid points.
    std::vector<double> m0(n + 1), m1(n + 1), m2(n + 1), fx(n + 1), fy(n + 1);
    std::vector<double> uMedio(n);
    std::vector<Forza> dF(n);
    for (int k = 0; k < n; ++k) {
        uMedio[k] = (k + 0.5) * h;
        const Forza f = carico(uMedio[k]);
        dF[k] = {f.x * h, f.y * h};
    }
    // Running sums over the elements on [0, t]: the moment about the section
    // is r sum(sin u fy - cos u fx) - r sin t sum(fy) + r cos t sum(fx).
    double sx = 0, sy = 0, sm = 0;
    for (int i = 0; i <= n; ++i) {
        const double t = i * h;
        if (i > 0) {
            const Forza f = dF[i - 1];
            const double u = uMedio[i - 1];
            sx += f.x;
            sy += f.y;
            sm += r * (std::sin(u) * f.y - std::cos(u) * f.x);
        }
        const double m = sm - r * std::sin(t) * sy + r * std::cos(t) * sx;
        // The moment on the section is opposite to the moment of what lies on
        // the crown side, so that a load on the top stretches the inner fibre
        // of the crown.
        m0[i] = -m;
        m1[i] = 1.0;                               // unit crown moment
        m2[i] = -momento(r, 0.0, t, {1.0, 0.0});   // unit crown compression
        fx[i] = sx;
        fy[i] = sy;
    }

    auto integrale = [&](auto f) {
        double s = 0;
        for (int i = 0; i <= n; ++i)
            s += (i == 0 || i == n ? 0.5 : 1.0) * f(i);
        return s * h;
    };
    // Flexibilities (the common factor r/EI drops out).
    const double d11 = integrale([&](int i) { return m1[i] * m1[i]; });
    const double d12 = integrale([&](int i) { return m1[i] * m2[i]; });
    const double d22 = integrale([&](int i) { return m2[i] * m2[i]; });
    const double d10 = integrale([&](int i) { return m1[i] * m0[i]; });
    const double d20 = integrale([&](int i) { return m2[i] * m0[i]; });
    const double det = d11 * d22 - d12 * d12;
    const double x1 = (-d10 * d22 + d20 * d12) / det;  // crown moment
    const double x2 = (-d20 * d11 + d10 * d12) / det;  // crown compression

    SoluzioneAnello sol;
    const int indici[3] = {0, n / 2, n};
    for (int j = 0; j < 3; ++j) {
        const int i = indici[j];
        const double t = i * h;
        sol.M[j] = m0[i] + x1 * m1[i] + x2 * m2[i];
        sol.N[j] = (x2 + fx[i]) * std::cos(t) - fy[i] * std::sin(t);
    }
    sol.forzaFondo = -fy[n];
    return sol;
}

}  // namespace prova
