#include "calendar/calendar_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "calendar_test_support.h"
#include "clock/locale.h"

namespace zentrova {
namespace {

using testing::CountingSink;
using testing::FakeDesktop;
using testing::FakeShell;
using testing::FakeTime;
using testing::FixedWidthMeasurer;
using testing::RecordingSurface;
using testing::ScriptedRandom;
using testing::UniformSkin;

bool HasText(const Frame& frame, const std::string& wanted) {
    for (const DrawOp& op : frame.ops) {
        if (const auto* text = std::get_if<DrawText>(&op); text && text->text == wanted) return true;
    }
    return false;
}

// The title is the first text of a frame.
DrawText TitleText(const Frame& frame) {
    for (const DrawOp& op : frame.ops) {
        if (const auto* text = std::get_if<DrawText>(&op)) return *text;
    }
    return {};
}

class CalendarWindowTest : public ::testing::Test {
protected:
    CalendarWindowTest() {
        skins.images[0] = UniformSkin({120, 80, 40});
        settings.CalendarSize = 12;
        settings.CalendarSkin = 1;
        settings.CalendarFont = "Georgia";
        settings.CalendarTimeIndex = 2;
        settings.CalendarShow = true;
        settings.CalendarLeft = 300;
        settings.CalendarTop = 200;
        time.now = LocalTime{2026, 1, 31, 10, 15, 30, 0};
        random.Add({0, 10, 20});  // the first velocity
    }

    DisplayContext Context() {
        return DisplayContext{surface, measurer, desktop, random, time, shell, skins, bitmaps};
    }

    void Tick(int second) {
        time.now.second = second;
        window.OnTimer();
    }

    RecordingSurface surface;
    FixedWidthMeasurer measurer{191};  // W 210, H 236, C 30
    FakeDesktop desktop;
    ScriptedRandom random;
    FakeTime time;
    FakeShell shell;
    SkinSet skins;
    WorkingBitmaps bitmaps;
    Settings settings;
    CountingSink sink;
    TForm4 window{Context(), settings, EnglishUnitedStates(), sink};
};

TEST_F(CalendarWindowTest, CreationPlacesBuildsDrawsAndShows) {
    window.FormCreate();
    EXPECT_EQ(surface.position, (PointI{300, 200}));
    EXPECT_EQ(window.FaceSize(), (SizeI{210, 236}));
    ASSERT_FALSE(surface.clientSizes.empty());
    EXPECT_EQ(surface.clientSizes.back(), (SizeI{210, 236}));
    EXPECT_TRUE(surface.visible);
    ASSERT_EQ(surface.frames.size(), 1u);
    EXPECT_EQ(TitleText(surface.frames[0]).text, "January 31");  // provisional until the first tick
    EXPECT_TRUE(HasText(surface.frames[0], "Today 01/31/2026"));
    EXPECT_EQ(window.State().TodayDay, 31);
}

TEST_F(CalendarWindowTest, RedrawsOncePerSecondWithoutRebuildingTheFace) {
    window.FormCreate();
    const int measured = measurer.calls;
    Tick(30);
    ASSERT_EQ(surface.frames.size(), 2u);
    EXPECT_EQ(TitleText(surface.frames[1]).text, "January 2026");
    Tick(30);
    EXPECT_EQ(surface.frames.size(), 2u);
    Tick(31);
    EXPECT_EQ(surface.frames.size(), 3u);
    EXPECT_EQ(measurer.calls, measured);
    EXPECT_EQ(surface.frames[2].tiles[kDayTileIndex].argb, surface.frames[1].tiles[kDayTileIndex].argb);
}

TEST_F(CalendarWindowTest, PressOnTheLeftArrowPagesBackAndStillDrags) {
    window.FormCreate();
    Tick(30);
    const int measured = measurer.calls;
    window.OnMouseDown(MouseButton::Left, PointI{1, 29});
    EXPECT_EQ(window.State().ShownMonth, 12);
    EXPECT_EQ(window.State().ShownYear, 2025);
    EXPECT_EQ(measurer.calls, measured + 1);  // the face was rebuilt
    EXPECT_TRUE(window.Motion().dragging);

    Tick(30);  // the same second: the rebuilt face forces a draw
    EXPECT_EQ(TitleText(surface.frames.back()).text, "December 2025");
    EXPECT_EQ(surface.frames.size(), 3u);
}

// A family twice as wide draws what no longer fits smaller, each text
// whole and inside its place: the header, the day names and numbers.
TEST_F(CalendarWindowTest, AWideFamilyDrawsTheTextsThatDoNotFitSmallerInsideTheirPlaces) {
    measurer.widen = 2;
    window.FormCreate();
    Tick(30);
    const Frame& frame = surface.frames.back();
    std::vector<std::string> smaller;
    for (const DrawOp& op : frame.ops) {
        const auto* text = std::get_if<DrawText>(&op);
        if (!text) continue;
        const FontChoice& font = frame.fonts[static_cast<std::size_t>(text->font)];
        EXPECT_LE(measurer.MeasurePixels(font.family, font.emPixels, font.bold, text->text).width, text->rect.width)
            << text->text;
        EXPECT_EQ(text->text.find("..."), std::string::npos) << text->text;
        if (font.emPixels < frame.fonts[kTextFontIndex].emPixels) smaller.push_back(text->text);
    }
    // 240 pixels at 20 in a title 150 wide: 144 at 12.
    EXPECT_EQ(frame.fonts[static_cast<std::size_t>(TitleText(frame).font)].emPixels, 12);
    for (const char* text : {"January 2026", "Su", "Sa", "10", "31"}) {
        EXPECT_NE(std::find(smaller.begin(), smaller.end(), text), smaller.end()) << text;
    }
    EXPECT_EQ(std::find(smaller.begin(), smaller.end(), "9"), smaller.end());  // 20 in a cell 30 wide
}

// Day cells drawn over the ring tile, by day number.
std::vector<std::string> RingedDays(const Frame& frame) {
    std::vector<std::string> ringed;
    bool ring = false;
    for (const DrawOp& op : frame.ops) {
        if (const auto* tile = std::get_if<DrawTile>(&op)) {
            ring = tile->tile == kTodayTileIndex;
        } else if (ring) {
            ringed.push_back(std::get<DrawText>(op).text);
            ring = false;
        }
    }
    return ringed;
}

TEST_F(CalendarWindowTest, OnlyTodaysOwnMonthCarriesTheRing) {
    window.FormCreate();
    Tick(1);
    EXPECT_EQ(RingedDays(surface.frames.back()), (std::vector<std::string>{"31"}));
    // April has no 31st; May has one, but it is not today.
    for (int i = 0; i < 3; ++i) window.OnMouseDown(MouseButton::Left, PointI{200, 10});
    Tick(2);
    EXPECT_EQ(TitleText(surface.frames.back()).text, "April 2026");
    EXPECT_TRUE(RingedDays(surface.frames.back()).empty());
    window.OnMouseDown(MouseButton::Left, PointI{200, 10});
    Tick(3);
    EXPECT_EQ(TitleText(surface.frames.back()).text, "May 2026");
    EXPECT_TRUE(RingedDays(surface.frames.back()).empty());
    // Nor does January a year on.
    for (int i = 0; i < 8; ++i) window.OnMouseDown(MouseButton::Left, PointI{200, 10});
    Tick(4);
    EXPECT_EQ(TitleText(surface.frames.back()).text, "January 2027");
    EXPECT_TRUE(RingedDays(surface.frames.back()).empty());
}

TEST_F(CalendarWindowTest, PressesOutsideTheSquaresOrWithTheRightButtonDoNotPage) {
    window.FormCreate();
    const int measured = measurer.calls;
    window.OnMouseDown(MouseButton::Left, PointI{30, 10});
    window.OnMouseDown(MouseButton::Left, PointI{10, 0});
    window.OnMouseDown(MouseButton::Left, PointI{180, 10});
    window.OnMouseDown(MouseButton::Right, PointI{10, 10});
    EXPECT_EQ(window.State().ShownMonth, 1);
    EXPECT_EQ(measurer.calls, measured);
    EXPECT_EQ(surface.menus.size(), 1u);
}

TEST_F(CalendarWindowTest, AtMidnightTheRingTheFooterAndTheShownMonthMoveOn) {
    window.FormCreate();
    Tick(59);
    time.now = LocalTime{2026, 2, 1, 0, 0, 0, 0};  // January 31 ends
    window.OnTimer();
    const Frame& frame = surface.frames.back();
    EXPECT_TRUE(HasText(frame, "Today 02/01/2026"));
    EXPECT_EQ(TitleText(frame).text, "February 2026");
    EXPECT_EQ(RingedDays(frame), (std::vector<std::string>{"1"}));
    EXPECT_EQ(window.State().TodayDay, 1);
}

TEST_F(CalendarWindowTest, ATurnedMonthGivesWayToTodaysAtMidnight) {
    window.FormCreate();
    for (int i = 0; i < 2; ++i) window.OnMouseDown(MouseButton::Left, PointI{200, 10});  // to March
    Tick(59);
    EXPECT_EQ(TitleText(surface.frames.back()).text, "March 2026");
    time.now = LocalTime{2026, 2, 1, 0, 0, 0, 0};
    window.OnTimer();
    EXPECT_EQ(TitleText(surface.frames.back()).text, "February 2026");
    EXPECT_EQ(RingedDays(surface.frames.back()), (std::vector<std::string>{"1"}));
    EXPECT_TRUE(HasText(surface.frames.back(), "Today 02/01/2026"));
}

TEST_F(CalendarWindowTest, ACatchUpAfterAClockChangeRedrawsAtOnceInTheSameSecond) {
    window.FormCreate();
    Tick(30);
    const std::size_t frames = surface.frames.size();
    // The clock is set back to the same second of the day before: a plain
    // tick sees no new second, a catch-up (WM_TIMECHANGE) redraws.
    time.now = LocalTime{2026, 1, 30, 10, 15, 30, 0};
    window.OnTimer();
    EXPECT_EQ(surface.frames.size(), frames);
    window.CatchUp();
    ASSERT_EQ(surface.frames.size(), frames + 1);
    EXPECT_EQ(RingedDays(surface.frames.back()), (std::vector<std::string>{"30"}));
    EXPECT_TRUE(HasText(surface.frames.back(), "Today 01/30/2026"));
    EXPECT_FALSE(surface.restarts.empty());
}

TEST_F(CalendarWindowTest, NewRegionalSettingsRenameTheMonth) {
    window.FormCreate();
    Tick(30);
    Locale french = EnglishUnitedStates();
    french.monthNames[0] = "janvier";
    french.dateSeparator = "-";
    window.ChangeLocale(french);
    Tick(30);  // the same second: the rebuilt face draws all the same
    EXPECT_EQ(TitleText(surface.frames.back()).text, "janvier 2026");
    EXPECT_TRUE(HasText(surface.frames.back(), "Today 01-31-2026"));
}

TEST_F(CalendarWindowTest, SettingChangeTakesEffectAtTheNextTick) {
    window.FormCreate();
    Tick(30);
    measurer.width = 400;  // as if CalendarSize had grown
    settings.CalendarSize = 20;
    window.CalendarForm();
    EXPECT_EQ(measurer.lastPoints, 28);
    EXPECT_EQ(surface.frames.size(), 2u);  // face building draws nothing
    Tick(30);
    ASSERT_EQ(surface.frames.size(), 3u);
    EXPECT_EQ(surface.frames.back().width, 440);
    EXPECT_EQ(window.FaceSize(), (SizeI{440, 495}));
}

class RecordingDayWindow : public DayWindowHost {
public:
    void Open(const DayWindowContent& c, const RectI& cell, DpiScale) override { opened.push_back({c.day, cell}); }
    void Close() override {}
    std::vector<std::pair<CivilDate, RectI>> opened;
};

// A press at `client` and its release, `moved` and `heldMs` later; the
// window stands at 300, 200.
void Click(TForm4& window, FakeDesktop& desktop, FakeTime& time, PointI client, int moved, int heldMs) {
    desktop.cursor = {300 + client.x, 200 + client.y};
    time.now.millisecond = 0;
    window.OnMouseDown(MouseButton::Left, client);
    desktop.cursor.x += moved;
    time.now.millisecond = heldMs;
    window.OnMouseUp(MouseButton::Left);
}

// The wheel turns a month a notch, its small steps adding up, and a click
// (not a drag) on the footer turns back to today's; each turn is announced.
TEST_F(CalendarWindowTest, TheWheelAndTheFooterTurnTheMonthAndAnnounceIt) {
    window.FormCreate();
    const auto titleAfter = [&](auto&& act) {
        act();
        Tick(++time.now.second);
        return TitleText(surface.frames.back()).text;
    };
    EXPECT_EQ(titleAfter([&] { window.OnMouseWheel(-120); }), "February 2026");
    EXPECT_EQ(titleAfter([&] { window.OnMouseWheel(-40); }), "February 2026");
    EXPECT_EQ(titleAfter([&] { window.OnMouseWheel(-80); }), "March 2026");
    EXPECT_EQ(titleAfter([&] { window.OnMouseWheel(360); }), "December 2025");
    EXPECT_EQ(titleAfter([&] { Click(window, desktop, time, {20, 220}, 12, 100); }), "December 2025");
    EXPECT_EQ(titleAfter([&] { Click(window, desktop, time, {20, 220}, 0, 100); }), "January 2026");
    EXPECT_EQ(surface.announcements,
              (std::vector<std::string>{"February 2026", "March 2026", "December 2025", "January 2026"}));
}

TEST_F(CalendarWindowTest, AClickOnADayOpensItsWindowAndADragOrALongPressDoesNot) {
    RecordingDayWindow days;
    window.AttachDayWindow(days);
    window.FormCreate();
    const PointI on15{135, 118};  // a Thursday in week row 2
    Click(window, desktop, time, on15, 12, 120);
    Click(window, desktop, time, on15, 0, 900);
    EXPECT_TRUE(days.opened.empty());
    Click(window, desktop, time, on15, 1, 120);
    EXPECT_EQ(days.opened, (std::vector<std::pair<CivilDate, RectI>>{{{2026, 1, 15}, {420, 305, 450, 331}}}));
}

TEST_F(CalendarWindowTest, EventsFollowTheListAndTipTheirTitlesWhereTheWeekColumnMovesTheGrid) {
    settings.CalendarEvents = true;
    settings.CalendarWeekNumbers = 1;
    settings.CountMax = 1;
    settings.CountList[0] = {"Dentist", EncodeDate(2026, 1, 5), 0};
    settings.CountList[1] = {"Concert", EncodeDate(2026, 1, 20), 0};  // not in use yet
    window.FormCreate();
    EXPECT_EQ(window.FaceSize(), (SizeI{232, 236}));  // a week column of 22
    const auto marksAt = [&](int second) {
        Tick(second);
        const std::vector<DrawOp>& ops = surface.frames.back().ops;
        return std::count_if(ops.begin(), ops.end(), [](const DrawOp& op) {
            return std::holds_alternative<DrawTile>(op) && std::get<DrawTile>(op).tile == kEventTileIndex;
        });
    };
    EXPECT_EQ(marksAt(30), 1);
    settings.CountMax = 2;  // an event added to the list shows at the next second
    EXPECT_EQ(marksAt(31), 2);

    // The 20th, a Tuesday in row 3, right of the week column; the 19th has no event.
    const PointI on20{22 + 75, 140};
    EXPECT_EQ(window.TipAt(on20), "Concert");
    EXPECT_EQ(window.TipAt({75, 140}), "");
    EXPECT_EQ(window.TipAt({10, 140}), "");  // the week column
    settings.CalendarEvents = false;
    EXPECT_EQ(window.TipAt(on20), "");
    EXPECT_EQ(marksAt(32), 0);
}

}  // namespace
}  // namespace zentrova
