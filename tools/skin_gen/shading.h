#pragma once
// Light and surface helpers shared by the recipes: domes and spheres seen from
// straight ahead, a studio light or window mirrored in them, glints.

#include <cstdint>

namespace zentrova::skin_gen {

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

Vec3 Normalize(Vec3 v);
double Dot(Vec3 a, Vec3 b);

// Point turned by an angle given as its cosine and sine.
struct Point2 {
    double x = 0;
    double y = 0;
};
Point2 Rotate(Point2 p, double cosAngle, double sinAngle);

double Gaussian(double dx, double dy, double sigma);

// Surface normal of a dome whose slope grows from 0 at the centre; x and y
// run over [-1, 1]. The dome's foot lies beyond the corners of the square,
// so it stays smooth everywhere; steepness 1 is about a sphere of radius 1
// near the centre, 0 flat.
Vec3 DomeNormal(double x, double y, double steepness);

// Blinn-Phong diffuse and specular for a light coming from direction toLight,
// the camera looking straight down the z axis.
double Diffuse(Vec3 normal, Vec3 toLight);
double Specular(Vec3 normal, Vec3 toLight, double shininess);

// A rectangular light (a window or a studio softbox) mirrored in a curved
// surface. A surface seen head-on mirrors the direction whose tangent is its
// slope, so the light is placed and sized in slope space (nx/nz, ny/nz).
struct Softbox {
    double centerX = 0;
    double centerY = 0;
    double halfWidth = 0.3;
    double halfHeight = 0.3;
    double cornerRoundness = 6;  // superellipse exponent: 2 oval, large square
    double edgeSoftness = 0.08;
    int panesAcross = 1;         // window bars divide the light into panes
    int panesDown = 1;
    double barWidth = 0.0;       // fraction of a pane
    double falloff = 0.0;        // 0 even; toward 1 the light fades to its lower right
    double bulge = 0.0;          // barrel distortion: the outline and bars bow outward
};
double SoftboxReflection(Vec3 normal, const Softbox& box);

// Tiny bright points, at most one per grid cell of the given size, each with
// four thin rays like a camera's star filter. Coordinates in pixels.
struct GlintField {
    double cellSize = 10;
    double probability = 0.5;
    double coreRadius = 0.6;
    double rayLength = 4;
    double rayWidth = 0.35;
    std::uint32_t seed = 1;
};
// Brightness at (x, y) and a per-glint tint value in [0, 1).
struct Glint {
    double intensity = 0;
    double tint = 0;
};
Glint GlintAt(double x, double y, const GlintField& field);

// Domain warp: p moved by two noise fields, so patterns flow and fold.
Point2 Warp(Point2 p, double frequency, double amount, std::uint32_t seed, int octaves = 4);

// Small round gas bubbles in glass or amber, at most one per unit cell of a
// grid of the given frequency: a dark refracting rim and a bright glint.
struct Bubble {
    double rim = 0;    // 0..1, strongest at the bubble's outline
    double glint = 0;  // 0..1, a point of light on its upper left
    double inside = 0; // 0..1 coverage of the bubble's disc
};
Bubble BubbleAt(Point2 p, double frequency, double probability, double maxRadius, std::uint32_t seed);

// Distance from p to the segment a-b.
double SegmentDistance(Point2 p, Point2 a, Point2 b);

}  // namespace zentrova::skin_gen
