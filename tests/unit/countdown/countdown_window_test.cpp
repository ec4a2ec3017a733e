#include "countdown/countdown_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "countdown/countdown_face.h"
#include "countdown/countdown_layout.h"
#include "face/face_fakes.h"

namespace zentrova {
namespace {

// Keeps every frame pushed, to read its texts back.
class RecordingSurface : public testing::FakeSurface {
public:
    void Push(const Frame& frame) override { frames.push_back(frame); }
    std::vector<Frame> frames;
};

// A width per character that depends on the family, so measuring in the
// drawing font would show in the face size. Drawn texts, measured in their
// fonts' pixels, are two thirds of an em a character.
class FamilyMeasurer : public TextMeasurer {
public:
    SizeI Measure(const std::string& family, int points, const std::string& text) override {
        const int perCharacter = family == "Times New Roman" ? points : 2 * points;
        return {static_cast<int>(text.size()) * perCharacter * scale, points * 2 * scale};
    }
    SizeI MeasurePixels(const std::string&, int emPixels, bool, const std::string& text) override {
        return {static_cast<int>(text.size()) * emPixels * 2 / 3, emPixels};
    }
    int scale = 1;
};

class ZeroRandom : public RandomSource {
public:
    int Next(int) override { return 0; }
};

SkinSet SolidSkins() {
    SkinSet skins;
    for (SkinImage& image : skins.images) {
        image.width = kSkinSide;
        image.height = kSkinSide;
        image.bgrx.assign(kSkinSide * kSkinSide * 4, 0);
        for (std::size_t i = 0; i < image.bgrx.size(); i += 4) {
            image.bgrx[i] = 10;      // blue
            image.bgrx[i + 1] = 20;  // green
            image.bgrx[i + 2] = 30;  // red
        }
    }
    return skins;
}

std::vector<std::string> Texts(const Frame& frame) {
    std::vector<std::string> texts;
    for (const DrawOp& op : frame.ops) texts.push_back(std::get<DrawText>(op).text);
    return texts;
}

// The six numbers of a frame: they follow the title and the six labels.
std::vector<std::string> Numbers(const Frame& frame) {
    const std::vector<std::string> texts = Texts(frame);
    return {texts.begin() + 7, texts.begin() + 13};
}

class CountdownWindowTest : public ::testing::Test {
protected:
    CountdownWindowTest() {
        time.now = {2026, 12, 8, 10, 20, 30, 0};
        settings.CountSize = 3;
        settings.CountSkin = 1;
        settings.CountFont = "Georgia";
        settings.CountShow = true;
        settings.CountLeft = 100;
        settings.CountTop = 200;
        settings.CountMax = 2;
        settings.CountList[0] = {"New Year", EncodeDate(2027, 1, 1), EncodeTime(0, 0, 0)};
        settings.CountList[1] = {"Holiday", EncodeDate(2026, 12, 24), EncodeTime(18, 0, 0)};
        settings.CountIndex = 0;
        settings.CountText = "Shown title";  // drawn instead of the list's own title
    }

    TForm3& Window() {
        if (!window) {
            window = std::make_unique<TForm3>(
                DisplayContext{surface, measurer, desktop, random, time, shell, skins, bitmaps}, settings, sink);
        }
        return *window;
    }

    Settings settings;
    RecordingSurface surface;
    FamilyMeasurer measurer;
    testing::FakeDesktop desktop;
    ZeroRandom random;
    testing::FakeTime time;
    testing::FakeShell shell;
    SkinSet skins = SolidSkins();
    WorkingBitmaps bitmaps;
    testing::CountingSink sink;
    std::unique_ptr<TForm3> window;
};

TEST_F(CountdownWindowTest, CreationFrameAlreadyShowsTheTimeLeft) {
    Window().FormCreate();
    ASSERT_EQ(surface.frames.size(), 1u);
    const Frame& frame = surface.frames.front();
    EXPECT_EQ(Numbers(frame), (std::vector<std::string>{"00", "00", "23", "13", "39", "30"}));
    EXPECT_EQ(Texts(frame).front(), "Shown title");
    EXPECT_TRUE(surface.visible);
    EXPECT_EQ(surface.position, (PointI{100, 200}));
}

TEST_F(CountdownWindowTest, FrameCarriesTheFaceTheFontsAndTheSkinColour) {
    Window().FormCreate();
    const Frame& frame = surface.frames.back();
    const SizeI face = Window().FaceSize();
    EXPECT_EQ(surface.clientSizes.back(), face);
    EXPECT_EQ(frame.width, face.width);
    EXPECT_EQ(frame.height, face.height);
    EXPECT_EQ(frame.pixels.size(), static_cast<std::size_t>(face.width) * face.height);
    // The centre pixel is the opaque skin: red 30, green 20, blue 10.
    EXPECT_EQ(frame.pixels[(face.height / 2) * face.width + face.width / 2], 0xFF1E140Au);
    EXPECT_EQ(frame.textColor, (Rgb{255, 193, 23}));
    ASSERT_EQ(frame.fonts.size(), 3u);
    // English words fit their cells: drawn in the label font itself.
    EXPECT_EQ(frame.fonts[kCountWordFontIndex], frame.fonts[kCountLabelFontIndex]);
    EXPECT_EQ(frame.fonts[kCountLabelFontIndex].family, "Georgia");
    EXPECT_EQ(frame.fonts[kCountLabelFontIndex].emPixels, 11);
    EXPECT_EQ(frame.fonts[kCountNumberFontIndex].emPixels, 15);
    EXPECT_EQ(Texts(frame).size(), 17u);  // title, six labels, six numbers, four separators
}

TEST_F(CountdownWindowTest, RedrawsOncePerSecond) {
    Window().FormCreate();
    Window().OnTimer();  // the remembered time is still the reset value
    Window().OnTimer();
    Window().OnTimer();
    EXPECT_EQ(surface.frames.size(), 2u);
    time.Set(10, 20, 31);
    Window().OnTimer();
    Window().OnTimer();
    ASSERT_EQ(surface.frames.size(), 3u);
    EXPECT_EQ(Numbers(surface.frames.back()), (std::vector<std::string>{"00", "00", "23", "13", "39", "29"}));
}

TEST_F(CountdownWindowTest, AtMidnightTheRedrawWaitsForTheNextSecond) {
    settings.CountShow = false;  // a hidden window goes on drawing
    time.Set(0, 0, 0);
    Window().FormCreate();
    EXPECT_FALSE(surface.visible);
    Window().OnTimer();
    EXPECT_EQ(surface.frames.size(), 1u);
    time.Set(0, 0, 1);
    Window().OnTimer();
    EXPECT_EQ(surface.frames.size(), 2u);
}

TEST_F(CountdownWindowTest, NewSelectionIsDrawnAtTheNextTick) {
    Window().FormCreate();
    Window().OnTimer();
    settings.CountIndex = 1;
    settings.CountText = "Holiday";
    Window().CountForm();
    Window().OnTimer();  // same second
    ASSERT_EQ(surface.frames.size(), 3u);
    const Frame& frame = surface.frames.back();
    EXPECT_EQ(Texts(frame).front(), "Holiday");
    EXPECT_EQ(Numbers(frame), (std::vector<std::string>{"00", "00", "16", "07", "39", "30"}));
}

// The value follows the seconds' redraws but changes only with its words;
// reaching the event is announced once, and choosing a passed entry is not.
TEST_F(CountdownWindowTest, SpeaksTheTimeLeftAndAnnouncesTheEventOnce) {
    settings.CountList[0] = {"New Year", EncodeDate(2026, 12, 8), EncodeTime(10, 21, 0)};
    Window().FormCreate();
    Window().OnTimer();  // the same second: nothing new to say
    time.Set(10, 20, 59);
    Window().OnTimer();
    EXPECT_TRUE(surface.announcements.empty());
    time.Set(10, 21, 0);
    Window().OnTimer();
    time.Set(10, 21, 1);
    Window().OnTimer();
    EXPECT_EQ(surface.spokenValues, (std::vector<std::string>{"Shown title: 30 seconds", "Shown title: 1 second",
                                                              "Shown title: now", "Shown title: 1 second ago"}));
    EXPECT_EQ(surface.announcements, (std::vector<std::string>{"Shown title: now"}));

    // Another passed entry: nothing more to announce.
    settings.CountIndex = 1;
    Window().CountForm();
    time.Set(10, 21, 2);
    Window().OnTimer();
    EXPECT_EQ(surface.announcements.size(), 1u);
}

// A title too long for its line would be wrapped, and the centred box,
// too low for two lines, would show a clipped middle line: it is drawn
// smaller, down to 7 pixels, and then cut to one line ending with an
// ellipsis. The measurer gives "Georgia" 22/3 pixels a character at the
// label font's 11 pixels and 14/3 at 7, on a face 315 wide.
TEST_F(CountdownWindowTest, ALongTitleStaysOnOneLineEndingWithAnEllipsis) {
    settings.CountText = "This title goes on and on, well past the end of its line, to see how the line ends at last";
    Window().FormCreate();
    ASSERT_EQ(Window().FaceSize().width, 315);
    // 303 pixels: the plate, a little narrower than the face, holds 65 characters.
    const std::string cut = "This title goes on and on, well past the end of its line, to s...";
    EXPECT_EQ(Window().ShownTitle(), cut);
    const Frame& frame = surface.frames.back();
    const auto& title = std::get<DrawText>(frame.ops.front());
    EXPECT_EQ(title.text, cut);
    EXPECT_EQ(frame.fonts[title.font].emPixels, 7);
    EXPECT_TRUE(title.oneLine);
    EXPECT_FALSE(std::get<DrawText>(frame.ops[1]).oneLine);  // the labels are as they were
    EXPECT_EQ(frame.fonts[std::get<DrawText>(frame.ops[1]).font].emPixels, 11);

    // A title that fits is drawn whole in the label font, a little too long
    // one whole in a smaller size, and a new title is fitted anew.
    settings.CountText = "New Year 2027";  // 13 characters, 95 pixels
    Window().CountForm();
    Window().OnTimer();
    EXPECT_EQ(Texts(surface.frames.back()).front(), "New Year 2027");
    EXPECT_EQ(surface.frames.back().fonts[kCountLabelFontIndex].emPixels, 11);
    settings.CountText = "Grandma's 80th birthday party at the lake house";  // 344 pixels, 282 at 9
    Window().CountForm();
    Window().OnTimer();
    EXPECT_EQ(Texts(surface.frames.back()).front(), settings.CountText);
    EXPECT_EQ(surface.frames.back().fonts[kCountLabelFontIndex].emPixels, 9);

    // The title's two ends lie on the plate where it is at least half opaque
    // along the title's middle row, which on an oval is far narrower.
    settings.CountText = "Grandma's 80th birthday party at the lake house, with the whole family and the dogs";
    for (bool oval : {false, true}) {
        settings.CountRectOval = oval;
        Window().CountForm();
        const FacePlanes& planes = Window().Planes();
        const CountdownLayout layout = CountdownLayoutFor(Window().FaceSize(), oval);
        // The row nearest the middle: on an oval, the plate narrows fast there.
        const std::size_t row =
            static_cast<std::size_t>(std::lround(layout.title.y + layout.title.height / 2)) * planes.width;
        int left = planes.width, right = -1;
        for (int x = 0; x < planes.width; ++x) {
            if (planes.alpha[row + x] < 128) continue;
            left = std::min(left, x);
            right = x;
        }
        const std::string& shown = Window().ShownTitle();
        ASSERT_TRUE(shown.ends_with("...")) << oval;
        const int shownWidth = measurer.MeasurePixels("Georgia", 7, false, shown).width;
        EXPECT_LE(shownWidth, right - left + 2) << oval;
        EXPECT_GT(shownWidth + 5, (right - left + 2) * 0.9) << oval;  // and not cut much shorter
    }
}

// Now is 8 December 2026 10:20:30. A passed event counts the time since it
// under a marked title; made yearly, it counts to the same moment next year.
TEST_F(CountdownWindowTest, APassedEventCountsUpMarkedAndAYearlyOneCountsToNextYear) {
    settings.CountList[0] = {"Exam", EncodeDate(2026, 12, 7), EncodeTime(9, 0, 0)};
    settings.CountText = "Exam";
    Window().FormCreate();
    EXPECT_TRUE(Window().Passed());
    EXPECT_EQ(Texts(surface.frames.back()).front(), "Exam (passed)");
    EXPECT_EQ(Numbers(surface.frames.back()), (std::vector<std::string>{"00", "00", "01", "01", "20", "30"}));

    settings.CountList[0].repeat = CountRepeat::Year;
    Window().CountForm();
    Window().OnTimer();
    EXPECT_FALSE(Window().Passed());
    EXPECT_EQ(Texts(surface.frames.back()).front(), "Exam");
    EXPECT_EQ(Numbers(surface.frames.back()), (std::vector<std::string>{"00", "11", "29", "22", "39", "30"}));
}

TEST_F(CountdownWindowTest, TheTextsFadeWithTheFace) {
    for (int transparency : {0, 25, 50}) {
        settings.CountTransparent = transparency;
        surface.frames.clear();
        Window().FormCreate();
        EXPECT_FLOAT_EQ(surface.frames.back().textOpacity, 1.0f - transparency / 50.0f) << transparency;
    }
}

TEST_F(CountdownWindowTest, CountIndexOutsideTheListStaysInsideTheSlots) {
    for (int index : {50, -1, kCountSlots}) {
        settings.CountIndex = index;
        surface.frames.clear();
        Window().FormCreate();
        ASSERT_EQ(surface.frames.size(), 1u) << index;
        const CountEntry& shown = settings.SelectedEntry();
        EXPECT_EQ(Window().Target(), ApplyBorrows(DecodeTarget(shown.date, shown.time), Window().Now(),
                                                  Window().MonthLength()))
            << index;
    }
}

TEST_F(CountdownWindowTest, FaceSizeIgnoresTheDrawingFontAndBold) {
    Window().CountForm();
    const SizeI face = Window().FaceSize();
    settings.CountFont = "Arial";
    settings.CountBorder = true;
    Window().CountForm();
    EXPECT_EQ(Window().FaceSize(), face);
    settings.CountSize = 10;
    Window().CountForm();
    EXPECT_GT(Window().FaceSize().width, face.width);
    settings.CountSize = 3;
    settings.CountRectOval = true;
    Window().CountForm();
    EXPECT_NE(Window().FaceSize(), face);
}

TEST_F(CountdownWindowTest, RoundedOutlineWithOvalLayoutWhenSkySet) {
    settings.CountRectOval = true;
    Window().FormCreate();
    const SizeI face = Window().FaceSize();
    const auto cornerAlpha = [&] {
        return Window().Planes().alpha[static_cast<std::size_t>(face.height / 10) * face.width + face.width / 10];
    };
    EXPECT_EQ(cornerAlpha(), 0);  // outside the oval
    settings.CountSky = true;
    Window().CountForm();
    EXPECT_GT(cornerAlpha(), 0);  // inside the rounded rectangle
    Window().OnTimer();
    const std::vector<std::string> texts = Texts(surface.frames.back());
    ASSERT_EQ(texts.size(), 13u);
    EXPECT_EQ(texts[7], "00 -");
    EXPECT_EQ(texts[10], "13:");
}

TEST_F(CountdownWindowTest, HugeFaceIsHeldToThePlanes) {
    measurer.scale = 1000;
    Window().FormCreate();
    EXPECT_EQ(Window().FaceSize(), kCountPlaneCapacity);
    const Frame& frame = surface.frames.back();
    EXPECT_EQ(frame.pixels.size(), static_cast<std::size_t>(kCountPlaneCapacity.width) * kCountPlaneCapacity.height);
}

TEST_F(CountdownWindowTest, StillWindowSavesItsPositionAsCountLeftAndTop) {
    settings.CountLeft = -2;
    Window().FormCreate();
    for (int tick = 0; tick < 3; ++tick) Window().OnTimer();
    EXPECT_EQ(settings.CountLeft, 0);
    EXPECT_EQ(settings.CountTop, 200);
    EXPECT_EQ(sink.writes, 1);
}

}  // namespace
}  // namespace zentrova
