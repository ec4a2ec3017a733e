#pragma once
// Fakes for the clock tests: a measurer with a fixed advance per character
// that records what the face measured, and a surface that keeps every frame.

#include <string>
#include <vector>

#include "face/face_fakes.h"
#include "face/services.h"

namespace zentrova::testing {

class CharacterMeasurer : public TextMeasurer {
public:
    struct Call {
        std::string family;
        int points;
        std::string text;
    };

    CharacterMeasurer(int advance = 7, int height = 20) : advance(advance), height(height) {}
    SizeI Measure(const std::string& family, int points, const std::string& text) override {
        calls.push_back({family, points, text});
        return SizeI{static_cast<int>(text.size()) * advance, height};
    }
    // A drawn text, in a font whose em is `height` pixels at `advance`, and
    // in proportion at other sizes; not recorded, as `calls` are the face's.
    SizeI MeasurePixels(const std::string&, int emPixels, bool, const std::string& text) override {
        return SizeI{static_cast<int>(text.size()) * advance * emPixels / height, emPixels};
    }

    int advance;
    int height;
    std::vector<Call> calls;
};

class RecordingSurface : public FakeSurface {
public:
    void Push(const Frame& frame) override {
        FakeSurface::Push(frame);
        frames.push_back(frame);
    }
    std::vector<Frame> frames;
};

}  // namespace zentrova::testing
