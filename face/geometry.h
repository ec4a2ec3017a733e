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

// A rectangle of screen pixels: left and top inside, right and bottom just outside.
struct RectI {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    static RectI At(PointI leftTop, SizeI size) {
        return {leftTop.x, leftTop.y, leftTop.x + size.width, leftTop.y + size.height};
    }
    // `inner` lies wholly within, edges included.
    bool Contains(const RectI& inner) const {
        return left <= inner.left && top <= inner.top && right >= inner.right && bottom >= inner.bottom;
    }
    // The two share at least one pixel.
    bool Overlaps(const RectI& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    friend bool operator==(const RectI&, const RectI&) = default;
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
