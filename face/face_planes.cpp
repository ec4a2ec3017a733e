#include "face/face_planes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "face/rounding.h"

namespace zentrova {

namespace {

constexpr int kMaxTransparency = 50;
// Keeps the distance of the exact centre from being a bare zero.
constexpr double kDistanceBias = 0.000000001;
// Makes the normalised coordinate end just short of 1 at the far edge.
constexpr double kEdgeBias = 0.001;

// The fade: nearly opaque over most of the face, falling steeply to 0 at
// the outline. D^8 by multiplication is much cheaper than a general power.
inline double Fade(double distance) {
    double d2 = distance * distance;
    double d4 = d2 * d2;
    return 1.0 - d4 * d4;
}

inline double Pow8(double v) {
    double v2 = v * v;
    double v4 = v2 * v2;
    return v4 * v4;
}

// Both axes run from -1 at the first pixel to just under 1 at the last.
inline double Normalised(int index, int extent) { return 2.0 * index / (extent + kEdgeBias) - 1.0; }

// The even neighbour wins a tie, like everywhere else in the program; a
// cheaper form of RoundHalfEven for the 0..255 range of an alpha.
inline std::int32_t RoundAlpha(double value) {
    auto whole = static_cast<std::int32_t>(value);
    double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && (whole & 1) != 0)) ++whole;
    return whole;
}

// An edited registry can hold any transparency; outside 0..50 the alpha
// would leave 0..255 and wrap in the frame, so it is held to the range.
inline double Opacity(int transparency) {
    int clamped = std::clamp(transparency, 0, kMaxTransparency);
    return 1.0 - clamped / static_cast<double>(kMaxTransparency);
}

inline double ShapeTerm(FaceShape shape, double n) { return shape == FaceShape::RoundedRect ? Pow8(n) : n * n; }

std::size_t PixelCount(int width, int height) {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

}  // namespace

void FacePlanes::Resize(SizeI size) {
    width = std::max(size.width, 0);
    height = std::max(size.height, 0);
    std::size_t count = PixelCount(width, height);
    alpha.resize(count);
    red.resize(count);
    green.resize(count);
    blue.resize(count);
}

double FaceOpacity(int transparency) { return Opacity(transparency); }

double FaceDistance(FaceShape shape, double nx, double ny) {
    return std::sqrt(ShapeTerm(shape, nx) + ShapeTerm(shape, ny) + kDistanceBias);
}

double PlateWidthAt(FaceShape shape, SizeI face, double y) {
    if (face.width <= 0 || face.height <= 0) return 0.0;
    // Half opacity: 1 - D^8 = 1/2.
    const double halfFadeDistance = std::pow(0.5, 1.0 / 8.0);
    const double ny = 2.0 * y / face.height - 1.0;
    if (FaceDistance(shape, 0.0, ny) > halfFadeDistance) return 0.0;
    // D grows with |nx|, so the edge is found by halving.
    double inside = 0.0, outside = 1.0;
    for (int step = 0; step < 40; ++step) {
        const double middle = (inside + outside) / 2;
        (FaceDistance(shape, middle, ny) <= halfFadeDistance ? inside : outside) = middle;
    }
    return inside * face.width;
}

std::int32_t FaceAlphaAt(double distance, int transparency) {
    if (!(distance >= 0.0 && distance <= 1.0)) return 0;
    return RoundHalfEven(Fade(distance) * 255.0 * Opacity(transparency));
}

SizeI ClampFaceSize(SizeI size, SizeI capacity) {
    return SizeI{std::clamp(size.width, 1, std::max(capacity.width, 1)),
                 std::clamp(size.height, 1, std::max(capacity.height, 1))};
}

void StretchSkin(const SkinImage& skin, WorkingBitmap& target) {
    if (skin.width <= 0 || skin.height <= 0) return;
    if (skin.bgrx.size() < PixelCount(skin.width, skin.height) * 4) return;
    const int dstW = target.width;
    const int dstH = target.height;

    // Nearest source pixel, no smoothing: column and row maps in integers.
    std::vector<int> sourceOffset(static_cast<std::size_t>(dstW));
    for (int x = 0; x < dstW; ++x) {
        auto sx = static_cast<int>(static_cast<long long>(x) * skin.width / dstW);
        sourceOffset[static_cast<std::size_t>(x)] = sx * 4;
    }
    for (int y = 0; y < dstH; ++y) {
        auto sy = static_cast<int>(static_cast<long long>(y) * skin.height / dstH);
        const std::uint8_t* src = skin.bgrx.data() + static_cast<std::size_t>(sy) * skin.width * 4;
        std::uint8_t* dst = target.Row(y);
        for (int x = 0; x < dstW; ++x) {
            const std::uint8_t* pixel = src + sourceOffset[static_cast<std::size_t>(x)];
            dst[0] = pixel[0];
            dst[1] = pixel[1];
            dst[2] = pixel[2];
            dst += 3;
        }
    }
}

void FillFacePlanes(const WorkingBitmap& skin, FaceShape shape, int transparency, FacePlanes& planes) {
    const int width = skin.width;
    const int height = skin.height;
    if (planes.width != width || planes.height != height) planes.Resize(SizeI{width, height});
    const double opacity = Opacity(transparency);

    // The shape term of a column is the same on every row.
    std::vector<double> columnTerm(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) columnTerm[static_cast<std::size_t>(x)] = ShapeTerm(shape, Normalised(x, width));
    std::vector<double> distance(static_cast<std::size_t>(width));

    for (int y = 0; y < height; ++y) {
        const double rowTerm = ShapeTerm(shape, Normalised(y, height));
        // Separate pass so the square roots vectorise.
        for (int x = 0; x < width; ++x) {
            distance[static_cast<std::size_t>(x)] =
                std::sqrt(columnTerm[static_cast<std::size_t>(x)] + rowTerm + kDistanceBias);
        }
        const std::uint8_t* source = skin.Row(y);
        const std::size_t rowStart = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        std::uint8_t* alpha = planes.alpha.data() + rowStart;
        std::uint8_t* red = planes.red.data() + rowStart;
        std::uint8_t* green = planes.green.data() + rowStart;
        std::uint8_t* blue = planes.blue.data() + rowStart;
        for (int x = 0; x < width; ++x) {
            const double d = distance[static_cast<std::size_t>(x)];
            if (d <= 1.0) {
                alpha[x] = static_cast<std::uint8_t>(RoundAlpha(Fade(d) * 255.0 * opacity));
                red[x] = source[3 * x + 2];
                green[x] = source[3 * x + 1];
                blue[x] = source[3 * x];
            } else {
                // Invisible: the colour planes keep what they held.
                alpha[x] = 0;
            }
        }
    }
}

void PrepareFace(const SkinSet& skins, int skinNumber, SizeI size, FaceShape shape, int transparency,
                 WorkingBitmap& working, FacePlanes& planes, Rgb& textColor) {
    working.Resize(size);
    if (const SkinImage* image = skins.Find(skinNumber)) {
        StretchSkin(*image, working);
        if (auto color = SkinTextColor(skinNumber)) textColor = *color;
    }
    FillFacePlanes(working, shape, transparency, planes);
}

void BuildFramePixels(const FacePlanes& planes, std::vector<std::uint32_t>& argb) {
    const std::size_t count = PixelCount(planes.width, planes.height);
    argb.resize(count);
    const std::uint8_t* alpha = planes.alpha.data();
    const std::uint8_t* red = planes.red.data();
    const std::uint8_t* green = planes.green.data();
    const std::uint8_t* blue = planes.blue.data();
    std::uint32_t* out = argb.data();
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = (static_cast<std::uint32_t>(alpha[i]) << 24) | (static_cast<std::uint32_t>(red[i]) << 16) |
                 (static_cast<std::uint32_t>(green[i]) << 8) | static_cast<std::uint32_t>(blue[i]);
    }
}

}  // namespace zentrova
