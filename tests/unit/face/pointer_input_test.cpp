#include "face/pointer_input.h"

#include <gtest/gtest.h>

#include <vector>

namespace zentrova {
namespace {

// Each message's delta in turn, and the notches each one completes.
TEST(WheelNotches, AddsSmallStepsAndSplitsLargeOnes) {
    struct Case { std::vector<int> deltas, notches; };
    for (const Case& c : {Case{{-120, 120}, {-1, 1}}, Case{{-480}, {-4}}, Case{{30, 30, 30, 30, 30}, {0, 0, 0, 1, 0}},
                          Case{{-180, -60}, {-1, -1}}, Case{{90, -120}, {0, -1}}, Case{{60, -60, -60}, {0, 0, -1}}}) {
        WheelNotches wheel;
        std::vector<int> got;
        for (const int delta : c.deltas) got.push_back(wheel.Add(delta));
        EXPECT_EQ(got, c.notches) << c.deltas.front();
    }
}

TEST(IsClick, InsideTheDragRectangleAndTheDoubleClickTime) {
    struct Case { PointI released; long long heldMs; bool click; };
    for (const Case& c : {Case{{102, 103}, 80, true}, Case{{97, 100}, 80, false}, Case{{100, 104}, 80, false},
                          Case{{100, 100}, 500, true}, Case{{100, 100}, 501, false}, Case{{100, 100}, -1, false}}) {
        EXPECT_EQ(IsClick({100, 100}, c.released, c.heldMs, {4, 6, 500}), c.click) << c.released.x << " " << c.heldMs;
    }
}

}  // namespace
}  // namespace zentrova
