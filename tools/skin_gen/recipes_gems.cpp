// Cut and polished gems: a brilliant-cut orange-red stone seen from above, a
// ruby cabochon and a deep blue rippled glass.

#include <cmath>
#include <cstdint>

#include "det_math.h"
#include "noise.h"
#include "palette.h"
#include "shading.h"
#include "skin_recipes.h"

namespace zentrova::skin_gen {

namespace {

constexpr double kCos22 = 0.92387953251128674;
constexpr double kSin22 = 0.38268343236508977;
constexpr double kCos45 = 0.70710678118654752;
constexpr double kCos11 = 0.98078528040323043;
constexpr double kSin11 = 0.19509032201612825;

// The crown of a round brilliant seen from straight above: an octagonal
// table, eight star facets on its edges, eight kite-shaped bezels at its
// corners, sixteen upper-girdle facets, and beyond the girdle the pavilion
// glimpsed in the corners of the picture.
enum class FacetKind { Table, Star, Bezel, Girdle, Pavilion };

struct Facet {
    FacetKind kind = FacetKind::Table;
    int index = 0;          // which facet of its kind
    double tilt = 0;        // radians from flat
    double azimuth = 0;     // outward direction, radians
    double tableWedge = 0;  // inside the table: the pavilion mirrored in it
};

struct BrilliantCut {
    double table = 0.56;
    double star = 0.94;
    double girdle = 1.34;
};

Facet FacetAt(Point2 p, const BrilliantCut& cut) {
    // The octagon corner nearest in angle, and p in that corner's frame
    // folded onto its upper half (the crown is mirror-symmetric there).
    int corner = 0;
    double best = -1e30;
    for (int k = 0; k < 8; ++k) {
        const double c = Cos(k * kPi / 4);
        const double s = Sin(k * kPi / 4);
        const double along = p.x * c + p.y * s;
        if (along > best) {
            best = along;
            corner = k;
        }
    }
    const double c = Cos(corner * kPi / 4);
    const double s = Sin(corner * kPi / 4);
    const double qx = p.x * c + p.y * s;
    double qy = -p.x * s + p.y * c;
    const int side = qy < 0 ? 1 : 0;
    qy = std::fabs(qy);
    const double sign = side == 0 ? 1.0 : -1.0;
    const double cornerAngle = corner * kPi / 4;

    const double tx = cut.table;                   // table corner
    const double sx = cut.star * kCos22;           // star point
    const double sy = cut.star * kSin22;
    const double gx = cut.girdle;                  // girdle point under the corner

    Facet f;
    if (qx * kCos22 + qy * kSin22 < cut.table * kCos22) {
        f.kind = FacetKind::Table;
        // The pavilion's main facets mirrored through the table: eight
        // arrows meeting in an eight-pointed star, their edges softened by
        // the depth of the stone.
        const double angle = Atan2(qy, qx);  // 0 .. pi/8 within the fold
        const double r = std::sqrt(qx * qx + qy * qy);
        const double arrow = Smoothstep(kPi / 16 + 0.05, kPi / 16 - 0.05, angle);
        const double starRadius = cut.table * (0.62 - 0.3 * angle / (kPi / 8));
        const double inner = Smoothstep(starRadius + 0.03, starRadius - 0.03, r);
        f.tableWedge = arrow * (1 - inner) + (1 - arrow) * inner * 0.6;
        f.index = 0;  // one flat facet
        return f;
    }
    const double beyondGirdleLine = (gx - sx) * (qy - sy) + sy * (qx - sx);
    if (beyondGirdleLine > 0) {
        if (qx * kCos11 + qy * kSin11 > cut.girdle * kCos11) {
            f.kind = FacetKind::Pavilion;
            f.tilt = 0.95;
        } else {
            f.kind = FacetKind::Girdle;
            f.tilt = 0.72;
        }
        f.index = corner * 2 + side;
        f.azimuth = cornerAngle + sign * kPi / 16;
        return f;
    }
    const double starSide = (sx - tx) * qy - sy * (qx - tx);
    if (starSide > 0) {
        f.kind = FacetKind::Star;
        f.index = side == 0 ? corner : (corner + 7) % 8;
        f.tilt = 0.28;
        f.azimuth = cornerAngle + sign * kPi / 8;
        return f;
    }
    f.kind = FacetKind::Bezel;
    f.index = corner;
    f.tilt = 0.6;
    f.azimuth = cornerAngle;
    return f;
}

std::uint32_t FacetId(const Facet& f) { return static_cast<std::uint32_t>(f.kind) * 64u + f.index; }

}  // namespace

Image RenderOrangeFacetedGem(int side) {
    const BrilliantCut cut;
    const Ramp fire{{0.00, FromRgb8(70, 8, 2)},     {0.30, FromRgb8(150, 32, 3)},
                    {0.50, FromRgb8(205, 58, 6)},   {0.70, FromRgb8(238, 92, 14)},
                    {0.86, FromRgb8(252, 132, 40)}, {1.00, FromRgb8(255, 196, 140)}};
    const Vec3 toLight{-0.45, -0.6, 0.66};
    const Softbox studio{-0.5, -0.55, 0.55, 0.4, 4, 0.3};
    const double pixel = 2.0 / side;
    const Point2 center{0.03, -0.02};

    return RenderShader(side, side, 3, [&](double u, double v) {
        const Point2 p{u * 2 - 1 - center.x, v * 2 - 1 - center.y};
        const Facet f = FacetAt(p, cut);
        const std::uint32_t id = FacetId(f);
        const Vec3 normal{Sin(f.tilt) * Cos(f.azimuth), Sin(f.tilt) * Sin(f.azimuth), Cos(f.tilt)};

        double value;
        if (f.kind == FacetKind::Table) {
            // Seen through the flat table: the pavilion's mirrored facets, a
            // little soft because they lie deep inside the stone.
            value = 0.4 + 0.11 * f.tableWedge + 0.05 * (HashUnit(f.index, 3, 101) - 0.5) +
                    0.1 * Gaussian(p.x + 0.2, p.y + 0.25, 0.35);
        } else {
            const double random = HashUnit(static_cast<std::int32_t>(id), 0, 202);
            value = 0.25 + 0.42 * random + 0.22 * Diffuse(normal, toLight) +
                    0.3 * SoftboxReflection(normal, studio);
        }
        // Every facet is a flat plane lit a little unevenly across it.
        const double gradientAngle = HashUnit(static_cast<std::int32_t>(id), 1, 303) * 2 * kPi;
        value += 0.09 * (p.x * Cos(gradientAngle) + p.y * Sin(gradientAngle));
        value += 0.025 * Fbm(p.x * 5, p.y * 5, 404, 3);

        // Facet junctions: the polished edges catch a thin line of light.
        const Facet right = FacetAt({p.x + pixel * 0.7, p.y}, cut);
        const Facet below = FacetAt({p.x, p.y + pixel * 0.7}, cut);
        const bool edge = FacetId(right) != id || FacetId(below) != id;
        if (edge) value += f.kind == FacetKind::Table ? -0.1 : 0.1;

        Color color = fire(value);
        // A faint play of colour in a few facets.
        const double tint = HashUnit(static_cast<std::int32_t>(id), 2, 505);
        if (tint > 0.85) color = Mix(color, FromRgb8(255, 150, 60), 0.25);
        if (tint < 0.08) color = Mix(color, FromRgb8(170, 20, 30), 0.3);

        const Glint glint = GlintAt(u * side, v * side, {26, 0.22, 0.55, 5, 0.3, 606});
        return Screen(color, FromRgb8(255, 235, 200) * Clamp01(glint.intensity * 0.9));
    });
}

Image RenderRubyCabochon(int side) {
    const Ramp ruby{{0.00, FromRgb8(40, 2, 6)},    {0.35, FromRgb8(112, 8, 15)},
                    {0.60, FromRgb8(180, 19, 24)}, {0.85, FromRgb8(228, 40, 46)},
                    {1.00, FromRgb8(255, 100, 100)}};
    const Softbox mainLight{-0.55, -0.6, 0.26, 0.17, 5, 0.1, 1, 1, 0.0, 0.55, 0.45};
    const Softbox fillLight{0.75, 0.7, 0.14, 0.08, 3, 0.3};

    return RenderShader(side, side, 3, [&](double u, double v) {
        const double x = u * 2 - 1;
        const double y = v * 2 - 1;
        const Vec3 n = DomeNormal(x * 0.92, y * 0.92, 0.9);
        const double r = std::sqrt(x * x + y * y);

        // Light entering at the upper left gathers at the lower right; the
        // curved back of the stone mirrors it again as dimmer lobes.
        const double glow = 0.5 + 0.36 * Gaussian(x - 0.3, y - 0.34, 0.5) +
                            0.12 * Gaussian(x + 0.25, y - 0.5, 0.3) - 0.1 * Gaussian(x + 0.1, y + 0.05, 0.35);
        const double rim = Smoothstep(0.5, 1.45, r);
        const Point2 w = Warp({x, y}, 1.4, 0.35, 707);
        const double mottle = 0.09 * Fbm(w.x * 2.4, w.y * 2.4, 808, 5);

        // Silk: fine rutile needles in three directions, 60 degrees apart.
        double silk = 0;
        for (int k = 0; k < 3; ++k) {
            const Point2 q = Rotate({x, y}, Cos(k * kPi / 3 + 0.3), Sin(k * kPi / 3 + 0.3));
            const double line = 1 - std::fabs(GradientNoise(q.x * 2.2, q.y * 30, 909 + k));
            silk += Pow(line, 24) * Smoothstep(-0.1, 0.5, Fbm(q.x * 1.3, q.y * 1.3, 919 + k, 3));
        }

        const double value = glow * (1 - 0.5 * rim) + mottle;
        Color color = ruby(value);
        color = Screen(color, FromRgb8(255, 150, 160) * (0.12 * silk));
        const double fresnel = Pow(1 - n.z, 2.5);
        color = Screen(color, FromRgb8(255, 170, 175) * (0.25 * fresnel));
        color = Screen(color, FromRgb8(255, 240, 240) * SoftboxReflection(n, mainLight));
        color = Screen(color, FromRgb8(255, 200, 200) * (0.4 * SoftboxReflection(n, fillLight)));
        return color;
    });
}

Image RenderDeepBlueGlass(int side) {
    const Ramp blue{{0.00, FromRgb8(22, 26, 95)},   {0.40, FromRgb8(58, 72, 168)},
                    {0.70, FromRgb8(92, 110, 212)}, {1.00, FromRgb8(150, 168, 240)}};
    const Vec3 keyLight{-0.45, -0.6, 0.66};
    const Vec3 rimLight{0.6, 0.35, 0.72};
    const Softbox window{-0.34, -0.4, 0.14, 0.09, 6, 0.12};

    auto height = [](double x, double y) {
        const Point2 w = Warp({x, y}, 0.8, 0.45, 1111, 3);
        return 0.6 * Fbm(w.x * 0.95, w.y * 0.95, 1212, 3, 2.1, 0.42);
    };

    return RenderShader(side, side, 3, [&](double u, double v) {
        const double x = u * 2 - 1;
        const double y = v * 2 - 1;
        constexpr double e = 0.004;
        const double h = height(x, y);
        const double hx = (height(x + e, y) - height(x - e, y)) / (2 * e);
        const double hy = (height(x, y + e) - height(x, y - e)) / (2 * e);
        const Vec3 n = Normalize({-hx * 0.32, -hy * 0.32, 1});

        // Thicker glass is darker; the slope toward the light brightens it.
        const double value = 0.52 + 0.35 * h + 0.25 * (Diffuse(n, keyLight) - 0.66) -
                             0.12 * (x * x + y * y) * 0.5;
        Color color = blue(value);
        const double glossy = 0.8 * Specular(n, keyLight, 140) + 0.3 * Specular(n, rimLight, 60);
        color = Screen(color, FromRgb8(235, 240, 255) * Clamp01(glossy));
        color = Screen(color, FromRgb8(225, 232, 255) * (0.6 * SoftboxReflection(n, window)));
        return color;
    });
}

}  // namespace zentrova::skin_gen
