// Opaque polished surfaces: a silver-grey satin sheen, a turquoise cabochon
// with its matrix veins, a teal-green dome mirroring a window, gold leaf.

#include <cmath>
#include <cstdint>

#include "det_math.h"
#include "noise.h"
#include "palette.h"
#include "shading.h"
#include "skin_recipes.h"

namespace zentrova::skin_gen {

Image RenderSilverSheen(int side) {
    return RenderShader(side, side, 2, [&](double u, double v) {
        const double x = u * 2 - 1;
        const double y = v * 2 - 1;
        const Point2 r = Rotate({x, y}, Cos(-0.35), Sin(-0.35));

        // Fine parallel fibres under the polish, and broad chatoyant bands
        // that roll across them.
        const double fibres = 0.035 * Fbm(r.x * 1.6, r.y * 70, 5001, 3) + 0.02 * Fbm(r.x * 4, r.y * 160, 5002, 2);
        const double bands = 0.5 + 0.5 * Sin(r.y * 3.2 + 1.3 * Fbm(x * 0.9, y * 0.9, 5003, 3));
        const double mottle = 0.03 * Fbm(x * 3, y * 3, 5004, 4);
        const double highlight = Gaussian(x + 0.35, y + 0.45, 0.5);

        const double level = 0.6 + 0.2 * bands + fibres + mottle + 0.1 * highlight;
        // Cool in the bright sheen, faintly warm in the shadow between.
        return Color{level * (1.0 + 0.02 * (0.5 - bands)), level, level * (1.0 + 0.025 * (bands - 0.5))};
    });
}

Image RenderTurquoise(int side) {
    const Ramp stone{{0.00, FromRgb8(92, 196, 212)}, {0.5, FromRgb8(131, 229, 243)}, {1.00, FromRgb8(172, 246, 252)}};
    const Color matrix = FromRgb8(104, 128, 112);
    const Vec3 toLight{-0.45, -0.6, 0.66};
    const Softbox light{-0.6, -0.64, 0.26, 0.17, 2.5, 0.3, 1, 1, 0.0, 0.5};

    return RenderShader(side, side, 3, [&](double u, double v) {
        const double x = u * 2 - 1;
        const double y = v * 2 - 1;
        const Point2 w = Warp({x, y}, 1.4, 0.4, 6001);
        const double mottle = 0.5 + 0.5 * Fbm(w.x * 2.3, w.y * 2.3, 6002, 6);
        Color color = stone(mottle);

        // The spiderweb matrix: cell borders of a warped cellular pattern,
        // of varying width and broken off in places, plus finer cracks.
        const Point2 wv = Warp(w, 3.0, 0.06, 6003, 3);
        const VoronoiCell cell = Voronoi(wv.x * 2.6, wv.y * 2.6, 6004);
        const double width = 0.02 + 0.035 * (0.5 + 0.5 * Fbm(x * 3, y * 3, 6005, 3));
        const double present = Smoothstep(-0.25, 0.25, Fbm(x * 1.7, y * 1.7, 6006, 3));
        const double vein = Smoothstep(width, width * 0.35, cell.border) * present;
        const double crack = Pow(RidgedFbm(w.x * 4, w.y * 4, 6007, 4), 14);
        color = Mix(color, matrix, Clamp01(0.8 * vein + 0.45 * crack));

        const Vec3 n = DomeNormal(x * 0.92, y * 0.92, 0.85);
        color = color * (0.88 + 0.16 * Diffuse(n, toLight));
        color = Screen(color, Gray(0.1 * Specular(n, toLight, 8)));
        return Screen(color, FromRgb8(250, 255, 255) * (0.9 * SoftboxReflection(n, light)));
    });
}

Image RenderTealDome(int side) {
    const Ramp jade{{0.00, FromRgb8(24, 62, 50)},    {0.45, FromRgb8(56, 110, 88)},
                    {0.75, FromRgb8(84, 146, 118)},  {1.00, FromRgb8(130, 186, 160)}};
    const Color matrix = FromRgb8(30, 58, 48);
    const Vec3 toLight{-0.45, -0.6, 0.66};
    const Softbox window{-0.6, -0.66, 0.3, 0.2, 10, 0.05, 3, 2, 0.06, 0.3, 0.6};

    return RenderShader(side, side, 3, [&](double u, double v) {
        const double x = u * 2 - 1;
        const double y = v * 2 - 1;
        const Vec3 n = DomeNormal(x * 0.95, y * 0.95, 0.95);
        const double r2 = x * x + y * y;
        const Point2 w = Warp({x, y}, 1.3, 0.45, 7001);
        const double mottle = 0.5 + 0.5 * Fbm(w.x * 2.0, w.y * 2.0, 7002, 6);
        const double bands = Sin(std::sqrt(r2) * 13 + 3 * Fbm(x * 1.2, y * 1.2, 7003, 3));

        // Light scatters inside the stone, so the dome glows at its centre
        // and darkens toward its foot.
        const double shade = 0.5 + 0.3 * Diffuse(n, toLight) + 0.3 * Gaussian(x + 0.05, y + 0.05, 0.55) -
                             0.3 * Smoothstep(0.55, 1.4, std::sqrt(r2));
        const double value = 0.55 * mottle * shade + 0.42 * shade + 0.03 * bands;
        Color color = jade(value);
        // Darker cloudy patches of the host rock.
        const double host = Smoothstep(0.58, 0.85, 0.5 + 0.5 * Fbm(x * 2.6 + 2, y * 2.6, 7004, 4));
        color = Mix(color, matrix, 0.3 * host);
        const double speckle = Fbm(x * 22, y * 22, 7005, 2);
        color = color * (1 + 0.06 * speckle);

        color = Screen(color, FromRgb8(200, 235, 220) * (0.1 * Specular(n, toLight, 10)));
        const double fresnel = Pow(1 - n.z, 3);
        color = Screen(color, FromRgb8(170, 215, 200) * (0.2 * fresnel));
        return Screen(color, FromRgb8(240, 252, 248) * (0.85 * SoftboxReflection(n, window)));
    });
}

Image RenderGoldFoil(int side) {
    const Ramp gold{{0.00, FromRgb8(100, 58, 5)},    {0.30, FromRgb8(158, 104, 15)},
                    {0.55, FromRgb8(200, 138, 26)},  {0.80, FromRgb8(240, 184, 60)},
                    {0.95, FromRgb8(255, 224, 128)}, {1.00, FromRgb8(255, 240, 188)}};
    const Color substrate = FromRgb8(92, 55, 8);

    // One layer of torn leaf: straight-edged flakes, each tilted its own way
    // and crumpled along sharp folds.
    struct Layer {
        double scale;
        std::uint32_t seed;
    };
    auto leaf = [](Point2 p, const Layer& layer, double& edge) {
        const Point2 w = Warp(p, 3.0, 0.06, layer.seed, 3);
        const VoronoiCell cell = Voronoi(w.x * layer.scale, w.y * layer.scale, layer.seed + 1, 0.85);
        const auto id = static_cast<std::int32_t>(cell.id);
        const double tilt = HashUnit(id, 0, layer.seed + 2);
        const double bendAngle = HashUnit(id, 1, layer.seed + 3) * 2 * kPi;
        const double bend = 0.25 * ((w.x * layer.scale - cell.centerX) * Cos(bendAngle) +
                                    (w.y * layer.scale - cell.centerY) * Sin(bendAngle));
        const double fold = Pow(RidgedFbm(w.x * layer.scale * 2.2 + id % 97, w.y * layer.scale * 2.2, layer.seed + 4, 3), 5);
        const double foldSign = HashUnit(id, 2, layer.seed + 5) < 0.5 ? -1.0 : 1.0;
        edge = Smoothstep(0.045, 0.0, cell.border) * (HashUnit(id, 3, layer.seed + 6) < 0.35 ? -1.0 : 0.6);
        return 0.3 + 0.5 * tilt + bend + 0.22 * foldSign * fold;
    };

    return RenderShader(side, side, 3, [&](double u, double v) {
        const double x = u * 2 - 1;
        const double y = v * 2 - 1;
        double edge = 0;
        double value = leaf({x, y}, {2.2, 8001}, edge);
        Color color = gold(value - 0.05 * (x + y));
        if (edge < 0) color = Mix(color, substrate, -0.6 * edge);
        if (edge > 0) color = Mix(color, gold(0.97), 0.5 * edge);

        // Smaller flakes lie on top in drifts.
        const double drift = Smoothstep(0.05, 0.25, Fbm(x * 1.4 + 7, y * 1.4 - 3, 8100, 3));
        if (drift > 0) {
            double topEdge = 0;
            const double top = leaf({x, y}, {5.0, 8201}, topEdge);
            Color flake = gold(top - 0.05 * (x + y));
            if (topEdge != 0) flake = Mix(flake, topEdge < 0 ? substrate : gold(0.97), 0.6 * std::fabs(topEdge));
            color = Mix(color, flake, drift);
        }
        const Glint glint = GlintAt(u * side, v * side, {24, 0.3, 0.5, 4, 0.3, 8301});
        return Screen(color, FromRgb8(255, 245, 215) * Clamp01(glint.intensity * 0.8));
    });
}

}  // namespace zentrova::skin_gen
