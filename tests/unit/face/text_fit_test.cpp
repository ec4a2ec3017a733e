#include "face/text_fit.h"

#include <gtest/gtest.h>

#include <string>

#include "text/utf.h"

namespace zentrova {
namespace {

// Every character (with its marks) half an em pixel wide; bold a pixel
// wider each; records the last font asked for.
int Characters(const std::string& text) { return static_cast<int>(CutPoints(text).size()) - 1; }

class AdvanceMeasurer : public TextMeasurer {
public:
    SizeI Measure(const std::string&, int, const std::string&) override {
        ADD_FAILURE() << "a drawn text is measured in its drawing font's pixels";
        return {};
    }
    SizeI MeasurePixels(const std::string& family, int emPixels, bool bold, const std::string& text) override {
        lastFamily = family;
        ++calls;
        const int perCharacter = emPixels / 2 + (bold ? 1 : 0);
        return {Characters(text) * perCharacter, emPixels};
    }
    std::string lastFamily;
    int calls = 0;
};

TEST(FitOnOneLine, ATextThatFitsIsKeptWhole) {
    AdvanceMeasurer measurer;
    const FontChoice font{"Georgia", 10, false};  // 5 pixels a character
    EXPECT_EQ(FitOnOneLine("New Year", font, 40, measurer), "New Year");  // exactly 40
    EXPECT_EQ(measurer.lastFamily, "Georgia");
    EXPECT_EQ(measurer.calls, 1);
    EXPECT_EQ(FitOnOneLine("", font, 0, measurer), "");
}

TEST(FitOnOneLine, ATooLongTextIsCutToTheLongestBeginningThatFitsWithAnEllipsis) {
    AdvanceMeasurer measurer;
    struct Case {
        const char* text;
        FontChoice font;
        double width;
        const char* fitted;
    };
    const Case cases[] = {
        // 5 pixels a character: 12 characters fit in 60, so 9 and "...".
        {"This title goes on and on to see how the line ends", {"Arial", 10, false}, 60, "This titl..."},
        // A blank before the cut is dropped: "This title..." not "This title ...".
        {"This title goes on", {"Arial", 10, false}, 70, "This title..."},
        // Bold is a pixel wider a character: 6 characters in 36.
        {"Holidays at home", {"Arial", 10, true}, 36, "Hol..."},
        // Not even one character beside the dots.
        {"Holidays", {"Arial", 10, false}, 18, "..."},
        {"Holidays", {"Arial", 10, false}, 0, "..."},
        // Cut between characters, never inside one or before its marks.
        {"Новый год наступает", {"Arial", 10, false}, 35, "Новы..."},
        {"Cafe\u0301 au lait", {"Arial", 10, false}, 35, "Cafe\u0301..."},
        {"春节🎆🎆🎆🎆🎆🎆", {"Arial", 10, false}, 30, "春节🎆..."},
    };
    for (const Case& c : cases) {
        const std::string fitted = FitOnOneLine(c.text, c.font, c.width, measurer);
        EXPECT_EQ(fitted, c.fitted) << c.text << " in " << c.width;
        const int perCharacter = c.font.emPixels / 2 + (c.font.bold ? 1 : 0);
        if (fitted.size() > kEllipsis.size()) {
            EXPECT_LE(static_cast<double>(Characters(fitted) * perCharacter), c.width) << c.text;
        }
    }
}

TEST(FitOnTwoLines, BreaksAfterAWordThenCutsTheSecondLine) {
    AdvanceMeasurer measurer;
    const FontChoice font{"Arial", 10, false};  // 5 pixels a character
    struct Case { const char* text; double width; const char* fitted; };
    const Case cases[] = {
        {"New Year", 40, "New Year"},                                 // one line is enough
        {"Grandma's party", 60, "Grandma's\nparty"},                  // the break is at the blank
        {"Grandma's birthday party", 60, "Grandma's\nbirthday..."},   // the second line is cut
        {"Weihnachtsfeier", 40, "Weihnach\ntsfeier"},                 // no blank: between letters
        {"Новый год наступает", 50, "Новый год\nнаступает"},          // blanks found inside UTF-8
        {"Cafe\u0301 crème brûlée", 25, "Cafe\u0301\ncr..."},         // a mark stays with its letter
    };
    for (const Case& c : cases) EXPECT_EQ(FitOnTwoLines(c.text, font, c.width, measurer), c.fitted) << c.text;
}

}  // namespace
}  // namespace zentrova
