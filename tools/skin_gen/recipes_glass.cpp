// Amber and glass: light passing through, so glows, streaks, bubbles and
// mirrored windows rather than surface texture.

#include <cmath>
#include <cstdint>

#include "det_math.h"
#include "noise.h"
#include "palette.h"
#include "shading.h"
#include "skin_recipes.h"

namespace zentrova::skin_gen {

namespace {

// A disc-shaped stress fracture ("sun spangle") inside amber: a golden
// flat disc with a brighter rim and fine radial crinkles.
double SpangleAt(Point2 p, double frequency, double probability, std::uint32_t seed) {
    const VoronoiCell cell = Voronoi(p.x * frequency, p.y * frequency, seed, 0.7);
    const auto id = static_cast<std::int32_t>(cell.id);
    if (HashUnit(id, 0, seed + 1) >= probability) return 0.0;
    const double radius = 0.16 + 0.14 * HashUnit(id, 1, seed + 2);
    const double d = cell.nearest / radius;
    if (d > 1.1) return 0.0;
    const double angle = Atan2(p.y * frequency - cell.centerY, p.x * frequency - cell.centerX);
    const double crinkle = Pow(std::fabs(Sin(angle * 7 + HashUnit(id, 2, seed + 3) * 6)), 6);
    const double disc = Smoothstep(1.05, 0.9, d);
    return disc * (0.35 + 0.35 * crinkle * d + 0.5 * Smoothstep(0.7, 0.98, d));
}

}  // namespace

Image RenderGlowingAmber(int side) {
    const Ramp amber{{0.00, FromRgb8(118, 40, 3)},  {0.30, FromRgb8(178, 78, 8)},
                     {0.50, FromRgb8(212, 106, 13)}, {0.70, FromRgb8(238, 138, 24)},
                     {0.86, FromRgb8(252, 172, 48)}, {1.00, FromRgb8(255, 210, 105)}};
    const Softbox light{-0.55, -0.6, 0.2, 0.13, 5, 0.15, 1, 1, 0.0, 0.55, 0.35};

    return RenderShader(side, side, 3, [&](double u, double v) {
        const double x = u * 2 - 1;
        const double y = v * 2 - 1;
        const double glow = Gaussian(x - 0.15, y - 0.18, 0.65);
        const Point2 w = Warp({x, y}, 1.2, 0.4, 9001);
        const double cloud = Fbm(w.x * 1.8, w.y * 1.8, 9002, 5);

        // Shafts of light through the resin: long thin crests of noise
        // stretched along one direction.
        const Point2 r = Rotate(Warp({x, y}, 0.9, 0.25, 9003, 3), Cos(0.45), Sin(0.45));
        const double streak = Pow(RidgedFbm(r.x * 0.7, r.y * 4.0, 9004, 4), 5);

        double value = 0.22 + 0.5 * glow + 0.13 * cloud + 0.32 * streak * (0.4 + 0.6 * glow);
        value += 0.16 * SpangleAt({x, y}, 3.0, 0.14, 9005);
        Color color = amber(value);

        const Bubble bubble = BubbleAt({x, y}, 8.0, 0.06, 0.16, 9006);
        color = Mix(color, amber(value - 0.25), 0.6 * bubble.rim);
        color = Screen(color, FromRgb8(255, 235, 190) * (0.7 * bubble.glint));

        const Vec3 n = DomeNormal(x * 0.92, y * 0.92, 0.9);
        return Screen(color, FromRgb8(255, 242, 210) * (0.6 * SoftboxReflection(n, light)));
    });
}

Image RenderDarkAmber(int side) {
    const Ramp resin{{0.00, FromRgb8(34, 21, 8)},  {0.30, FromRgb8(68, 45, 18)},
                     {0.50, FromRgb8(92, 63, 27)}, {0.70, FromRgb8(134, 88, 35)},
                     {1.00, FromRgb8(192, 126, 50)}};
    const Color debris = FromRgb8(24, 15, 6);
    const Softbox light{-0.55, -0.6, 0.22, 0.12, 5, 0.15, 1, 1, 0.0, 0.55, 0.35};

    return RenderShader(side, side, 3, [&](double u, double v) {
        const double x = u * 2 - 1;
        const double y = v * 2 - 1;
        // Flow layers from when the resin ran, folded by the warp.
        const Point2 w = Warp({x, y}, 1.0, 0.6, 10001);
        const double layers = 0.5 + 0.5 * Sin(w.y * 10 + 2 * Fbm(w.x * 1.3, w.y * 1.3, 10002, 4));
        const double cloud = Fbm(w.x * 2.2, w.y * 2.2, 10003, 5);
        const double glow = Gaussian(x - 0.3, y - 0.25, 0.6);

        const double flowLine = Pow(1 - std::fabs(Sin(w.y * 7 + 2.5 * Fbm(w.x * 1.1, w.y * 1.1, 10007, 4))), 10);
        const double value = 0.24 + 0.1 * layers + 0.1 * cloud + 0.42 * glow + 0.1 * flowLine * (0.4 + glow);
        Color color = resin(value);

        const VoronoiCell cell = Voronoi(x * 9, y * 9, 10004);
        const auto id = static_cast<std::int32_t>(cell.id);
        if (HashUnit(id, 0, 10005) < 0.06) {
            const double radius = 0.05 + 0.08 * HashUnit(id, 1, 10005);
            color = Mix(color, debris, 0.55 * Smoothstep(radius, radius * 0.3, cell.nearest));
        }
        const Bubble bubble = BubbleAt({x, y}, 7.0, 0.05, 0.15, 10006);
        color = Mix(color, resin(value - 0.2), 0.6 * bubble.rim);
        color = Screen(color, FromRgb8(240, 210, 160) * (0.55 * bubble.glint));

        const Vec3 n = DomeNormal(x * 0.92, y * 0.92, 0.9);
        return Screen(color, FromRgb8(240, 222, 195) * (0.5 * SoftboxReflection(n, light)));
    });
}

Image RenderGlassSphere(int side) {
    const Ramp sky{{0.00, FromRgb8(50, 96, 112)}, {0.5, FromRgb8(112, 162, 172)}, {1.00, FromRgb8(182, 220, 226)}};
    const Softbox window{-0.62, -0.66, 0.36, 0.3, 10, 0.06, 3, 2, 0.07};
    const Softbox sideWindow{0.85, -0.45, 0.16, 0.26, 10, 0.08, 1, 2, 0.1};
    constexpr double kRadius = 1.1;
    const Point2 center{0.0, 0.02};

    return RenderShader(side, side, 3, [&](double u, double v) {
        const double x = (u * 2 - 1 - center.x) / kRadius;
        const double y = (v * 2 - 1 - center.y) / kRadius;
        const double r2 = x * x + y * y;
        if (r2 >= 1) {
            // The room behind, out of focus.
            const double level = 0.42 - 0.12 * y + 0.05 * Fbm(x * 1.2, y * 1.2, 11001, 3);
            return sky(level);
        }
        const double r = std::sqrt(r2);
        const Vec3 n{x, y, std::sqrt(1 - r2)};

        // Through the ball the room is seen upside down: the bright sky
        // at the bottom, and the window's image small and blurred.
        const Point2 e{-x * 0.8, -y * 0.8};
        double level = 0.5 - 0.45 * e.y + 0.12 * Fbm(e.x * 1.5, e.y * 1.5, 11002, 4);
        const double windowImage = Gaussian(x - 0.3, y - 0.4, 0.13);
        level += 0.25 * windowImage;
        Color color = sky(level);
        // Thick glass toward the rim turns dark, with a thin bright edge.
        color = color * Mix(1.0, 0.5, Smoothstep(0.72, 0.99, r));
        const double fresnel = 0.04 + 0.96 * Pow(1 - n.z, 5);
        color = Screen(color, FromRgb8(205, 232, 240) * (0.7 * fresnel));
        // Light focused by the ball onto its far side.
        color = Screen(color, FromRgb8(225, 248, 250) * (0.45 * Gaussian(x - 0.12, y - 0.6, 0.13)));

        color = Screen(color, FromRgb8(242, 250, 255) * (0.85 * SoftboxReflection(n, window)));
        return Screen(color, FromRgb8(235, 245, 250) * (0.45 * SoftboxReflection(n, sideWindow)));
    });
}

Image RenderPaleGlass(int side) {
    const Ramp glass{{0.00, FromRgb8(104, 142, 160)}, {0.5, FromRgb8(141, 176, 190)}, {1.00, FromRgb8(184, 212, 222)}};
    const Softbox window{-0.3, -0.34, 0.16, 0.11, 6, 0.25, 1, 1, 0.0, 0.4};
    const Vec3 toLight{-0.45, -0.6, 0.66};

    // Hammered glass: the cast surface is covered with shallow dimples.
    auto height = [](double x, double y) {
        const Point2 w = Warp({x, y}, 1.5, 0.08, 12001, 3);
        const VoronoiCell cell = Voronoi(w.x * 3.4, w.y * 3.4, 12002, 0.85);
        return -0.5 * cell.nearest * cell.nearest + 0.04 * Fbm(x * 3, y * 3, 12003, 3);
    };

    return RenderShader(side, side, 3, [&](double u, double v) {
        const double x = u * 2 - 1;
        const double y = v * 2 - 1;
        constexpr double e = 0.004;
        const double hx = (height(x + e, y) - height(x - e, y)) / (2 * e);
        const double hy = (height(x, y + e) - height(x, y - e)) / (2 * e);
        const Vec3 n = Normalize({-hx * 0.22, -hy * 0.22, 1});

        // The soft light behind the pane, displaced by each dimple's lens.
        const double bx = x + n.x * 0.9;
        const double by = y + n.y * 0.9;
        double level = 0.5 + 0.18 * (-by * 0.7 + bx * 0.25) + 0.07 * Fbm(bx * 1.2, by * 1.2, 12004, 3);
        level += 0.16 * (Diffuse(n, toLight) - 0.66);
        Color color = glass(level);

        const Bubble bubble = BubbleAt({x, y}, 7.0, 0.08, 0.1, 12005);
        color = Mix(color, glass(level - 0.3), 0.4 * bubble.rim);
        color = Screen(color, FromRgb8(240, 250, 255) * (0.5 * bubble.glint));
        color = Screen(color, FromRgb8(235, 245, 250) * (0.3 * Clamp01(Specular(n, toLight, 90))));
        return Screen(color, FromRgb8(235, 245, 250) * (0.25 * SoftboxReflection(DomeNormal(x, y, 0.6), window)));
    });
}

Image RenderRoseGlass(int side) {
    const Ramp rose{{0.00, FromRgb8(150, 78, 104)}, {0.5, FromRgb8(197, 121, 144)}, {1.00, FromRgb8(240, 172, 192)}};
    const Softbox window{-0.1, -0.66, 0.62, 0.07, 6, 0.15, 1, 1, 0.0, 0.35, 0.0};
    const Softbox lamp{0.62, 0.58, 0.1, 0.06, 3, 0.3};
    const Vec3 toLight{-0.45, -0.6, 0.66};

    return RenderShader(side, side, 3, [&](double u, double v) {
        const double x = u * 2 - 1;
        const double y = v * 2 - 1;
        const Point2 w = Warp({x, y}, 1.0, 0.5, 13001);
        const double cloud = Fbm(w.x * 1.5, w.y * 1.5, 13003, 5);
        // Striae: faint threads of denser glass from the working of the melt.
        const Point2 s = Warp(w, 0.9, 0.45, 13002, 3);
        const double striae = Pow(1 - std::fabs(Sin((s.x * 0.8 + s.y * 0.55) * 7)), 14);

        const Vec3 n = DomeNormal(x * 0.92, y * 0.92, 0.9);
        const double rim = Smoothstep(0.6, 1.45, std::sqrt(x * x + y * y));
        // Light through the dome gathers on the side away from the lamp.
        const double caustic = Gaussian(x - 0.3, y - 0.32, 0.42);
        const double level = 0.44 + 0.14 * cloud + 0.16 * (Diffuse(n, toLight) - 0.7) - 0.26 * rim +
                             0.3 * caustic + 0.05 * striae;
        Color color = rose(level);

        const Bubble bubble = BubbleAt({x, y}, 7.0, 0.06, 0.12, 13004);
        color = Mix(color, rose(level - 0.3), 0.5 * bubble.rim);
        color = Screen(color, FromRgb8(255, 240, 245) * (0.6 * bubble.glint));
        color = Screen(color, FromRgb8(255, 240, 246) * (0.8 * SoftboxReflection(n, window)));
        return Screen(color, FromRgb8(255, 225, 235) * (0.35 * SoftboxReflection(n, lamp)));
    });
}

}  // namespace zentrova::skin_gen
