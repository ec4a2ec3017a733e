#pragma once
// The geometry of the calendar face: nine rows of H/9 (arrows and title, day
// names, six week rows, footer), Sunday-first week rows, and the two arrow
// squares that page the month. Pure arithmetic on the face metrics.

#include <array>
#include <vector>

#include "face/geometry.h"

namespace zentrova {

constexpr int kWeekdays = 7;
constexpr int kFaceRows = 9;
constexpr int kWeekRows = 6;

// Face size W x H and the integer cell edge C (arrows, tile side).
struct CalendarMetrics {
    int width = 1;
    int height = 1;
    int cell = 1;
    friend bool operator==(const CalendarMetrics&, const CalendarMetrics&) = default;
};

struct DayCell {
    int day = 1;      // 1..N
    int weekday = 1;  // 1 = Sunday .. 7 = Saturday, also the column + 1
    int weekRow = 0;  // 0..5
    RectF rect;
    bool today = false;  // drawn over the highlighted tile
};

struct MonthLayout {
    RectF previousArrow;
    RectF nextArrow;
    RectF title;
    std::array<RectF, kWeekdays> dayNames;  // "Su" first
    RectF dayNameRow;                       // the whole second row
    std::vector<DayCell> days;              // day 1 first
    RectF footer;                           // time hidden: one cell
    RectF footerLeft;                       // time shown: the date half
    RectF footerRight;                      // time shown: the time half
};

// The cells of `year`-`month` on a face of `metrics`; the cell whose number
// equals `markedDay` carries today's ring (0 marks none).
MonthLayout LayoutMonth(const CalendarMetrics& metrics, int year, int month, int markedDay);

// Which arrow squares a left press at a client point falls in. The squares
// are C x C with strict bounds, a little taller than the drawn arrow cells.
struct ArrowHit {
    bool previous = false;
    bool next = false;
};
ArrowHit HitTestArrows(PointI client, const CalendarMetrics& metrics);

}  // namespace zentrova
