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

TEST(ShownFrame, AFrameOnTheScreenIsNotRenderedAgain) {
    ShownFrame shown;
    ScriptedScreen screen;
    shown.Show(FrameOf(3), std::ref(screen));
    shown.Show(FrameOf(3), std::ref(screen));
    EXPECT_EQ(screen.attempts, 1);
    shown.Show(FrameOf(4), std::ref(screen));
    EXPECT_EQ(screen.attempts, 2);
}

TEST(ShownFrame, AFrameThatFailedIsTriedAgainEvenWhenTheNextIsTheSame) {
    ShownFrame shown;
    ScriptedScreen screen;
    shown.Show(FrameOf(3), std::ref(screen));
    screen.reaches = false;
    shown.Show(FrameOf(4), std::ref(screen));
    shown.Show(FrameOf(4), std::ref(screen));
    EXPECT_EQ(screen.attempts, 3);
    // Nor is the frame shown before the failure taken for the screen's.
    screen.reaches = true;
    shown.Show(FrameOf(3), std::ref(screen));
    shown.Show(FrameOf(3), std::ref(screen));
    EXPECT_EQ(screen.attempts, 4);
}

TEST(ShownFrame, AForgottenScreenTakesTheSameFrameAgain) {
    ShownFrame shown;
    ScriptedScreen screen;
    shown.Show(FrameOf(3), std::ref(screen));
    shown.Forget();  // resized or shown again
    shown.Show(FrameOf(3), std::ref(screen));
    EXPECT_EQ(screen.attempts, 2);
}

}  // namespace
}  // namespace zentrova
