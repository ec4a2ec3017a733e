#include "calendar/month_grid.h"

#include "settings/date_time.h"

namespace zentrova {

namespace {

// Products of integers stay integers; only the division is real.
RectF Rect(double x, double y, double width, double height) {
    return {static_cast<float>(x), static_cast<float>(y), static_cast<float>(width), static_cast<float>(height)};
}

double Over(long long numerator, int denominator) { return static_cast<double>(numerator) / denominator; }

}  // namespace

MonthLayout LayoutMonth(const CalendarMetrics& metrics, int year, int month, int markedDay,
                        const WeekLayout& weeks) {
    const int left = metrics.weekColumn;
    const int w = metrics.width;
    const int h = metrics.height;
    const int c = metrics.cell;
    const double rowHeight = Over(h, kFaceRows);
    const double column = Over(w, kWeekdays);

    MonthLayout layout;
    layout.previousArrow = Rect(left, 0, c, rowHeight);
    layout.nextArrow = Rect(left + w - c, 0, c, rowHeight);
    layout.title = Rect(left + c, 0, w - 2 * c, rowHeight);
    for (int i = 0; i < kWeekdays; ++i) {
        layout.dayNames[i] = Rect(left + Over(w * i, kWeekdays), rowHeight, column, rowHeight);
        layout.dayNameWeekdays[i] = (weeks.firstWeekday - 1 + i) % kWeekdays + 1;
    }
    layout.dayNameRow = Rect(left, rowHeight, w, rowHeight);

    const double footerTop = h - rowHeight;
    layout.footer = Rect(left, footerTop, w, rowHeight);
    layout.footerLeft = Rect(left, footerTop, Over(w, 2), rowHeight);
    layout.footerRight = Rect(left + Over(w, 2), footerTop, Over(w, 2), rowHeight);

    const int days = DaysInMonth(year, month);
    layout.days.reserve(static_cast<std::size_t>(days));
    int row = 0;
    for (int day = 1; day <= days; ++day) {
        const int weekday = WeekdayOf(year, month, day);
        const int col = (weekday - weeks.firstWeekday + kWeekdays) % kWeekdays;
        const double x = left + Over(static_cast<long long>(col) * w, kWeekdays);
        const double y = Over(2LL * h, kFaceRows) + Over(static_cast<long long>(row) * h, kFaceRows);
        const RectF rect = Rect(x, y, column, rowHeight);
        if (weeks.numbering != WeekNumbering::Off && (day == 1 || col == 0)) {
            const CivilDate rowStart = AddDays({year, month, day}, -col);
            layout.weekNumbers.push_back(
                {RowWeekNumber(rowStart, weeks.numbering, weeks.localeRule), row, Rect(0, y, left, rowHeight)});
        }
        layout.days.push_back({day, weekday, col, row, rect, day == markedDay});
        if (col == kWeekdays - 1) ++row;
    }
    return layout;
}

int DayAt(const MonthLayout& layout, PointI client) {
    const float x = static_cast<float>(client.x);
    const float y = static_cast<float>(client.y);
    for (const DayCell& cell : layout.days) {
        const RectF& r = cell.rect;
        if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height) return cell.day;
    }
    return 0;
}

ArrowHit HitTestArrows(PointI client, const CalendarMetrics& metrics) {
    const int x = client.x - metrics.weekColumn;
    const int y = client.y;
    const int w = metrics.width;
    const int c = metrics.cell;
    const bool inTopBand = 0 < y && y < c;
    return {inTopBand && 0 < x && x < c, inTopBand && w - c < x && x < w};
}

}  // namespace zentrova
