#include "calendar/calendar_face.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <variant>

#include "calendar/calendar_events.h"
#include "calendar/calendar_state.h"
#include "calendar_test_support.h"
#include "clock/locale.h"

namespace zentrova {
namespace {

using testing::Alpha;
using testing::FixedWidthMeasurer;
using testing::UniformSkin;

constexpr Rgb kSkinColor{100, 50, 200};
constexpr int kSkin = 7;  // text colour 0, 255, 195
constexpr int kHeaderFor210 = 191;  // Round(191 x 1.1) = 210, so C = 30

TEST(CalendarMetrics, FaceFollowsTheHeaderWidthWithHalvesToEven) {
    struct Case {
        int header, width, height, cell;
    };
    // 236.25 -> 236; 238.5 -> 238; 203.5.. -> 204 and 229.5 -> 230.
    for (const Case& c : {Case{191, 210, 236, 30}, Case{193, 212, 238, 30}, Case{185, 204, 230, 29}}) {
        EXPECT_EQ(MetricsForHeaderWidth(c.header), (CalendarMetrics{c.width, c.height, c.cell})) << c.header;
    }
}

TEST(CalendarMetrics, CellStaysWithinTheTiles) {
    EXPECT_EQ(MetricsForHeaderWidth(100000).cell, kTileCapacity);
    EXPECT_EQ(MetricsForHeaderWidth(100000).width, kMaxCalendarWidth);
    EXPECT_EQ(MetricsForHeaderWidth(0), (CalendarMetrics{1, 1, 1}));
    EXPECT_EQ(MetricsForHeaderWidth(-40), (CalendarMetrics{1, 1, 1}));
    const SizeI capacity = CalendarFaceCapacity();
    EXPECT_EQ(capacity.width, MetricsForHeaderWidth(100000).width);
    EXPECT_EQ(capacity.height, MetricsForHeaderWidth(100000).height);
}

TEST(CalendarMetrics, MeasuresTheHeaderInTimesNewRomanPoints) {
    FixedWidthMeasurer measurer(kHeaderFor210);
    EXPECT_EQ(MeasureCalendar(measurer, 12), (CalendarMetrics{210, 236, 30}));
    EXPECT_EQ(measurer.lastFamily, "Times New Roman");
    EXPECT_EQ(measurer.lastPoints, 20);
    EXPECT_EQ(measurer.lastText, "Su  Mo  Tu  We  Th  Fr  Sa");
}

TEST(TodayRing, StrengthAtTheBandsEndsAndPeak) {
    EXPECT_FALSE(TodayRingStrength(FaceShape::RoundedRect, 0.29).has_value());
    EXPECT_NEAR(*TodayRingStrength(FaceShape::RoundedRect, 0.3), std::sin(0.01), 1e-12);
    EXPECT_NEAR(*TodayRingStrength(FaceShape::RoundedRect, 0.65), std::cos(0.01), 1e-9);
    EXPECT_NEAR(*TodayRingStrength(FaceShape::RoundedRect, 1.0), std::sin(0.01), 1e-9);

    EXPECT_FALSE(TodayRingStrength(FaceShape::Oval, 0.79).has_value());
    EXPECT_NEAR(*TodayRingStrength(FaceShape::Oval, 0.8), std::sin(0.2), 1e-12);
    EXPECT_NEAR(*TodayRingStrength(FaceShape::Oval, 1.0), std::sin(0.2), 1e-9);
    EXPECT_GT(*TodayRingStrength(FaceShape::Oval, 0.887), 0.9999);
}

struct TilePixel {
    int alpha, red, green, blue;
    friend bool operator==(const TilePixel&, const TilePixel&) = default;
};

TilePixel At(const FacePlanes& planes, int x, int y) {
    const std::size_t i = static_cast<std::size_t>(y) * planes.width + x;
    return {planes.alpha[i], planes.red[i], planes.green[i], planes.blue[i]};
}

class CalendarTilesTest : public ::testing::Test {
protected:
    CalendarTiles Fill(FaceShape shape, int transparency, int side = 30) {
        WorkingBitmap cell;
        cell.Resize({side, side});
        for (std::size_t i = 0; i + 2 < cell.bgr.size(); i += 3) {
            cell.bgr[i] = kSkinColor.b;
            cell.bgr[i + 1] = kSkinColor.g;
            cell.bgr[i + 2] = kSkinColor.r;
        }
        CalendarTiles tiles;
        FillCalendarTiles(cell, shape, transparency, Rgb{0, 255, 195}, tiles);
        return tiles;
    }
};

TEST_F(CalendarTilesTest, CentreIsOpaqueSkinInBothTiles) {
    for (FaceShape shape : {FaceShape::RoundedRect, FaceShape::Oval}) {
        const CalendarTiles tiles = Fill(shape, 0);
        EXPECT_EQ(At(tiles.DayTile, 15, 15), (TilePixel{255, 100, 50, 200}));
        EXPECT_EQ(At(tiles.TodayTile, 15, 15), At(tiles.DayTile, 15, 15));
    }
    EXPECT_EQ(At(Fill(FaceShape::RoundedRect, 10).DayTile, 15, 15).alpha, 204);
    EXPECT_EQ(At(Fill(FaceShape::RoundedRect, 25).DayTile, 15, 15).alpha, 128);
}

TEST_F(CalendarTilesTest, CornerOutsideTheShapeIsInvisible) {
    const CalendarTiles tiles = Fill(FaceShape::Oval, 0);
    EXPECT_EQ(At(tiles.DayTile, 0, 0).alpha, 0);
    EXPECT_EQ(At(tiles.TodayTile, 0, 0).alpha, 0);
    EXPECT_EQ(At(tiles.TodayTile, 0, 15).alpha, 0);  // the left column lies just beyond the outline
}

// Hand-computed from the shape and ring rules for C = 30, skin (100, 50, 200)
// and text colour (0, 255, 195).
TEST_F(CalendarTilesTest, RoundedSquareRingBlendsTowardsTheTextColour) {
    const CalendarTiles tiles = Fill(FaceShape::RoundedRect, 0);
    EXPECT_EQ(At(tiles.TodayTile, 26, 15), At(tiles.DayTile, 26, 15));  // D 0.289: inside the ring
    EXPECT_EQ(At(tiles.TodayTile, 27, 15), (TilePixel{255, 52, 85, 149}));  // D 0.409, g 0.481
    EXPECT_EQ(At(tiles.TodayTile, 28, 15), (TilePixel{255, 7, 224, 183}));  // D 0.564, g 0.930
    EXPECT_EQ(At(tiles.DayTile, 29, 15), (TilePixel{227, 100, 50, 200}));
    EXPECT_EQ(At(tiles.TodayTile, 29, 15), (TilePixel{255, 12, 203, 175}));  // D 0.759: alpha back to full
    EXPECT_EQ(At(tiles.TodayTile, 15, 2), (TilePixel{255, 7, 224, 183}));  // the ring goes all round
}

TEST_F(CalendarTilesTest, CircleRingStartsAtPointEight) {
    const CalendarTiles tiles = Fill(FaceShape::Oval, 0);
    EXPECT_EQ(At(tiles.TodayTile, 27, 15), (TilePixel{212, 100, 50, 200}));  // D 0.79994: not yet
    EXPECT_EQ(At(tiles.DayTile, 28, 15), (TilePixel{174, 100, 50, 200}));
    EXPECT_EQ(At(tiles.TodayTile, 28, 15), (TilePixel{255, 5, 232, 186}));  // D 0.867, g 0.948
    EXPECT_EQ(At(tiles.TodayTile, 29, 15), (TilePixel{208, 25, 156, 160}));  // D 0.933, g 0.750

    const CalendarTiles faded = Fill(FaceShape::Oval, 10);
    EXPECT_EQ(At(faded.DayTile, 29, 15).alpha, 87);
    EXPECT_EQ(At(faded.TodayTile, 29, 15).alpha, 167);
}

TEST_F(CalendarTilesTest, FullTransparencyClearsEveryAlpha) {
    for (FaceShape shape : {FaceShape::RoundedRect, FaceShape::Oval}) {
        const CalendarTiles tiles = Fill(shape, 50);
        EXPECT_TRUE(std::all_of(tiles.DayTile.alpha.begin(), tiles.DayTile.alpha.end(), [](int a) { return a == 0; }));
        EXPECT_TRUE(
            std::all_of(tiles.TodayTile.alpha.begin(), tiles.TodayTile.alpha.end(), [](int a) { return a == 0; }));
    }
}

TEST_F(CalendarTilesTest, TransparencyBeyondTheRangeDoesNotWrap) {
    const CalendarTiles tiles = Fill(FaceShape::Oval, 80);
    EXPECT_TRUE(std::all_of(tiles.TodayTile.alpha.begin(), tiles.TodayTile.alpha.end(), [](int a) { return a == 0; }));
    EXPECT_EQ(At(Fill(FaceShape::Oval, -20).DayTile, 15, 15).alpha, 255);
}

class CalendarFaceTest : public ::testing::Test {
protected:
    CalendarFaceTest() {
        skins.images[kSkin - 1] = UniformSkin(kSkinColor);
        skins.images[2] = UniformSkin({9, 9, 9});
        settings.CalendarSize = 12;
        settings.CalendarSkin = kSkin;
        settings.CalendarFont = "Georgia";
        settings.CalendarTransparent = 0;
    }

    CalendarFace Build() {
        CalendarFace face;
        BuildCalendarFace(settings, skins, measurer, cell, face);
        return face;
    }

    Settings settings;
    SkinSet skins;
    FixedWidthMeasurer measurer{kHeaderFor210};
    WorkingBitmap cell;
};

TEST_F(CalendarFaceTest, StretchesTheSkinIntoTheCellAndMakesTileImages) {
    const CalendarFace face = Build();
    EXPECT_EQ(face.metrics, (CalendarMetrics{210, 236, 30}));
    EXPECT_EQ(cell.width, 30);
    EXPECT_EQ(cell.height, 30);
    EXPECT_EQ(face.SkinTextColor, (Rgb{0, 255, 195}));
    ASSERT_EQ(face.dayImage.side, 30);
    ASSERT_EQ(face.dayImage.argb.size(), 900u);
    ASSERT_EQ(face.todayImage.argb.size(), 900u);
    EXPECT_EQ(face.dayImage.argb[15 * 30 + 15], 0xFF6432C8u);  // 255, 100, 50, 200
    EXPECT_EQ(Alpha(face.dayImage.argb[0]), 0);
}

TEST_F(CalendarFaceTest, FaceSizeIgnoresTheDrawingFontAndBold) {
    const CalendarFace plain = Build();
    settings.CalendarFont = "Impact";
    settings.CalendarBold = true;
    EXPECT_EQ(Build().metrics, plain.metrics);
    EXPECT_EQ(measurer.lastFamily, "Times New Roman");
}

TEST_F(CalendarFaceTest, UnknownSkinStretchesNothingAndKeepsTheTextColour) {
    CalendarFace face;
    settings.CalendarSkin = 3;
    BuildCalendarFace(settings, skins, measurer, cell, face);
    for (int unknown : {0, 16}) {
        settings.CalendarSkin = unknown;
        BuildCalendarFace(settings, skins, measurer, cell, face);
        EXPECT_EQ(face.SkinTextColor, *SkinTextColor(3));
        EXPECT_EQ(At(face.tiles.DayTile, 15, 15), (TilePixel{255, 9, 9, 9}));  // skin 3's pixels remain
    }
}

// The sequence of a frame's ops in a compact form: "tile0", "tile1",
// "text:Su", "bold:>>".
std::vector<std::string> Sequence(const Frame& frame) {
    std::vector<std::string> out;
    for (const DrawOp& op : frame.ops) {
        if (const auto* tile = std::get_if<DrawTile>(&op)) {
            out.push_back("tile" + std::to_string(tile->tile));
        } else {
            const auto& text = std::get<DrawText>(op);
            out.push_back((text.font == kArrowFontIndex ? "bold:" : "text:") + text.text);
        }
    }
    return out;
}

class CalendarFrameTest : public CalendarFaceTest {
protected:
    Frame Compose(int year, int month, int todayDay, const Locale& locale = EnglishUnitedStates()) {
        const CalendarFace face = Build();
        CalendarState state;
        StartCalendar(state, LocalTime{year, month, todayDay, 0, 0, 0, 0});
        state.CalendarTitle = "Title";
        state.CalendarTimeText = "10:00";
        Frame frame;
        frame.pixels.assign(5, 1u);  // stale content must not survive
        ComposeCalendarFrame(face, state, settings, "Footer", frame, locale);
        return frame;
    }
};

constexpr std::array<const char*, 7> kEnglishDayNames{"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};

// The draw list of a month with the given day names, an event mark after
// the tile of each of `eventDays` and the `weeks` numbers after the days.
std::vector<std::string> ExpectedSequence(int days, int todayDay, bool oval, bool timeShown,
                                          const std::vector<int>& eventDays = {},
                                          const std::array<const char*, 7>& names = kEnglishDayNames,
                                          const std::vector<int>& weeks = {}) {
    std::vector<std::string> expected{"tile0"};
    expected.insert(expected.end(), oval ? 7 : 1, "tile0");
    expected.push_back("text:Title");
    for (const char* name : names) expected.push_back(std::string("text:") + name);
    for (int d = 1; d <= days; ++d) {
        expected.push_back(d == todayDay ? "tile1" : "tile0");
        if (std::count(eventDays.begin(), eventDays.end(), d)) expected.push_back("tile2");
        expected.push_back("text:" + std::to_string(d));
    }
    for (int week : weeks) expected.insert(expected.end(), {"tile0", "text:" + std::to_string(week)});
    if (timeShown) {
        expected.insert(expected.end(), {"tile0", "tile0", "text:Footer", "text:10:00"});
    } else {
        expected.insert(expected.end(), {"tile0", "text:Footer"});
    }
    expected.insert(expected.end(), {"tile0", "tile0", "bold:>>", "bold:<<"});
    return expected;
}

TEST_F(CalendarFrameTest, DrawListOrderForBothShapesAndFooters) {
    for (bool oval : {false, true}) {
        for (bool timeShown : {false, true}) {
            settings.CalendarOval = oval;
            settings.CalendarTimeShow = timeShown;
            const Frame frame = Compose(2026, 2, 14);
            EXPECT_EQ(Sequence(frame), ExpectedSequence(28, 14, oval, timeShown)) << oval << timeShown;
        }
    }
}

TEST_F(CalendarFrameTest, TwentyEightDayMonthCounts) {
    auto tiles = [](const Frame& frame) {
        return std::count_if(frame.ops.begin(), frame.ops.end(),
                             [](const DrawOp& op) { return std::holds_alternative<DrawTile>(op); });
    };
    settings.CalendarOval = true;
    const Frame oval = Compose(2026, 2, 1);
    EXPECT_EQ(tiles(oval), 1 + 7 + 28 + 1 + 2);
    EXPECT_EQ(oval.ops.size() - tiles(oval), 1u + 7 + 28 + 1 + 2);

    settings.CalendarOval = false;
    const Frame square = Compose(2026, 2, 1);
    EXPECT_EQ(tiles(square), 1 + 1 + 28 + 1 + 2);
}

TEST_F(CalendarFrameTest, CellsGoIntoTheirRectangles) {
    settings.CalendarTimeShow = true;
    const Frame frame = Compose(2026, 2, 18);
    const MonthLayout cells = LayoutMonth({210, 236, 30}, 2026, 2, 18);
    const std::size_t day18 = 10 + 2 * 17;  // after 10 header ops, a tile and a number per day
    const std::size_t footer = 10 + 2 * 28;
    const std::vector<std::pair<std::size_t, RectF>> expected{
        {0, cells.title},           {1, cells.dayNameRow},        {2, cells.title},
        {6, cells.dayNames[3]},     {day18, cells.days[17].rect}, {day18 + 1, cells.days[17].rect},
        {footer, cells.footerLeft}, {footer + 1, cells.footerRight}, {footer + 2, cells.footerLeft},
        {footer + 3, cells.footerRight}, {footer + 4, cells.previousArrow}, {footer + 5, cells.nextArrow},
        {footer + 6, cells.nextArrow},   {footer + 7, cells.previousArrow}};
    for (const auto& [index, rect] : expected) {
        const RectF actual = std::visit([](const auto& op) { return op.rect; }, frame.ops.at(index));
        EXPECT_TRUE(actual.x == rect.x && actual.y == rect.y && actual.width == rect.width &&
                    actual.height == rect.height)
            << "op " << index;
    }
}

TEST_F(CalendarFrameTest, EventDaysCarryTheMarkOverTheirTileUntilSwitchedOff) {
    settings.CountMax = 3;
    settings.CountList[0] = {"Launch", EncodeDate(2026, 2, 14), 0};
    settings.CountList[1] = {"Trip", EncodeDate(2026, 2, 14), 0.5};
    settings.CountList[2] = {"Elsewhere", EncodeDate(2026, 3, 2), 0};
    settings.CountList[3] = {"Not in use", EncodeDate(2026, 2, 20), 0};
    settings.CalendarEvents = true;
    // Today (the 14th) with two events: the ring's tile, then one mark.
    const Frame on = Compose(2026, 2, 14);
    EXPECT_EQ(Sequence(on), ExpectedSequence(28, 14, false, false, {14}));
    EXPECT_EQ(on.tiles.size(), 3u);
    EXPECT_EQ(EventTitlesOn(settings, 2026, 2, 14), "Launch\nTrip");
    EXPECT_EQ(EventTitlesOn(settings, 2026, 2, 20), "");

    settings.CalendarEvents = false;
    const Frame off = Compose(2026, 2, 14);
    EXPECT_EQ(Sequence(off), ExpectedSequence(28, 14, false, false));
    EXPECT_EQ(off.tiles.size(), 2u);
}

TEST_F(CalendarFrameTest, MondayFirstWithWeekNumbers) {
    settings.CalendarWeekStart = 0;
    settings.CalendarWeekNumbers = 1;
    Locale german = EnglishUnitedStates();
    german.shortestWeekdayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    const Frame frame = Compose(2026, 3, 9, german);
    EXPECT_EQ(frame.width, 232);
    // The names from Monday; after day 31 a tile and the number of each of the six ISO weeks.
    EXPECT_EQ(Sequence(frame), ExpectedSequence(31, 9, false, false, {}, {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"},
                                                {9, 10, 11, 12, 13, 14}));
}

TEST_F(CalendarFrameTest, TransparentFaceTilesFontsAndColour) {
    settings.CalendarBold = false;
    const Frame frame = Compose(2026, 2, 1);
    EXPECT_EQ(frame.width, 210);
    EXPECT_EQ(frame.height, 236);
    EXPECT_TRUE(frame.pixels.empty());
    EXPECT_EQ(frame.textColor, (Rgb{0, 255, 195}));
    ASSERT_EQ(frame.fonts.size(), 2u);
    EXPECT_EQ(frame.fonts[kTextFontIndex].family, "Georgia");
    EXPECT_EQ(frame.fonts[kTextFontIndex].emPixels, 20);
    EXPECT_FALSE(frame.fonts[kTextFontIndex].bold);
    EXPECT_EQ(frame.fonts[kArrowFontIndex].family, "Georgia");
    EXPECT_EQ(frame.fonts[kArrowFontIndex].emPixels, 20);
    EXPECT_TRUE(frame.fonts[kArrowFontIndex].bold);
    ASSERT_EQ(frame.tiles.size(), 2u);
    EXPECT_EQ(frame.tiles[kDayTileIndex].side, 30);
    EXPECT_NE(frame.tiles[kDayTileIndex].argb, frame.tiles[kTodayTileIndex].argb);

    settings.CalendarBold = true;
    EXPECT_TRUE(Compose(2026, 2, 1).fonts[kTextFontIndex].bold);

    // The texts fade with the tiles.
    EXPECT_EQ(frame.textOpacity, 1.0f);
    settings.CalendarTransparent = 50;
    EXPECT_EQ(Compose(2026, 2, 1).textOpacity, 0.0f);
}

}  // namespace
}  // namespace zentrova
