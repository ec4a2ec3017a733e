#pragma once
// Small value types shared by every display window's arithmetic.

#include <cstdint>

namespace zentrova {

struct PointI {
    int x = 0;
    int y = 0;
    friend bool operator==(const PointI&, const PointI&) = default;
};

struct SizeI {
    int width = 0;
    int height = 0;
    friend bool operator==(const SizeI&, const SizeI&) = default;
};

// A layout rectangle as the drawing layer takes it: single precision.
struct RectF {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
    friend bool operator==(const RectF&, const RectF&) = default;
};

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace zentrova
