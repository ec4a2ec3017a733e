#include "face/pointer_input.h"

#include <gtest/gtest.h>

#include <vector>

namespace zentrova {
namespace {

// Each message's delta in turn, and the notches each one completes.
TEST(WheelNotches, AddsSmallStepsAndSplitsLargeOnes) {
    struct Case {
        const char* what;
        std::vector<int> deltas;
        std::vector<int> notches;
    };
    const Case cases[] = {
        {"a notch down, one up", {-120, 120}, {-1, 1}},
        {"a fast spin in one message", {-480}, {-4}},
        {"quarter notches make one", {30, 30, 30, 30, 30}, {0, 0, 0, 1, 0}},
        {"a notch and a half, then the rest", {-180, -60}, {-1, -1}},
        {"a reverse starts afresh", {60, -60, -60}, {0, 0, -1}},
        {"the rest is dropped on a reverse", {90, -120}, {0, -1}},
        {"no movement", {0}, {0}},
    };
    for (const Case& c : cases) {
        WheelNotches wheel;
        std::vector<int> got;
        for (const int delta : c.deltas) got.push_back(wheel.Add(delta));
        EXPECT_EQ(got, c.notches) << c.what;
    }
}

TEST(IsClick, InsideTheDragRectangleAndTheDoubleClickTime) {
    const ClickLimits limits{4, 6, 500};
    struct Case {
        const char* what;
        PointI released;
        long long heldMs;
        bool click;
    };
    const PointI pressed{100, 100};
    const Case cases[] = {
        {"still and quick", {100, 100}, 80, true},
        {"two pixels across, three down", {102, 103}, 80, true},
        {"three pixels across is a drag", {97, 100}, 80, false},
        {"four pixels down is a drag", {100, 104}, 80, false},
        {"held exactly the double-click time", {100, 100}, 500, true},
        {"held longer", {100, 100}, 501, false},
        {"a clock that ran back", {100, 100}, -1, false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsClick(pressed, c.released, c.heldMs, limits), c.click) << c.what;
}

}  // namespace
}  // namespace zentrova
