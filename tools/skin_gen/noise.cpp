#include "noise.h"

#include <cmath>

namespace zentrova::skin_gen {

namespace {

struct Gradient {
    double x;
    double y;
};

// Sixteen unit vectors 22.5 degrees apart, written out so no trigonometry runs.
constexpr double kC1 = 0.92387953251128674;
constexpr double kC2 = 0.70710678118654752;
constexpr double kC3 = 0.38268343236508977;
constexpr Gradient kGradients[16] = {
    {1, 0},     {kC1, kC3},   {kC2, kC2},   {kC3, kC1},   {0, 1},     {-kC3, kC1},
    {-kC2, kC2}, {-kC1, kC3}, {-1, 0},      {-kC1, -kC3}, {-kC2, -kC2}, {-kC3, -kC1},
    {0, -1},    {kC3, -kC1},  {kC2, -kC2},  {kC1, -kC3}};

std::uint32_t RotateLeft(std::uint32_t v, int bits) { return (v << bits) | (v >> (32 - bits)); }

std::int32_t FloorToInt(double v) { return static_cast<std::int32_t>(std::floor(v)); }

double Quintic(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

double Lerp(double a, double b, double t) { return a + (b - a) * t; }

double Dot(std::int32_t cx, std::int32_t cy, std::uint32_t seed, double dx, double dy) {
    const Gradient& g = kGradients[Hash(cx, cy, seed) & 15u];
    return g.x * dx + g.y * dy;
}

// Each octave is turned by about 36.87 degrees (a 3-4-5 triangle) and shifted.
void NextOctave(double& x, double& y, double lacunarity) {
    const double rx = 0.8 * x - 0.6 * y;
    const double ry = 0.6 * x + 0.8 * y;
    x = rx * lacunarity + 17.31;
    y = ry * lacunarity - 9.17;
}

}  // namespace

std::uint32_t Hash(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u + 0x7F4A7C15u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = RotateLeft(h, 13) * 0xC2B2AE35u;
    h ^= static_cast<std::uint32_t>(y) * 0x27D4EB2Fu;
    h = RotateLeft(h, 17) * 0x165667B1u;
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

double HashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    return (Hash(x, y, seed) >> 8) * (1.0 / 16777216.0);
}

double ValueNoise(double x, double y, std::uint32_t seed) {
    const std::int32_t ix = FloorToInt(x);
    const std::int32_t iy = FloorToInt(y);
    const double u = Quintic(x - ix);
    const double v = Quintic(y - iy);
    const double a = HashUnit(ix, iy, seed);
    const double b = HashUnit(ix + 1, iy, seed);
    const double c = HashUnit(ix, iy + 1, seed);
    const double d = HashUnit(ix + 1, iy + 1, seed);
    return Lerp(Lerp(a, b, u), Lerp(c, d, u), v) * 2 - 1;
}

double GradientNoise(double x, double y, std::uint32_t seed) {
    const std::int32_t ix = FloorToInt(x);
    const std::int32_t iy = FloorToInt(y);
    const double fx = x - ix;
    const double fy = y - iy;
    const double n00 = Dot(ix, iy, seed, fx, fy);
    const double n10 = Dot(ix + 1, iy, seed, fx - 1, fy);
    const double n01 = Dot(ix, iy + 1, seed, fx, fy - 1);
    const double n11 = Dot(ix + 1, iy + 1, seed, fx - 1, fy - 1);
    const double u = Quintic(fx);
    const double v = Quintic(fy);
    return Lerp(Lerp(n00, n10, u), Lerp(n01, n11, u), v) * 1.41421356;
}

double Fbm(double x, double y, std::uint32_t seed, int octaves, double lacunarity, double gain) {
    double sum = 0;
    double amplitude = 1;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * GradientNoise(x, y, seed + 1013u * i);
        total += amplitude;
        amplitude *= gain;
        NextOctave(x, y, lacunarity);
    }
    return sum / total * 1.6;  // octaves partly cancel; bring the spread back to about [-1, 1]
}

double RidgedFbm(double x, double y, std::uint32_t seed, int octaves, double lacunarity,
                 double gain) {
    double sum = 0;
    double amplitude = 1;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        const double crest = 1 - std::fabs(GradientNoise(x, y, seed + 7919u * i));
        sum += amplitude * crest * crest;
        total += amplitude;
        amplitude *= gain;
        NextOctave(x, y, lacunarity);
    }
    return sum / total;
}

VoronoiCell Voronoi(double x, double y, std::uint32_t seed, double jitter) {
    const std::int32_t ix = FloorToInt(x);
    const std::int32_t iy = FloorToInt(y);
    auto featureX = [&](std::int32_t cx, std::int32_t cy) {
        return cx + 0.5 + jitter * (HashUnit(cx, cy, seed) - 0.5);
    };
    auto featureY = [&](std::int32_t cx, std::int32_t cy) {
        return cy + 0.5 + jitter * (HashUnit(cx, cy, seed ^ 0x5BD1E995u) - 0.5);
    };

    VoronoiCell cell;
    double best = 1e30;
    std::int32_t bestX = ix;
    std::int32_t bestY = iy;
    for (std::int32_t cy = iy - 1; cy <= iy + 1; ++cy) {
        for (std::int32_t cx = ix - 1; cx <= ix + 1; ++cx) {
            const double dx = featureX(cx, cy) - x;
            const double dy = featureY(cx, cy) - y;
            const double d = dx * dx + dy * dy;
            if (d < best) {
                best = d;
                bestX = cx;
                bestY = cy;
            }
        }
    }
    cell.centerX = featureX(bestX, bestY);
    cell.centerY = featureY(bestX, bestY);
    cell.id = Hash(bestX, bestY, seed ^ 0xA511E9B3u);
    cell.nearest = std::sqrt(best);

    // Second pass around the winner: the exact distance to the nearest
    // border is to the bisector between the two feature points.
    const double mx = cell.centerX - x;
    const double my = cell.centerY - y;
    double second = 1e30;
    double border = 1e30;
    for (std::int32_t cy = bestY - 2; cy <= bestY + 2; ++cy) {
        for (std::int32_t cx = bestX - 2; cx <= bestX + 2; ++cx) {
            if (cx == bestX && cy == bestY) continue;
            const double rx = featureX(cx, cy) - x;
            const double ry = featureY(cx, cy) - y;
            second = std::fmin(second, rx * rx + ry * ry);
            const double ex = rx - mx;
            const double ey = ry - my;
            const double length = std::sqrt(ex * ex + ey * ey);
            if (length < 1e-12) continue;
            const double toBisector = ((mx + rx) * 0.5 * ex + (my + ry) * 0.5 * ey) / length;
            border = std::fmin(border, toBisector);
        }
    }
    cell.second = std::sqrt(second);
    cell.border = border;
    return cell;
}

}  // namespace zentrova::skin_gen
