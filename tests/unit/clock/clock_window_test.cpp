#include "clock/clock_window.h"

#include <gtest/gtest.h>

#include <optional>
#include <variant>

#include "clock_fakes.h"

namespace zentrova {
namespace {

using namespace zentrova::testing;

constexpr int kEscape = 27;
constexpr Rgb kSkin9Text{84, 13, 45};

SkinSet OneSkin(int number) {
    SkinSet skins;
    SkinImage& image = skins.images[static_cast<std::size_t>(number - 1)];
    image.width = kSkinSide;
    image.height = kSkinSide;
    image.bgrx.assign(static_cast<std::size_t>(kSkinSide) * kSkinSide * 4, 0x80);
    return skins;
}

Settings FirstRunClock() {
    Settings settings;
    settings.ClockSize = 6;
    settings.ClockSkin = 9;
    settings.ClockFont = "Tahoma";
    settings.TimeIndex = 0;
    settings.DateIndex = 1;
    settings.DateShow = true;
    settings.ClockShow = true;
    settings.ClockBorder = true;
    settings.ClockLeft = 100;
    settings.ClockTop = 50;
    return settings;
}

std::vector<std::string> Texts(const Frame& frame) {
    std::vector<std::string> texts;
    for (const DrawOp& op : frame.ops) {
        if (const auto* text = std::get_if<DrawText>(&op)) texts.push_back(text->text);
    }
    return texts;
}

class ClockWindowTest : public ::testing::Test {
protected:
    ClockWindowTest() { time.now = LocalTime{2024, 5, 17, 10, 0, 0, 0}; }

    TForm1& Clock() {
        if (!clock) {
            const DisplayContext context{surface, measurer, desktop, random, time, shell, skins, bitmaps};
            clock.emplace(context, settings, EnglishUnitedStates(), sink);
        }
        return *clock;
    }
    TForm1& Created() {
        Clock().FormCreate();
        return *clock;
    }

    RecordingSurface surface;
    CharacterMeasurer measurer{7, 20};
    FakeDesktop desktop;
    ScriptedRandom random{1, 0, 199};  // the velocity drawn at creation
    FakeTime time;
    FakeShell shell;
    SkinSet skins = OneSkin(9);
    WorkingBitmaps bitmaps;
    CountingSink sink;
    Settings settings = FirstRunClock();
    std::optional<TForm1> clock;
};

TEST_F(ClockWindowTest, CreationPlacesPreparesDrawsAndShows) {
    TForm1& form = Created();
    ASSERT_FALSE(surface.moves.empty());
    EXPECT_EQ(surface.moves.front(), (PointI{100, 50}));
    EXPECT_TRUE(surface.visible);
    ASSERT_EQ(surface.frames.size(), 1u);

    // The first frame already carries the whole line, not an empty ClockText.
    const Frame& frame = surface.frames[0];
    EXPECT_EQ(Texts(frame), std::vector<std::string>{"May 17, 10:00 AM"});
    EXPECT_EQ(form.ClockText(), "May 17, 10:00 AM");
    EXPECT_EQ(frame.width, form.FaceSize().width);
    EXPECT_EQ(frame.height, form.FaceSize().height);
    EXPECT_EQ(frame.pixels.size(), static_cast<std::size_t>(frame.width) * frame.height);
    EXPECT_EQ(frame.textColor, kSkin9Text);
    ASSERT_EQ(frame.fonts.size(), 1u);
    EXPECT_EQ(frame.fonts[0].family, "Tahoma");
    EXPECT_EQ(frame.fonts[0].emPixels, 14);
    EXPECT_TRUE(frame.fonts[0].bold);
}

TEST_F(ClockWindowTest, AtTransparency50TheTextFadesAwayWithTheFace) {
    settings.ClockTransparent = 50;
    Created();
    EXPECT_EQ(surface.frames.back().textOpacity, 0.0f);
    for (std::uint32_t pixel : surface.frames.back().pixels) ASSERT_EQ(pixel >> 24, 0u);
}

TEST_F(ClockWindowTest, HiddenClockIsStillDrawn) {
    settings.ClockShow = false;
    Created();
    EXPECT_FALSE(surface.visible);
    EXPECT_EQ(surface.frames.size(), 1u);
}

TEST_F(ClockWindowTest, DialSizesTheWindowAndPushesNothing) {
    settings.DateShow = false;
    settings.TimeIndex = 2;
    Clock().Dial();
    // "10:00": 5 x 7 = 35, x 1.24 = 43.4; 20 x 1.2 = 24.
    ASSERT_FALSE(surface.clientSizes.empty());
    EXPECT_EQ(surface.clientSizes.back(), (SizeI{43, 24}));
    EXPECT_EQ(Clock().FaceSize(), (SizeI{43, 24}));
    EXPECT_EQ(Clock().Planes().width, 43);
    EXPECT_EQ(Clock().Planes().height, 24);
    EXPECT_TRUE(surface.frames.empty());
}

TEST_F(ClockWindowTest, FaceBeyondThePlanesIsClamped) {
    measurer.advance = 500;
    measurer.height = 1000;
    Created();
    EXPECT_EQ(surface.clientSizes.back(), kClockFaceCapacity);
    EXPECT_EQ(surface.frames.back().pixels.size(), 1601u * 401u);
}

TEST_F(ClockWindowTest, TickRedrawsOncePerSecondWithoutPreparingAgain) {
    settings.TimeIndex = 1;
    Created();
    const std::size_t measured = measurer.calls.size();
    const std::size_t sized = surface.clientSizes.size();

    Clock().OnTimer();  // creation forgot the time: the first tick redraws
    EXPECT_EQ(surface.frames.size(), 2u);
    time.now.millisecond = 600;
    Clock().OnTimer();
    Clock().OnTimer();
    EXPECT_EQ(surface.frames.size(), 2u);

    time.Set(10, 0, 1);
    Clock().OnTimer();
    ASSERT_EQ(surface.frames.size(), 3u);
    EXPECT_EQ(Texts(surface.frames.back()), std::vector<std::string>{"May 17, 10:00:01 AM"});

    EXPECT_EQ(measurer.calls.size(), measured);
    EXPECT_EQ(surface.clientSizes.size(), sized);
}

TEST_F(ClockWindowTest, SettingChangeReachesTheScreenAtTheNextTick) {
    Created();
    Clock().OnTimer();
    const std::size_t frames = surface.frames.size();
    const int oldWidth = Clock().FaceSize().width;

    settings.ClockSky = true;
    settings.DateIndex = 6;
    Clock().Dial();
    EXPECT_EQ(surface.frames.size(), frames);  // Dial itself pushes nothing
    Clock().OnTimer();                          // same second, but the time was forgotten
    ASSERT_EQ(surface.frames.size(), frames + 1);
    const Frame& frame = surface.frames.back();
    EXPECT_EQ(Texts(frame), (std::vector<std::string>{"Friday", "May 17", "10:00 AM"}));
    EXPECT_EQ(frame.height, 50);  // 20 x 2.5
    EXPECT_NE(frame.width, oldWidth);
}

TEST_F(ClockWindowTest, NewRegionalSettingsAreMeasuredAndDrawnAtTheNextTick) {
    Created();
    Clock().OnTimer();
    const int oldWidth = Clock().FaceSize().width;
    Locale spanish = EnglishUnitedStates();
    spanish.monthNames[4] = "mayo";
    spanish.timeSeparator = ".";
    Clock().ChangeLocale(spanish);
    Clock().OnTimer();  // the same second: the face was prepared anew
    EXPECT_EQ(Texts(surface.frames.back()), std::vector<std::string>{"mayo 17, 10.00 AM"});
    EXPECT_EQ(measurer.calls.back().text, "mayo 17 10.00 AM");
    EXPECT_EQ(Clock().FaceSize().width, 139);  // 16 characters of 7, x 1.24 (130 before)
    EXPECT_GT(Clock().FaceSize().width, oldWidth);
}

TEST_F(ClockWindowTest, AnotherZoneShowsItsTimeAndDateAndTheLabelStandsInEveryLayout) {
    settings.ClockZoneLabel = "Tokyo";
    Clock().SetZone(TimeZoneRules{{-540, 0, 0, {}, {}}, 0, {}});
    time.utc = LocalTime{2024, 5, 17, 20, 0, 0, 0};  // 5:00 the next morning in Tokyo
    Created();
    const auto shown = [&] {
        Clock().Dial();
        Clock().OnTimer();
        return Texts(surface.frames.back());
    };
    EXPECT_EQ(shown(), std::vector<std::string>{"May 18, Tokyo 5:00 AM"});
    EXPECT_EQ(measurer.calls.back().text, "May 18 Tokyo 5:00 AM");
    settings.ClockSky = true;
    settings.DateIndex = 6;
    EXPECT_EQ(shown(), (std::vector<std::string>{"Saturday", "May 18", "Tokyo 5:00 AM"}));
    settings.DateShow = false;
    EXPECT_EQ(shown(), std::vector<std::string>{"Tokyo 5:00 AM"});
    // How far the zone is from local time, after the label; a clock on
    // local time shows none.
    settings.ClockDifference = true;
    EXPECT_EQ(shown(), std::vector<std::string>{"Tokyo +19 h, +1 day 5:00 AM"});
    // Back to local time: the local clock's reading, still with the label.
    Clock().SetZone(std::nullopt);
    EXPECT_EQ(shown(), std::vector<std::string>{"Tokyo 10:00 AM"});
    settings.ClockZoneLabel.clear();
    EXPECT_EQ(shown(), std::vector<std::string>{"10:00 AM"});
}

TEST_F(ClockWindowTest, FontChangeShowsWithoutNewPreparation) {
    Created();
    settings.ClockFont = "Verdana";
    settings.ClockBorder = false;
    Clock().Draw();
    EXPECT_EQ(surface.frames.back().fonts[0].family, "Verdana");
    EXPECT_FALSE(surface.frames.back().fonts[0].bold);
}

TEST_F(ClockWindowTest, EscapeEndsTheProgram) {
    Created();
    Clock().OnKeyDown(13);
    Clock().OnKeyDown('A');
    EXPECT_EQ(shell.ended, 0);
    Clock().OnKeyDown(kEscape);
    EXPECT_EQ(shell.ended, 1);
    Clock().OnPopupCommand(PopupCommand::Close);
    EXPECT_EQ(shell.ended, 2);
}

TEST_F(ClockWindowTest, OutOfRangeIndexKeepsThePreviousFormat) {
    settings.TimeIndex = 2;
    settings.DateIndex = 12;
    Created();
    EXPECT_EQ(Clock().TimeFormat(), "hh:nn");

    settings.TimeIndex = 7;
    settings.DateIndex = 15;
    Clock().Dial();
    EXPECT_EQ(Clock().TimeFormat(), "hh:nn");
    EXPECT_EQ(Clock().DateFormat(), "yyyy-mm-dd");
    time.Set(21, 5, 0);
    Clock().OnTimer();
    EXPECT_EQ(Clock().TimeText(), "21:05");
    EXPECT_EQ(Clock().DateText(), "2024-05-17");

    settings.TimeIndex = -1;
    Clock().Dial();
    EXPECT_EQ(Clock().TimeFormat(), "hh:nn");
}

TEST_F(ClockWindowTest, NoValidFormatYetFallsBackToTheSystemPictures) {
    settings.TimeIndex = 9;
    settings.DateIndex = -1;
    Created();
    EXPECT_EQ(Clock().TimeFormat(), "");
    EXPECT_EQ(Clock().TimeText(), "10:00:00 AM");
    EXPECT_EQ(Clock().DateText(), "5/17/2024");
}

}  // namespace
}  // namespace zentrova

namespace zentrova {
namespace {

// On a 150 % monitor the clock is its 96-DPI face scaled once, its text
// drawn at the scaled size; moved to a 100 % monitor it is rebuilt there.
TEST_F(ClockWindowTest, FaceAndTextFollowTheMonitorsDpi) {
    TForm1& at96 = Created();
    const SizeI face96 = at96.FaceSize();
    clock.reset();
    surface.dpi = 144;
    random.Add({1, 0, 199});
    TForm1& form = Created();
    EXPECT_EQ(form.FaceSize(), DpiScale{144}.Pixels(face96));
    EXPECT_EQ(form.Planes().width, form.FaceSize().width);
    const Frame& frame = surface.frames.back();
    EXPECT_EQ(frame.width, form.FaceSize().width);
    EXPECT_EQ(frame.fonts[0].emPixels, 21);  // 14 x 1.5
    EXPECT_EQ(surface.clientSizes.back(), form.FaceSize());

    form.OnDpiChanged(96);
    EXPECT_EQ(form.FaceSize(), face96);
    EXPECT_EQ(surface.clientSizes.back(), face96);
    form.OnTimer();
    EXPECT_EQ(surface.frames.back().fonts[0].emPixels, 14);
}

}  // namespace
}  // namespace zentrova
