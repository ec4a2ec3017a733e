#include "shading.h"

#include <cmath>

#include "det_math.h"
#include "noise.h"

namespace zentrova::skin_gen {

Vec3 Normalize(Vec3 v) {
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (length < 1e-300) return {0, 0, 1};
    return {v.x / length, v.y / length, v.z / length};
}

double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Point2 Rotate(Point2 p, double cosAngle, double sinAngle) {
    return {p.x * cosAngle - p.y * sinAngle, p.x * sinAngle + p.y * cosAngle};
}

double Gaussian(double dx, double dy, double sigma) {
    return Exp(-(dx * dx + dy * dy) / (2 * sigma * sigma));
}

Vec3 DomeNormal(double x, double y, double steepness) {
    // A sphere of radius 1.5 reaches past the corners (1.414); scaling its
    // slope sets the steepness without moving its foot.
    constexpr double kFoot = 1.5;
    const double r2 = x * x + y * y;
    const double z = std::sqrt(std::fmax(kFoot * kFoot - r2, 0.01));
    const double k = steepness * kFoot;
    return Normalize({x * k, y * k, z});
}

double Diffuse(Vec3 normal, Vec3 toLight) { return std::fmax(0.0, Dot(normal, Normalize(toLight))); }

double Specular(Vec3 normal, Vec3 toLight, double shininess) {
    const Vec3 half = Normalize({toLight.x, toLight.y, toLight.z + 1});
    const double cosine = std::fmax(0.0, Dot(normal, half));
    return cosine <= 0 ? 0.0 : Pow(cosine, shininess);
}

double SoftboxReflection(Vec3 normal, const Softbox& box) {
    if (normal.z <= 1e-6) return 0.0;
    const double sx = normal.x / normal.z;
    const double sy = normal.y / normal.z;
    // -1..1 inside; the barrel factor grows away from the centre, pulling
    // the corners in so the sides curve as in a convex mirror.
    double qx = (sx - box.centerX) / box.halfWidth;
    double qy = (sy - box.centerY) / box.halfHeight;
    const double barrel = 1 + box.bulge * (qx * qx + qy * qy) * 0.5;
    qx *= barrel;
    qy *= barrel;
    const double p = box.cornerRoundness;
    const double shape =
        Pow(Pow(std::fabs(qx) + 1e-12, p) + Pow(std::fabs(qy) + 1e-12, p), 1.0 / p);
    double light = Smoothstep(1 + box.edgeSoftness, 1 - box.edgeSoftness, shape);
    light *= 1 - box.falloff * Clamp01((qx + qy + 2) / 4);
    if (light <= 0 || box.barWidth <= 0) return light;

    // Window bars: thin dark lines between the panes.
    const double across = (qx + 1) * 0.5 * box.panesAcross;
    const double down = (qy + 1) * 0.5 * box.panesDown;
    auto bar = [&](double t, int panes) {
        if (panes <= 1) return 0.0;
        const double f = t - std::floor(t);
        const double toLine = std::fmin(f, 1 - f);
        const bool interior = t > 0.5 && t < panes - 0.5;
        return interior ? Smoothstep(box.barWidth, box.barWidth * 0.4, toLine) : 0.0;
    };
    const double bars = std::fmax(bar(across, box.panesAcross), bar(down, box.panesDown));
    return light * (1 - 0.85 * bars);
}

Glint GlintAt(double x, double y, const GlintField& field) {
    const auto cx = static_cast<std::int32_t>(std::floor(x / field.cellSize));
    const auto cy = static_cast<std::int32_t>(std::floor(y / field.cellSize));
    Glint best;
    const int reach = 1 + static_cast<int>(field.rayLength * 3 / field.cellSize);
    for (std::int32_t j = cy - reach; j <= cy + reach; ++j) {
        for (std::int32_t i = cx - reach; i <= cx + reach; ++i) {
            if (HashUnit(i, j, field.seed) >= field.probability) continue;
            const double strength = 0.35 + 0.65 * HashUnit(i, j, field.seed + 11);
            const double px = (i + HashUnit(i, j, field.seed + 1)) * field.cellSize;
            const double py = (j + HashUnit(i, j, field.seed + 2)) * field.cellSize;
            const double dx = x - px;
            const double dy = y - py;
            const double core = Gaussian(dx, dy, field.coreRadius * strength + 0.15);
            const double length = field.rayLength * strength;
            const double rays =
                Exp(-std::fabs(dx) / length) * Exp(-(dy * dy) / (2 * field.rayWidth * field.rayWidth)) +
                Exp(-std::fabs(dy) / length) * Exp(-(dx * dx) / (2 * field.rayWidth * field.rayWidth));
            const double intensity = strength * (core + 0.55 * rays);
            if (intensity > best.intensity) {
                best.intensity = intensity;
                best.tint = HashUnit(i, j, field.seed + 3);
            }
        }
    }
    return best;
}

Point2 Warp(Point2 p, double frequency, double amount, std::uint32_t seed, int octaves) {
    return {p.x + amount * Fbm(p.x * frequency, p.y * frequency, seed, octaves),
            p.y + amount * Fbm(p.x * frequency + 5.2, p.y * frequency + 1.3, seed + 77, octaves)};
}

Bubble BubbleAt(Point2 p, double frequency, double probability, double maxRadius, std::uint32_t seed) {
    const double x = p.x * frequency;
    const double y = p.y * frequency;
    const auto cx = static_cast<std::int32_t>(std::floor(x));
    const auto cy = static_cast<std::int32_t>(std::floor(y));
    Bubble best;
    for (std::int32_t j = cy - 1; j <= cy + 1; ++j) {
        for (std::int32_t i = cx - 1; i <= cx + 1; ++i) {
            if (HashUnit(i, j, seed) >= probability) continue;
            const double radius = maxRadius * (0.35 + 0.65 * HashUnit(i, j, seed + 5));
            const double bx = i + 0.5 + (0.5 - radius) * (HashUnit(i, j, seed + 1) * 2 - 1);
            const double by = j + 0.5 + (0.5 - radius) * (HashUnit(i, j, seed + 2) * 2 - 1);
            const double d = std::sqrt((x - bx) * (x - bx) + (y - by) * (y - by)) / radius;
            if (d > 1.15) continue;
            Bubble b;
            b.inside = Smoothstep(1.05, 0.95, d);
            b.rim = Smoothstep(0.55, 0.95, d) * Smoothstep(1.12, 0.98, d);
            b.glint = Gaussian((x - bx) / radius + 0.38, (y - by) / radius + 0.38, 0.14);
            if (b.rim + b.glint + b.inside > best.rim + best.glint + best.inside) best = b;
        }
    }
    return best;
}

double SegmentDistance(Point2 p, Point2 a, Point2 b) {
    const double abx = b.x - a.x;
    const double aby = b.y - a.y;
    const double length2 = abx * abx + aby * aby;
    const double t = length2 <= 0 ? 0 : Clamp01(((p.x - a.x) * abx + (p.y - a.y) * aby) / length2);
    const double dx = p.x - (a.x + t * abx);
    const double dy = p.y - (a.y + t * aby);
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace zentrova::skin_gen
