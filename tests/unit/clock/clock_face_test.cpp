#include "clock/clock_face.h"

#include <gtest/gtest.h>

#include <climits>

#include "clock_fakes.h"

namespace zentrova {
namespace {

using testing::CharacterMeasurer;

// 8, 5 and 14 characters: the time is the widest of the plain texts, the
// weekday the widest of all.
ClockTexts Texts() { return ClockTexts{"12:05 AM", "March", "Wednesday-long"}; }

Settings ClockSettings(bool dateShow, bool tower, int dateIndex, bool oval = false) {
    Settings settings;
    settings.ClockSize = 6;
    settings.ClockFont = "Arial";
    settings.DateShow = dateShow;
    settings.ClockSky = tower;
    settings.DateIndex = dateIndex;
    settings.ClockRectOval = oval;
    return settings;
}

TEST(ClockFaceSize, TimeOnlyWidensByOnePointTwentyFour) {
    CharacterMeasurer measurer(7, 20);
    // 8 chars x 7 = 56; 56 x 1.24 = 69.44; 20 x 1.2 = 24.
    EXPECT_EQ(ClockFaceSize(ClockSettings(false, false, 1), Texts(), measurer), (SizeI{69, 24}));
}

TEST(ClockFaceSize, MeasuresInTahomaAtSizePlusEightPointsWhateverTheFont) {
    CharacterMeasurer measurer;
    Settings settings = ClockSettings(true, true, 6);
    settings.ClockFont = "Impact";
    settings.ClockSize = 12;
    ClockFaceSize(settings, Texts(), measurer);
    ASSERT_FALSE(measurer.calls.empty());
    for (const auto& call : measurer.calls) {
        EXPECT_EQ(call.family, "Tahoma");
        EXPECT_EQ(call.points, 20);
    }
}

TEST(ClockFaceSize, OneLineMeasuresSingleBlanksButDrawsCommas) {
    CharacterMeasurer measurer(7, 20);
    ClockTexts texts{"9:05 AM", "March 07", "Saturday"};
    const SizeI plain = ClockFaceSize(ClockSettings(true, false, 1), texts, measurer);
    EXPECT_EQ(measurer.calls.back().text, "March 07 9:05 AM");
    EXPECT_EQ(plain, (SizeI{139, 24}));  // 16 x 7 = 112; x 1.24 = 138.88
    EXPECT_EQ(ComposeClockText(texts, 1), "March 07, 9:05 AM");

    const SizeI weekday = ClockFaceSize(ClockSettings(true, false, 6), texts, measurer);
    EXPECT_EQ(measurer.calls.back().text, "Saturday March 07 9:05 AM");
    EXPECT_EQ(weekday.width, 217);  // 25 x 7 = 175; x 1.24 = 217
    EXPECT_EQ(ComposeClockText(texts, 6), "Saturday, March 07, 9:05 AM");
}

TEST(ClockFaceSize, DayOfWeekFormatShowsTheNameBeforeTheTime) {
    // DateIndex 4 formats the date as the weekday; it is no weekday variant.
    ClockTexts texts{"9:05 AM", "Saturday", "Saturday"};
    EXPECT_EQ(ComposeClockText(texts, 4), "Saturday, 9:05 AM");
}

struct TowerCase {
    int dateIndex;
    bool oval;
    int expectedWidth;
    int expectedHeight;
};

TEST(ClockFaceSize, TowerWideningsAndHeights) {
    // Widest plain text 8 x 7 = 56 (the time); with the weekday 14 x 7 = 98.
    const TowerCase cases[] = {
        {2, false, 64, 36},   // 56 x 1.15 = 64.4; 20 x 1.8
        {2, true, 84, 36},    // 56 x 1.5
        {5, false, 113, 50},  // 98 x 1.15 = 112.7; 20 x 2.5
        {5, true, 147, 50},   // 98 x 1.5
        {6, true, 147, 50},
        {7, true, 122, 50},   // 98 x 1.24 = 121.52
        {8, true, 122, 50},
        {8, false, 113, 50},
        {12, true, 84, 36},
    };
    for (const TowerCase& c : cases) {
        CharacterMeasurer measurer(7, 20);
        EXPECT_EQ(ClockFaceSize(ClockSettings(true, true, c.dateIndex, c.oval), Texts(), measurer),
                  (SizeI{c.expectedWidth, c.expectedHeight}))
            << "DateIndex " << c.dateIndex << (c.oval ? " oval" : " rounded rectangle");
    }
}

TEST(ClockFaceSize, TowerTakesTheWidestLine) {
    CharacterMeasurer measurer(7, 20);
    ClockTexts texts{"9:05", "December 31, 2026", "Friday"};  // the date is widest: 17 x 7 = 119
    EXPECT_EQ(ClockFaceSize(ClockSettings(true, true, 2), texts, measurer).width, 137);  // 136.85
    texts.weekday = "Wednesday, the long one";  // 23 x 7 = 161, counted only for 5..8
    EXPECT_EQ(ClockFaceSize(ClockSettings(true, true, 2), texts, measurer).width, 137);
    EXPECT_EQ(ClockFaceSize(ClockSettings(true, true, 5), texts, measurer).width, 185);  // 185.15
}

TEST(ClockFaceSize, TrueHalvesRoundToEven) {
    // 10 x 5 = 50; 50 x 1.15 = 57.5 exactly, which binary 1.15 would put below the half.
    CharacterMeasurer measurer(5, 21);
    ClockTexts texts{"0123456789", "d", "w"};
    EXPECT_EQ(ClockFaceSize(ClockSettings(true, true, 2), texts, measurer).width, 58);
    // 21 x 2.5 = 52.5 -> 52; 23 x 2.5 = 57.5 -> 58.
    EXPECT_EQ(ClockFaceSize(ClockSettings(true, true, 6), texts, measurer).height, 52);
    measurer.height = 23;
    EXPECT_EQ(ClockFaceSize(ClockSettings(true, true, 6), texts, measurer).height, 58);
    // 7 x 5 = 35; 35 x 1.5 = 52.5 -> 52.
    texts.time = "0123456";
    EXPECT_EQ(ClockFaceSize(ClockSettings(true, true, 2, true), texts, measurer).width, 52);
}

TEST(ClockLayout, ChosenByDateShowTowerAndWeekday) {
    EXPECT_EQ(ClockLayoutFor(ClockSettings(false, true, 6)), ClockLayout::TimeOnly);
    EXPECT_EQ(ClockLayoutFor(ClockSettings(true, false, 6)), ClockLayout::OneLine);
    EXPECT_EQ(ClockLayoutFor(ClockSettings(true, true, 4)), ClockLayout::TowerTwoLines);
    EXPECT_EQ(ClockLayoutFor(ClockSettings(true, true, 8)), ClockLayout::TowerThreeLines);
    EXPECT_EQ(ClockLayoutFor(ClockSettings(true, true, 99)), ClockLayout::TowerTwoLines);
}

void ExpectRect(const RectF& rect, float x, float y, float width, float height) {
    EXPECT_FLOAT_EQ(rect.x, x);
    EXPECT_FLOAT_EQ(rect.y, y);
    EXPECT_FLOAT_EQ(rect.width, width);
    EXPECT_FLOAT_EQ(rect.height, height);
}

TEST(ClockTextItems, RectanglesPerLayout) {
    const ClockTexts texts{"time", "date", "weekday"};
    const SizeI face{200, 100};

    auto single = ClockTextItems(ClockLayout::TimeOnly, texts, "line", face);
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0].text, "time");
    ExpectRect(single[0].rect, 0, 0, 200, 100);

    auto line = ClockTextItems(ClockLayout::OneLine, texts, "line", face);
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ(line[0].text, "line");
    ExpectRect(line[0].rect, 0, 0, 200, 100);

    auto two = ClockTextItems(ClockLayout::TowerTwoLines, texts, "line", face);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].text, "date");
    ExpectRect(two[0].rect, 0, 10, 200, 45);
    EXPECT_EQ(two[1].text, "time");
    ExpectRect(two[1].rect, 0, 50, 200, 50);

    auto three = ClockTextItems(ClockLayout::TowerThreeLines, texts, "line", face);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[0].text, "weekday");
    ExpectRect(three[0].rect, 0, 1, 200, 33);
    EXPECT_EQ(three[1].text, "date");
    ExpectRect(three[1].rect, 0, 33, 200, 33);
    EXPECT_EQ(three[2].text, "time");
    ExpectRect(three[2].rect, 0, 66, 200, 33);
    for (const DrawText& item : three) EXPECT_EQ(item.font, 0);
}

TEST(ClockDrawingFont, FontSettingInPixelsBoldFromBorder) {
    Settings settings = ClockSettings(true, false, 1);
    settings.ClockFont = "Verdana";
    settings.ClockSize = 10;
    settings.ClockBorder = true;
    const FontChoice font = ClockDrawingFont(settings);
    EXPECT_EQ(font.family, "Verdana");
    EXPECT_EQ(font.emPixels, 18);
    EXPECT_TRUE(font.bold);
}

TEST(ClockDrawingFont, CorruptSizesStayUsable) {
    EXPECT_EQ(ClockFontSize(0), 8);
    EXPECT_EQ(ClockFontSize(50), 58);
    EXPECT_EQ(ClockFontSize(-100), 1);
    EXPECT_EQ(ClockFontSize(INT_MAX), 2000);  // no overflow
}

}  // namespace
}  // namespace zentrova
