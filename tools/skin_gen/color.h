#pragma once
// Colours while a skin is rendered: linear doubles, 1.0 = full 8-bit level.

#include <cstdint>

namespace zentrova::skin_gen {

struct Color {
    double r = 0;
    double g = 0;
    double b = 0;
};

struct Rgb8 {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

constexpr Color operator+(Color a, Color b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
constexpr Color operator-(Color a, Color b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
constexpr Color operator*(Color a, Color b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
constexpr Color operator*(Color a, double k) { return {a.r * k, a.g * k, a.b * k}; }
constexpr Color operator*(double k, Color a) { return a * k; }
constexpr Color& operator+=(Color& a, Color b) { return a = a + b; }

constexpr Color FromRgb8(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }
constexpr Color Gray(double level) { return {level, level, level}; }

constexpr Color Mix(Color a, Color b, double t) { return a + (b - a) * t; }

// Light added the way a bright reflection lies over a surface: never past white.
constexpr Color Screen(Color base, Color light) {
    return {1 - (1 - base.r) * (1 - light.r), 1 - (1 - base.g) * (1 - light.g),
            1 - (1 - base.b) * (1 - light.b)};
}

constexpr double Luma(Color c) { return 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b; }

}  // namespace zentrova::skin_gen
