#include "face/shown_frame.h"

#include <gtest/gtest.h>

#include <functional>

namespace zentrova {
namespace {

// A row of `width` black pixels; `lit` of them, from the left, blue.
Frame FrameOf(int width, int lit) {
    Frame frame;
    frame.width = width;
    frame.height = 1;
    frame.pixels.assign(static_cast<std::size_t>(width), 0xFF000000u);
    for (int i = 0; i < lit; ++i) frame.pixels[static_cast<std::size_t>(i)] = 0xFF0000FFu;
    return frame;
}

// Renders by a script of results and counts the attempts.
struct ScriptedScreen {
    bool reaches = true;
    int attempts = 0;
    bool operator()(const Frame&) {
        ++attempts;
        return reaches;
    }
};

// Each step shows a frame of `width` (or forgets the screen first) on a
// screen that takes it or not, and states how many renders have been tried.
TEST(ShownFrame, RendersOnlyWhatTheScreenDoesNotAlreadyShow) {
    struct Step {
        const char* what;
        int width;
        int lit;
        bool reaches;
        bool forgetFirst;
        int attempts;
    };
    const Step steps[] = {
        {"a first frame", 3, 0, true, false, 1},
        {"the same frame again", 3, 0, true, false, 1},
        {"another frame", 4, 0, true, false, 2},
        {"a frame the screen refuses", 5, 0, false, false, 3},
        {"the refused frame again", 5, 0, false, false, 4},
        {"the frame shown before the failure", 4, 0, true, false, 5},
        {"that frame again", 4, 0, true, false, 5},
        {"the same frame after a resize", 4, 0, true, true, 6},
        {"one pixel changed", 4, 1, true, false, 7},
        {"another pixel changed", 4, 2, true, false, 8},
        {"that frame again", 4, 2, true, false, 8},
    };
    ShownFrame shown;
    ScriptedScreen screen;
    for (const Step& step : steps) {
        if (step.forgetFirst) shown.Forget();
        screen.reaches = step.reaches;
        shown.Show(FrameOf(step.width, step.lit), std::ref(screen));
        EXPECT_EQ(screen.attempts, step.attempts) << step.what;
    }
}

}  // namespace
}  // namespace zentrova
