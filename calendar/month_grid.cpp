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

MonthLayout LayoutMonth(const CalendarMetrics& metrics, int year, int month, int markedDay) {
    const int w = metrics.width;
    const int h = metrics.height;
    const int c = metrics.cell;
    const double rowHeight = Over(h, kFaceRows);
    const double column = Over(w, kWeekdays);

    MonthLayout layout;
    layout.previousArrow = Rect(0, 0, c, rowHeight);
    layout.nextArrow = Rect(w - c, 0, c, rowHeight);
    layout.title = Rect(c, 0, w - 2 * c, rowHeight);
    for (int i = 0; i < kWeekdays; ++i) layout.dayNames[i] = Rect(Over(w * i, kWeekdays), rowHeight, column, rowHeight);
    layout.dayNameRow = Rect(0, rowHeight, w, rowHeight);

    const double footerTop = h - rowHeight;
    layout.footer = Rect(0, footerTop, w, rowHeight);
    layout.footerLeft = Rect(0, footerTop, Over(w, 2), rowHeight);
    layout.footerRight = Rect(Over(w, 2), footerTop, Over(w, 2), rowHeight);

    const int days = DaysInMonth(year, month);
    layout.days.reserve(static_cast<std::size_t>(days));
    int row = 0;
    for (int day = 1; day <= days; ++day) {
        const int weekday = WeekdayOf(year, month, day);
        const double x = Over(static_cast<long long>(weekday - 1) * w, kWeekdays);
        const double y = Over(2LL * h, kFaceRows) + Over(static_cast<long long>(row) * h, kFaceRows);
        layout.days.push_back({day, weekday, row, Rect(x, y, column, rowHeight), day == markedDay});
        if (weekday == kWeekdays) ++row;
    }
    return layout;
}

ArrowHit HitTestArrows(PointI client, const CalendarMetrics& metrics) {
    const int x = client.x;
    const int y = client.y;
    const int w = metrics.width;
    const int c = metrics.cell;
    const bool inTopBand = 0 < y && y < c;
    return {inTopBand && 0 < x && x < c, inTopBand && w - c < x && x < w};
}

}  // namespace zentrova
