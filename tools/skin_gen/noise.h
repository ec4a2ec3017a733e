#pragma once
// Integer-hash noise: the same numbers on every machine, no random engine.

#include <cstdint>

namespace zentrova::skin_gen {

std::uint32_t Hash(std::int32_t x, std::int32_t y, std::uint32_t seed);
// Uniform in [0, 1).
double HashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed);

// Smooth noise with one lattice cell per unit, roughly in [-1, 1].
double ValueNoise(double x, double y, std::uint32_t seed);
double GradientNoise(double x, double y, std::uint32_t seed);

// Sum of gradient-noise octaves, each twice the frequency (by default) and
// turned a little so the lattice does not show; normalised to about [-1, 1].
double Fbm(double x, double y, std::uint32_t seed, int octaves, double lacunarity = 2.0,
           double gain = 0.5);
// Octaves of 1 - |noise|: sharp crests, for veins and folds; about [0, 1].
double RidgedFbm(double x, double y, std::uint32_t seed, int octaves, double lacunarity = 2.0,
                 double gain = 0.5);

struct VoronoiCell {
    double nearest = 0;       // distance to the nearest feature point
    double second = 0;        // distance to the second nearest
    double border = 0;        // distance to the nearest cell border
    std::uint32_t id = 0;     // hash of the owning cell, stable per cell
    double centerX = 0;       // the owning feature point
    double centerY = 0;
};

// Cellular noise with one jittered feature point per unit cell; jitter 0
// gives a square grid, 1 fully random points.
VoronoiCell Voronoi(double x, double y, std::uint32_t seed, double jitter = 1.0);

}  // namespace zentrova::skin_gen
