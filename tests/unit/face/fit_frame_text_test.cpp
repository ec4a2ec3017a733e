#include "face/fit_frame_text.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "text/utf.h"

namespace zentrova {
namespace {

// Every character (with its marks) half an em wide; counts measurements.
class HalfEmMeasurer : public TextMeasurer {
public:
    SizeI Measure(const std::string&, int, const std::string&) override { return {}; }
    SizeI MeasurePixels(const std::string&, int emPixels, bool, const std::string& text) override {
        ++calls;
        return {(static_cast<int>(CutPoints(text).size()) - 1) * emPixels / 2, emPixels};
    }
    int calls = 0;
};

TEST(FrameTextFitter, ATextTooWideIsDrawnSmallerThenCutAndRemembered) {
    struct Case {
        const char* text;
        int emPixels;
        float width;
        const char* drawn;
        int drawnPixels;
    };
    const Case cases[] = {
        {"New Year", 10, 40, "New Year", 10},  // exactly 40: as it is
        {"New Year", 12, 40, "New Year", 10},  // 48 at 12, 44 at 11
        {"New Year", 20, 40, "New...", 12},    // three fifths of 20 is the least
        {"Holidays", 8, 20, "Hol...", 6},      // never under 6 pixels
        // Cut after a character's mark, never before it.
        {"Cafe\xCC\x81 au lait", 10, 21, "Cafe\xCC\x81...", 6},
    };
    Frame face;
    for (const Case& c : cases) {
        face.ops.emplace_back(DrawText{static_cast<int>(face.fonts.size()), c.text, RectF{0, 0, c.width, 20}});
        face.fonts.push_back({"Georgia", c.emPixels, false});
    }
    HalfEmMeasurer measurer;
    FrameTextFitter fitter(measurer);
    Frame frame = face;
    fitter.Fit(frame);
    EXPECT_EQ(frame.fonts.size(), face.fonts.size() + 1);  // 6 pixels, added once; 10 and 12 reused
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& item = std::get<DrawText>(frame.ops[i]);
        EXPECT_EQ(item.text, cases[i].drawn) << i;
        EXPECT_EQ(frame.fonts[static_cast<std::size_t>(item.font)], (FontChoice{"Georgia", cases[i].drawnPixels}))
            << i;
        EXPECT_EQ(item.oneLine, i != 0) << i;  // a fitted text is never wrapped
    }

    // The next frames measure only what changed.
    const int measured = measurer.calls;
    Frame again = face;
    fitter.Fit(again);
    EXPECT_EQ(again, frame);
    EXPECT_EQ(measurer.calls, measured);
    again = face;
    std::get<DrawText>(again.ops[0]).text = "New Day";
    fitter.Fit(again);
    EXPECT_EQ(measurer.calls, measured + 1);
    // A text back after a while (the seconds after a minute) is not
    // measured again.
    again = face;
    fitter.Fit(again);
    EXPECT_EQ(again, frame);
    EXPECT_EQ(measurer.calls, measured + 1);
}

}  // namespace
}  // namespace zentrova
