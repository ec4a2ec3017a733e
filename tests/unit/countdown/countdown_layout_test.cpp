#include "countdown/countdown_layout.h"
#include "language/language_test_support.h"
#include "text/utf.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace zentrova {
namespace {

void ExpectRect(const RectF& actual, float x, float y, float width, float height) {
    EXPECT_NEAR(actual.x, x, 1e-3);
    EXPECT_NEAR(actual.y, y, 1e-3);
    EXPECT_NEAR(actual.width, width, 1e-3);
    EXPECT_NEAR(actual.height, height, 1e-3);
}

const std::array<std::string, 6> kNumbers{"00", "0-1", "30", "13", "39", "07"};

TEST(CountdownRectangleLayout, PlacesTitleLabelsAndNumbersOnA300By60Face) {
    const CountdownLayout layout = RectangleCountdownLayout({300, 60});
    ExpectRect(layout.title, 0, 0, 300, 18);

    ExpectRect(layout.labels[0], 0, 15, 60, 18);
    ExpectRect(layout.labels[1], 50, 15, 69.767f, 18);
    ExpectRect(layout.labels[2], 111.111f, 15, 50, 18);
    ExpectRect(layout.labels[3], 160, 15, 60, 18);
    ExpectRect(layout.labels[4], 210.084f, 15, 50, 18);
    ExpectRect(layout.labels[5], 250, 15, 50, 18);

    ExpectRect(layout.numbers[0], 0, 30, 60, 30);
    ExpectRect(layout.numbers[1], 50, 30, 69.767f, 30);
    ExpectRect(layout.numbers[2], 111.111f, 30, 50, 30);
    ExpectRect(layout.numbers[3], 162.162f, 30, 60, 30);  // right of its label
    ExpectRect(layout.numbers[4], 210.084f, 30, 50, 30);
    ExpectRect(layout.numbers[5], 250, 30, 50, 30);
}

TEST(CountdownRectangleLayout, HasFourSeparatorsAndNoSuffixes) {
    const CountdownLayout layout = RectangleCountdownLayout({300, 60});
    ASSERT_EQ(layout.separators.size(), 4u);
    const char* texts[] = {"-", "-", ":", ":"};
    const float lefts[] = {50, 105.263f, 210.084f, 250};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_STREQ(layout.separators[i].text, texts[i]);
        ExpectRect(layout.separators[i].rect, lefts[i], 30, 10, 30);
    }
    for (const char* suffix : layout.numberSuffixes) EXPECT_STREQ(suffix, "");
}

TEST(CountdownOvalLayout, PlacesTitleLabelsAndNumbersOnA500By100Face) {
    const CountdownLayout layout = OvalCountdownLayout({500, 100});
    ExpectRect(layout.title, 0, 3, 500, 30);

    ExpectRect(layout.labels[0], 60, 26, 80, 30);
    ExpectRect(layout.labels[1], 120, 26, 100, 30);  // the wider months column
    ExpectRect(layout.labels[2], 195, 26, 80, 30);
    ExpectRect(layout.labels[3], 260, 26, 80, 30);
    ExpectRect(layout.labels[4], 317.5f, 26, 80, 30);
    ExpectRect(layout.labels[5], 370, 26, 80, 30);

    ExpectRect(layout.numbers[0], 75, 50, 80, 45);
    ExpectRect(layout.numbers[1], 127.5f, 50, 100, 45);
    ExpectRect(layout.numbers[2], 195, 50, 80, 45);
    ExpectRect(layout.numbers[3], 270, 50, 80, 45);
    ExpectRect(layout.numbers[4], 322.5f, 50, 80, 45);
    ExpectRect(layout.numbers[5], 370, 50, 80, 45);
    EXPECT_TRUE(layout.separators.empty());
}

TEST(CountdownTextItems, RectangleDrawsLabelsThenNumbersThenSeparators) {
    const std::vector<DrawText> items =
        CountdownTextItems(RectangleCountdownLayout({300, 60}), "Holiday", CountdownLabelWords(), kNumbers, 0, 2, 1);
    const std::vector<std::string> texts{"Holiday", "Year", "Month", "Day", "Hour", "Min", "Sec", "00", "0-1",
                                         "30",      "13",   "39",    "07",  "-",    "-",   ":",   ":"};
    ASSERT_EQ(items.size(), texts.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].text, texts[i]) << i;
        EXPECT_EQ(items[i].font, i == 0 ? 0 : i < 7 ? 2 : 1) << i;
    }
}

TEST(CountdownTextItems, OvalAppendsTheSeparatorsToTheNumbers) {
    const std::vector<DrawText> items = CountdownTextItems(OvalCountdownLayout({500, 100}), "", CountdownLabelWords(), kNumbers, 0, 2, 1);
    ASSERT_EQ(items.size(), 13u);
    EXPECT_EQ(items[0].text, "");  // an empty title still takes its line
    const std::vector<std::string> numbers{"00 -", "0-1-", "30", "13:", "39:", "07"};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        EXPECT_EQ(items[7 + i].text, numbers[i]) << i;
        EXPECT_EQ(items[7 + i].font, 1) << i;
    }
}

// Each character half the em wide.
class HalfEmMeasurer final : public TextMeasurer {
public:
    SizeI Measure(const std::string&, int pixels, const std::string& text) override {
        return {static_cast<int>(Utf8ToUtf16(text).size()) * pixels / 2, pixels};
    }
};

TEST(CountdownLabelWords, DrawnSmallerOnlyWhereTheyWouldNotFitTheirCells) {
    HalfEmMeasurer measurer;
    const CountdownLayout layout = RectangleCountdownLayout({300, 60});  // the minutes' cell 50 wide
    const FontChoice label{"Georgia", 16, true};
    EXPECT_EQ(FitLabelWords(layout, CountdownLabelWords(), label, measurer), label);
    // "Minuten" is 56 wide at 16 pixels, 49 at 14.
    const std::array<std::string, 6> german{"Jahr", "Monat", "Tag", "Std.", "Minuten", "Sek."};
    EXPECT_EQ(FitLabelWords(layout, german, label, measurer).emPixels, 14);
    test::ScopedLanguage russian(test::LanguageTagged("ru-RU"));
    EXPECT_EQ(CountdownLabelWords()[5], "Сек.");
}

}  // namespace
}  // namespace zentrova
