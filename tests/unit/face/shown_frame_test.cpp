#include "face/shown_frame.h"

#include <gtest/gtest.h>

#include <functional>

namespace zentrova {
namespace {

Frame FrameOf(int width) {
    Frame frame;
    frame.width = width;
    frame.height = 1;
    frame.pixels.assign(static_cast<std::size_t>(width), 0xFF000000u);
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
        bool reaches;
        bool forgetFirst;
        int attempts;
    };
    const Step steps[] = {
        {"a first frame", 3, true, false, 1},
        {"the same frame again", 3, true, false, 1},
        {"another frame", 4, true, false, 2},
        {"a frame the screen refuses", 5, false, false, 3},
        {"the refused frame again", 5, false, false, 4},
        {"the frame shown before the failure", 4, true, false, 5},
        {"that frame again", 4, true, false, 5},
        {"the same frame after a resize", 4, true, true, 6},
    };
    ShownFrame shown;
    ScriptedScreen screen;
    for (const Step& step : steps) {
        if (step.forgetFirst) shown.Forget();
        screen.reaches = step.reaches;
        shown.Show(FrameOf(step.width), std::ref(screen));
        EXPECT_EQ(screen.attempts, step.attempts) << step.what;
    }
}

}  // namespace
}  // namespace zentrova
