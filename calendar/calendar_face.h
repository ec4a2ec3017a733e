#pragma once
// The calendar's face: its size from the measured day-name header, the two
// small skin tiles (plain and with today's ring) cut by the shape rule, and
// the draw list that backs every cell with a tile and centres its text.

#include <optional>
#include <string>
#include <string_view>

#include "calendar/calendar_state.h"
#include "calendar/month_grid.h"
#include "face/dpi_scale.h"
#include "face/face_planes.h"
#include "face/frame.h"
#include "face/geometry.h"
#include "face/services.h"
#include "face/skin.h"
#include "face/working_bitmap.h"
#include "settings/settings.h"

namespace zentrova {

// The tiles hold at most 101 x 101 pixels at 96 DPI; a window scales the
// capacity with its face.
constexpr int kTileCapacity = 101;
// The widest face whose cell edge still fits the tiles.
constexpr int kMaxCalendarWidth = kWeekdays * kTileCapacity;

// Measured in this family whatever font the calendar draws with, so the
// face size depends on CalendarSize alone.
inline constexpr std::string_view kMeasuringFamily = "Times New Roman";
inline constexpr std::string_view CalendarHeader = "Su  Mo  Tu  We  Th  Fr  Sa";

// W = Round(header width x 1.1) scaled by `scale`, H = Round(W + W/8),
// C = Round(W/7). W is held to 1..kMaxCalendarWidth and C to
// 1..kTileCapacity, both scaled. With `weekColumn` the week numbers take
// a column of Round(3/4 C) left of the grid.
CalendarMetrics MetricsForHeaderWidth(int headerWidth, DpiScale scale = {}, bool weekColumn = false);
// Measures CalendarHeader at calendarSize + 8 points (96 DPI) and scales.
CalendarMetrics MeasureCalendar(TextMeasurer& measurer, int calendarSize, DpiScale scale = {},
                                bool weekColumn = false);
// The largest face MetricsForHeaderWidth can give at `scale`.
SizeI CalendarFaceCapacity(DpiScale scale = {}, bool weekColumn = false);

// DayTile and TodayTile, each C x C, and the event mark laid over a day
// with a countdown event: a bar in the text colour under the number,
// transparent elsewhere, so it shows on either tile.
struct CalendarTiles {
    FacePlanes DayTile;
    FacePlanes TodayTile;
    FacePlanes EventMark;
};

// Strength g of today's ring at distance D, or nothing where the ring does
// not reach (inside D 0.3 for the rounded square, 0.8 for the circle).
std::optional<double> TodayRingStrength(FaceShape shape, double distance);

// Cuts both tiles from the cell bitmap (C x C) with the shape rule, and
// paints today's ring in `textColor` into TodayTile.
void FillCalendarTiles(const WorkingBitmap& cell, FaceShape shape, int transparency, Rgb textColor,
                       CalendarTiles& tiles);

// What face building leaves for every draw.
struct CalendarFace {
    CalendarMetrics metrics;
    CalendarTiles tiles;
    TileImage dayImage;    // ARGB of DayTile, made once per face building
    TileImage todayImage;  // ARGB of TodayTile
    TileImage eventImage;  // ARGB of EventMark
    Rgb SkinTextColor;
    DpiScale scale;  // the window's when the face was built; sizes the fonts
};

// Metrics at `scale` (with the week column when week numbers are on), skin stretch into the cell bitmap (nothing for an
// unknown skin, which also keeps the text colour), both tiles and their ARGB images.
void BuildCalendarFace(const Settings& settings, const SkinSet& skins, TextMeasurer& measurer, WorkingBitmap& cell,
                       CalendarFace& face, DpiScale scale = {});

// Indices into Frame::tiles and Frame::fonts of a calendar frame.
constexpr int kDayTileIndex = 0;
constexpr int kTodayTileIndex = 1;
constexpr int kEventTileIndex = 2;
constexpr int kTextFontIndex = 0;   // CalendarFont, bold by CalendarBold
constexpr int kArrowFontIndex = 1;  // the same, always bold

// How the calendar runs its weeks: the stored first day and numbering over
// the region's own.
WeekLayout CalendarWeekLayout(const Settings& settings, const Locale& locale);

// The whole draw list of one frame over a fully transparent face: title,
// day-name row, title and name texts, each day's tile (with the event mark
// on days with a countdown event) and number, the week numbers, footer,
// arrows, then ">>" and "<<". `footerDate` is FooterDateText's result.
void ComposeCalendarFrame(const CalendarFace& face, const CalendarState& state, const Settings& settings,
                          const std::string& footerDate, Frame& frame, const Locale& locale = EnglishUnitedStates());

}  // namespace zentrova
