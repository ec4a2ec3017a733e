#pragma once
// Helpers shared by the calendar tests: a uniform skin, a surface that keeps
// the frames it is handed, and a measurer that counts its calls.

#include <cstdint>
#include <string>
#include <vector>

#include "face/display_surface.h"
#include "face/frame.h"
#include "face/services.h"
#include "face/skin.h"
#include "face/face_fakes.h"
#include "text/utf.h"

namespace zentrova::testing {

// A skin image of one colour, so every tile pixel has a known skin colour.
inline SkinImage UniformSkin(Rgb color) {
    SkinImage image;
    image.width = kSkinSide;
    image.height = kSkinSide;
    image.bgrx.reserve(static_cast<std::size_t>(kSkinSide) * kSkinSide * 4);
    for (int i = 0; i < kSkinSide * kSkinSide; ++i) {
        image.bgrx.insert(image.bgrx.end(), {color.b, color.g, color.r, 255});
    }
    return image;
}

class RecordingSurface : public FakeSurface {
public:
    void Push(const Frame& frame) override {
        FakeSurface::Push(frame);
        frames.push_back(frame);
    }
    std::vector<Frame> frames;
};

// Reports a fixed header width and records what was measured. The drawn
// texts, measured in their fonts' pixels, are `widen` half ems a character
// and are not counted: `calls` are the face's measurements.
class FixedWidthMeasurer : public TextMeasurer {
public:
    explicit FixedWidthMeasurer(int width) : width(width) {}
    SizeI Measure(const std::string& family, int points, const std::string& text) override {
        ++calls;
        lastFamily = family;
        lastPoints = points;
        lastText = text;
        return SizeI{width, points * 2};
    }
    SizeI MeasurePixels(const std::string&, int emPixels, bool, const std::string& text) override {
        return SizeI{static_cast<int>(Utf8ToUtf16(text).size()) * widen * emPixels / 2, emPixels};
    }
    int width;
    int widen = 1;
    int calls = 0;
    std::string lastFamily;
    int lastPoints = 0;
    std::string lastText;
};

inline std::uint8_t Alpha(std::uint32_t argb) { return static_cast<std::uint8_t>(argb >> 24); }

}  // namespace zentrova::testing
