#pragma once
// The geometry of the calendar face: nine rows of H/9 (arrows and title, day
// names, six week rows, footer), week rows from the chosen first weekday,
// an optional narrow column of week numbers at the left, and the two arrow
// squares that page the month. Pure arithmetic on the face metrics.

#include <array>
#include <vector>

#include "calendar/week_rules.h"
#include "face/geometry.h"

namespace zentrova {

constexpr int kWeekdays = 7;
constexpr int kFaceRows = 9;
constexpr int kWeekRows = 6;

// Grid size W x H and the integer cell edge C (arrows, tile side). The week
// number column, when shown, stands left of the grid and widens the face.
struct CalendarMetrics {
    int width = 1;
    int height = 1;
    int cell = 1;
    int weekColumn = 0;
    int FaceWidth() const { return weekColumn + width; }
    friend bool operator==(const CalendarMetrics&, const CalendarMetrics&) = default;
};

struct DayCell {
    int day = 1;      // 1..N
    int weekday = 1;  // 1 = Sunday .. 7 = Saturday
    int column = 0;   // 0..6 from the week's first day
    int weekRow = 0;  // 0..5
    RectF rect;
    bool today = false;  // drawn over the highlighted tile
};

struct WeekNumberCell {
    int number = 1;
    int weekRow = 0;
    RectF rect;
};

// How weeks run across the grid.
struct WeekLayout {
    int firstWeekday = kSunday;  // the leftmost column
    WeekNumbering numbering = WeekNumbering::Off;
    FirstWeekRule localeRule = FirstWeekRule::ContainsJanuaryFirst;
};

struct MonthLayout {
    RectF previousArrow;
    RectF nextArrow;
    RectF title;
    std::array<RectF, kWeekdays> dayNames;  // the first weekday first
    std::array<int, kWeekdays> dayNameWeekdays{};  // the weekday (1 = Sunday) each name shows
    RectF dayNameRow;                       // the whole second row
    std::vector<DayCell> days;              // day 1 first
    RectF footer;                           // time hidden: one cell
    RectF footerLeft;                       // time shown: the date half
    RectF footerRight;                      // time shown: the time half
    std::vector<WeekNumberCell> weekNumbers;  // one per used week row, when shown
};

// The cells of `year`-`month` on a face of `metrics`; the cell whose number
// equals `markedDay` carries today's ring (0 marks none). Every cell of the
// grid stands right of the week column.
MonthLayout LayoutMonth(const CalendarMetrics& metrics, int year, int month, int markedDay,
                        const WeekLayout& weeks = {});

// The day whose cell holds a client point, or 0.
int DayAt(const MonthLayout& layout, PointI client);

// Which arrow squares a left press at a client point falls in. The squares
// are C x C with strict bounds, a little taller than the drawn arrow cells.
struct ArrowHit {
    bool previous = false;
    bool next = false;
};
ArrowHit HitTestArrows(PointI client, const CalendarMetrics& metrics);

}  // namespace zentrova
