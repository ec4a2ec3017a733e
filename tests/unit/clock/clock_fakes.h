#pragma once
// Fakes for the clock tests: a measurer with a fixed advance per character
// that records what it was asked, and a surface that keeps every frame.

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
