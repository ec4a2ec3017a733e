// Crystalline stones: a polished amethyst slice, a sunstone full of copper
// glitter, and a milky rose-beige quartz with needles and specks inside.

#include <cmath>
#include <cstdint>

#include "det_math.h"
#include "noise.h"
#include "palette.h"
#include "shading.h"
#include "skin_recipes.h"

namespace zentrova::skin_gen {

Image RenderMottledAmethyst(int side) {
    const Ramp violet{{0.00, FromRgb8(84, 42, 104)},   {0.35, FromRgb8(112, 60, 126)},
                      {0.55, FromRgb8(138, 81, 142)},  {0.75, FromRgb8(168, 108, 168)},
                      {1.00, FromRgb8(202, 156, 204)}};
    const Color milky = FromRgb8(210, 190, 222);

    return RenderShader(side, side, 3, [&](double u, double v) {
        const double x = u * 2 - 1;
        const double y = v * 2 - 1;
        const Point2 w = Warp({x, y}, 1.3, 0.45, 2001);
        const double mottle = 0.5 + 0.5 * Fbm(w.x * 2.1, w.y * 2.1, 2002, 6);

        // A slice through packed crystals: each grain grew in hexagonal
        // layers, so its colour zones are nested hexagons.
        const Point2 g = Warp({x, y}, 1.8, 0.12, 2003, 3);
        const VoronoiCell grain = Voronoi(g.x * 1.5 + 3.1, g.y * 1.5 - 1.7, 2004, 0.9);
        const auto id = static_cast<std::int32_t>(grain.id);
        const double turn = HashUnit(id, 0, 2005) * kPi;
        const Point2 d = Rotate({g.x * 1.5 + 3.1 - grain.centerX, g.y * 1.5 - 1.7 - grain.centerY}, Cos(turn),
                                Sin(turn));
        const double hexagon = std::fmax(std::fabs(d.x), std::fmax(std::fabs(0.5 * d.x + 0.866 * d.y),
                                                                   std::fabs(0.5 * d.x - 0.866 * d.y)));
        const double zones = Sin(hexagon * 17 + HashUnit(id, 1, 2005) * 6 + 3 * mottle);
        const double depth = Smoothstep(0.05, 0.6, hexagon);  // deeper colour toward the tips
        const double grainTone = (HashUnit(id, 2, 2005) - 0.5) * 0.2;
        const double fracture = Smoothstep(0.03, 0.0, grain.border);

        const double value = 0.22 + 0.5 * mottle + 0.03 * zones - 0.08 * depth + grainTone + 0.08 * fracture;
        Color color = violet(value);
        const double quartz = Smoothstep(0.68, 0.9, 0.5 + 0.5 * Fbm(w.x * 1.6 - 4, w.y * 1.6 + 2, 2006, 5));
        color = Mix(color, milky, 0.5 * quartz);

        // The polish catches a broad soft light from the upper left.
        color = Screen(color, Gray(0.12 * Gaussian(x + 0.55, y + 0.6, 0.55)));
        const Glint glint = GlintAt(u * side, v * side, {30, 0.22, 0.5, 3.5, 0.3, 2007});
        return Screen(color, FromRgb8(245, 225, 255) * Clamp01(glint.intensity * 0.7));
    });
}

Image RenderSparkleSunstone(int side) {
    const Ramp body{{0.00, FromRgb8(200, 78, 30)}, {0.5, FromRgb8(240, 110, 50)}, {1.00, FromRgb8(255, 150, 82)}};
    const Color copper = FromRgb8(255, 160, 96);

    return RenderShader(side, side, 3, [&](double u, double v) {
        const double x = u * 2 - 1;
        const double y = v * 2 - 1;
        const Point2 w = Warp({x, y}, 1.2, 0.45, 3001);
        const double cloud = 0.5 + 0.45 * Fbm(w.x * 1.9, w.y * 1.9, 3002, 5);
        Color color = body(cloud) * (1.04 - 0.1 * (x * x + y * y));

        // Copper platelets, all lying nearly parallel: most show as a dim
        // fleck, the few that face the light flash brightly.
        const double px = u * side;
        const double py = v * side;
        const Point2 q = Rotate({px, py}, Cos(0.35), Sin(0.35));
        const VoronoiCell flake = Voronoi(q.x / 2.6, q.y / 6.0, 3003, 0.9);
        const auto id = static_cast<std::int32_t>(flake.id);
        if (HashUnit(id, 0, 3004) < 0.2) {
            const double size = 0.18 + 0.16 * HashUnit(id, 1, 3005);
            const double cover = Smoothstep(size, size * 0.6, flake.nearest);
            const double flash = Pow(HashUnit(id, 2, 3006), 4);
            color = Screen(color, copper * (cover * (0.12 + 0.7 * flash)));
        }
        const Glint glint = GlintAt(px, py, {26, 0.28, 0.5, 4.5, 0.3, 3007});
        return Screen(color, FromRgb8(255, 238, 200) * Clamp01(glint.intensity * 0.95));
    });
}

namespace {

// A rutile needle frozen in the quartz.
struct Needle {
    Point2 from;
    Point2 to;
    double width;     // in units of the picture's half side
    double strength;
};

Needle NeedleNumber(int i) {
    const double cx = HashUnit(i, 0, 4101) * 2.2 - 1.1;
    const double cy = HashUnit(i, 1, 4101) * 2.2 - 1.1;
    // Three preferred directions, as the needles follow the crystal's axes.
    const double angle = (i % 3) * kPi / 3 + 0.4 + 0.12 * (HashUnit(i, 2, 4101) - 0.5);
    const double half = 0.15 + 0.45 * HashUnit(i, 3, 4101);
    return {{cx - half * Cos(angle), cy - half * Sin(angle)},
            {cx + half * Cos(angle), cy + half * Sin(angle)},
            0.004 + 0.01 * HashUnit(i, 4, 4101),
            0.35 + 0.45 * HashUnit(i, 5, 4101)};
}

}  // namespace

Image RenderQuartzWithInclusions(int side) {
    const Ramp milk{{0.00, FromRgb8(158, 122, 112)}, {0.5, FromRgb8(188, 155, 143)}, {1.00, FromRgb8(216, 187, 175)}};
    const Color wisp = FromRgb8(236, 222, 214);
    const Color rutile = FromRgb8(132, 96, 58);
    const Color rutileShine = FromRgb8(236, 200, 130);
    const Color speck = FromRgb8(92, 70, 64);
    constexpr int kNeedles = 8;
    Needle needles[kNeedles];
    for (int i = 0; i < kNeedles; ++i) needles[i] = NeedleNumber(i);

    return RenderShader(side, side, 3, [&](double u, double v) {
        const double x = u * 2 - 1;
        const double y = v * 2 - 1;
        const Point2 w = Warp({x, y}, 1.1, 0.55, 4001);
        const double cloud = 0.5 + 0.5 * Fbm(w.x * 1.7, w.y * 1.7, 4002, 5);
        Color color = milk(cloud);
        const Point2 w2 = Warp({x, y}, 2.0, 0.3, 4003);
        const double wisps = Smoothstep(0.55, 0.85, 0.5 + 0.5 * Fbm(w2.x * 2.6, w2.y * 2.6, 4004, 5));
        color = Mix(color, wisp, 0.4 * wisps);

        for (const Needle& n : needles) {
            const double d = SegmentDistance({x, y}, n.from, n.to);
            // Deeper needles (the wider ones) are out of focus: softer, fainter.
            if (d >= n.width * 3) continue;
            // Each needle is a thin golden rod: dark along most of its length,
            // flashing where its curve meets the light.
            const double along = (x - n.from.x) * (n.to.x - n.from.x) + (y - n.from.y) * (n.to.y - n.from.y);
            const double shine = Pow(0.5 + 0.5 * Sin(along * 9 + n.strength * 20), 6);
            color = Mix(color, Mix(rutile, rutileShine, shine), n.strength * Gaussian(d, 0, n.width * 0.6));
        }

        // Dark mineral specks and a few bright veils of tiny fractures.
        const VoronoiCell cell = Voronoi(x * 7, y * 7, 4005);
        const auto id = static_cast<std::int32_t>(cell.id);
        if (HashUnit(id, 0, 4006) < 0.08) {
            const double radius = 0.04 + 0.07 * HashUnit(id, 1, 4006);
            color = Mix(color, speck, 0.5 * Smoothstep(radius, radius * 0.3, cell.nearest));
        }
        const Point2 veil = Rotate({x - 0.35, y + 0.25}, Cos(0.7), Sin(0.7));
        const double veils = Gaussian(veil.x * 0.35, veil.y * 2.5, 0.2) *
                             Smoothstep(0.2, 0.7, 0.5 + 0.5 * Fbm(x * 9, y * 9, 4007, 3));
        color = Screen(color, FromRgb8(250, 240, 235) * (0.45 * veils));

        return Screen(color, Gray(0.1 * Gaussian(x + 0.5, y + 0.55, 0.6)));
    });
}

}  // namespace zentrova::skin_gen
