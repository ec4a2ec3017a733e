#include "countdown/countdown_face.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace zentrova {
namespace {

// Widths per label word, scaled by the point size, and a fixed line height;
// records what it was asked.
class WordTableMeasurer : public TextMeasurer {
public:
    SizeI Measure(const std::string& family, int points, const std::string& text) override {
        calls.push_back({family, points});
        const int scale = points / 8;
        return {widths.at(text) * scale, lineHeight * scale};
    }

    struct Call {
        std::string family;
        int points;
    };
    std::map<std::string, int> widths{{"Year", 10}, {"Month", 15}, {"Day", 5}, {"Hour", 12}, {"Min", 7}, {"Sec", 9}};
    int lineHeight = 11;
    std::vector<Call> calls;
};

// Kept widths at 8 points: 13, 20 (19.5 to even), 6 (6.5 to even), 16, 9, 12.
constexpr int kLabelSumAt8Points = 76;

TEST(CountdownFaceSize, RectangleIsTheLabelSumByThreeLines) {
    WordTableMeasurer measurer;
    EXPECT_EQ(CountdownFaceSize(measurer, 0, false), (SizeI{kLabelSumAt8Points, 33}));
}

TEST(CountdownFaceSize, OvalWidensTheSumAndUsesTheHeightOfYear) {
    WordTableMeasurer measurer;
    // 76 x 1.2 = 91.2, 11 x 3.4 = 37.4.
    EXPECT_EQ(CountdownFaceSize(measurer, 0, true), (SizeI{91, 37}));
    measurer.lineHeight = 15;  // 51 exactly
    EXPECT_EQ(CountdownFaceSize(measurer, 0, true).height, 51);
}

TEST(CountdownFaceSize, RoundsEachLabelHalfToEven) {
    WordTableMeasurer measurer;
    // 5 x 1.3 = 6.5 alone: a round-half-up would give 7 here.
    measurer.widths = {{"Year", 5}, {"Month", 5}, {"Day", 5}, {"Hour", 5}, {"Min", 5}, {"Sec", 5}};
    EXPECT_EQ(CountdownFaceSize(measurer, 0, false).width, 36);
    // 25 x 1.3 = 32.5 each, kept as 32.
    measurer.widths = {{"Year", 25}, {"Month", 25}, {"Day", 25}, {"Hour", 25}, {"Min", 25}, {"Sec", 25}};
    EXPECT_EQ(CountdownFaceSize(measurer, 0, false).width, 192);
}

TEST(CountdownFaceSize, MeasuresInTimesNewRomanAtSizePlusEightPoints) {
    WordTableMeasurer measurer;
    const SizeI size = CountdownFaceSize(measurer, 8, false);  // 16 points: every extent doubles
    EXPECT_EQ(size, (SizeI{26 + 39 + 13 + 31 + 18 + 23, 66}));
    ASSERT_FALSE(measurer.calls.empty());
    for (const auto& call : measurer.calls) {
        EXPECT_EQ(call.family, "Times New Roman");
        EXPECT_EQ(call.points, 16);
    }
}

TEST(CountdownFaceShape, OvalOutlineOnlyWithoutTheRoundedOverride) {
    EXPECT_EQ(CountdownFaceShape(false, false), FaceShape::RoundedRect);
    EXPECT_EQ(CountdownFaceShape(false, true), FaceShape::RoundedRect);
    EXPECT_EQ(CountdownFaceShape(true, false), FaceShape::Oval);
    EXPECT_EQ(CountdownFaceShape(true, true), FaceShape::RoundedRect);
}

TEST(CountdownFonts, LabelIsSizePlusEightAndNumberIsFortyPercentLarger) {
    struct Case {
        int countSize;
        int label;
        int number;
    };
    for (const Case& c : {Case{3, 11, 15}, Case{0, 8, 11}, Case{20, 28, 39}}) {
        const CountdownFonts fonts = MakeCountdownFonts("Georgia", c.countSize, true);
        EXPECT_TRUE(fonts.label.bold && fonts.number.bold);
        EXPECT_EQ(fonts.label.emPixels, c.label) << c.countSize;
        EXPECT_EQ(fonts.number.emPixels, c.number) << c.countSize;
    }
    const CountdownFonts regular = MakeCountdownFonts("Arial", 3, false);
    EXPECT_EQ(regular.number.family, "Arial");
    EXPECT_FALSE(regular.label.bold);
    EXPECT_FALSE(regular.number.bold);
}

}  // namespace
}  // namespace zentrova
