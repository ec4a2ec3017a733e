#include "calendar/calendar_face.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "calendar/calendar_events.h"
#include "face/rounding.h"

namespace zentrova {

namespace {

constexpr double kWidthMargin = 1.1;
// Keeps the normalised coordinate just short of 1 at the far edge.
constexpr double kEdgeBias = 0.001;
// Inner radius and frequency of the ring: the rounded square's band spans
// half a sine period (pi/0.7), the circle's about two and a half (5 pi).
constexpr double kSquareRingStart = 0.3;
constexpr double kSquareRingFactor = 4.487989505128276;
constexpr double kSquareRingPhase = 0.01;
constexpr double kCircleRingStart = 0.8;
constexpr double kCircleRingFactor = 15.707963267948966;
constexpr double kCircleRingPhase = 0.2;
// The week numbers' column is narrower than a day: two digits fit in it.
constexpr double kWeekColumnShare = 0.75;
// The event mark: a bar under the day's number, in the tile's normalised
// coordinates, clear of the cell's rim where today's ring runs.
constexpr double kEventBarHalfWidth = 0.4;
constexpr double kEventBarTop = 0.44;
constexpr double kEventBarBottom = 0.54;

CalendarMetrics MetricsForFaceWidth(int faceWidth, DpiScale scale, bool weekColumn) {
    CalendarMetrics metrics;
    const int tileCapacity = scale.Pixels(kTileCapacity);
    metrics.width = std::clamp(faceWidth, 1, kWeekdays * tileCapacity);
    metrics.height = RoundHalfEven(metrics.width + metrics.width / 8.0);
    metrics.cell = std::clamp(RoundHalfEven(metrics.width / 7.0), 1, tileCapacity);
    metrics.weekColumn = weekColumn ? std::max(1, RoundHalfEven(metrics.cell * kWeekColumnShare)) : 0;
    return metrics;
}

double Normalised(int index, int extent) { return 2.0 * index / (extent + kEdgeBias) - 1.0; }

std::uint8_t Blend(double g, std::uint8_t text, std::uint8_t skin) {
    return static_cast<std::uint8_t>(RoundHalfEven(g * g * text + (1.0 - g) * skin));
}

void MakeImage(const FacePlanes& planes, TileImage& image) {
    image.side = planes.width;
    BuildFramePixels(planes, image.argb);
}

}  // namespace

CalendarMetrics MetricsForHeaderWidth(int headerWidth, DpiScale scale, bool weekColumn) {
    // The 96-DPI width scaled once; height and cell follow from it.
    return MetricsForFaceWidth(scale.Pixels(RoundHalfEven(headerWidth * kWidthMargin)), scale, weekColumn);
}

CalendarMetrics MeasureCalendar(TextMeasurer& measurer, int calendarSize, DpiScale scale, bool weekColumn) {
    const SizeI extent = measurer.Measure(std::string(kMeasuringFamily), calendarSize + 8, std::string(CalendarHeader));
    return MetricsForHeaderWidth(extent.width, scale, weekColumn);
}

SizeI CalendarFaceCapacity(DpiScale scale, bool weekColumn) {
    const CalendarMetrics largest = MetricsForFaceWidth(kWeekdays * scale.Pixels(kTileCapacity), scale, weekColumn);
    return {largest.FaceWidth(), largest.height};
}

std::optional<double> TodayRingStrength(FaceShape shape, double distance) {
    const bool circle = shape == FaceShape::Oval;
    const double start = circle ? kCircleRingStart : kSquareRingStart;
    if (!(distance >= start)) return std::nullopt;
    const double factor = circle ? kCircleRingFactor : kSquareRingFactor;
    const double phase = circle ? kCircleRingPhase : kSquareRingPhase;
    return std::fabs(std::sin(std::fabs(start - distance) * factor + phase));
}

void FillCalendarTiles(const WorkingBitmap& cell, FaceShape shape, int transparency, Rgb textColor,
                       CalendarTiles& tiles) {
    // The metrics have held the cell to the window's scaled tile capacity.
    const int side = std::min(cell.width, cell.height);
    const SizeI size{side, side};
    if (tiles.DayTile.width != side || tiles.DayTile.height != side) tiles.DayTile.Resize(size);
    if (tiles.TodayTile.width != side || tiles.TodayTile.height != side) tiles.TodayTile.Resize(size);
    if (tiles.EventMark.width != side || tiles.EventMark.height != side) tiles.EventMark.Resize(size);
    const double opacity = FaceOpacity(transparency);

    FacePlanes& day = tiles.DayTile;
    FacePlanes& today = tiles.TodayTile;
    FacePlanes& mark = tiles.EventMark;
    for (int y = 0; y < side; ++y) {
        const double ny = Normalised(y, side);
        const std::uint8_t* source = cell.Row(y);
        for (int x = 0; x < side; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * side + x;
            const double nx = Normalised(x, side);
            const bool onBar = std::fabs(nx) <= kEventBarHalfWidth && ny >= kEventBarTop && ny <= kEventBarBottom;
            mark.alpha[i] = onBar ? static_cast<std::uint8_t>(RoundHalfEven(255.0 * opacity)) : 0;
            mark.red[i] = textColor.r;
            mark.green[i] = textColor.g;
            mark.blue[i] = textColor.b;
            const double d = FaceDistance(shape, nx, ny);
            if (d > 1.0) {
                // Invisible in both tiles: the colour planes keep what they held.
                day.alpha[i] = today.alpha[i] = 0;
                continue;
            }
            const std::uint8_t blue = source[3 * x];
            const std::uint8_t green = source[3 * x + 1];
            const std::uint8_t red = source[3 * x + 2];
            day.alpha[i] = today.alpha[i] = static_cast<std::uint8_t>(FaceAlphaAt(d, transparency));
            day.red[i] = today.red[i] = red;
            day.green[i] = today.green[i] = green;
            day.blue[i] = today.blue[i] = blue;

            if (const std::optional<double> ring = TodayRingStrength(shape, d)) {
                const double g = *ring;
                today.red[i] = Blend(g, textColor.r, red);
                today.green[i] = Blend(g, textColor.g, green);
                today.blue[i] = Blend(g, textColor.b, blue);
                today.alpha[i] = static_cast<std::uint8_t>(RoundHalfEven(std::min(1.0, 1.0 - d + g) * 255.0 * opacity));
            }
        }
    }
}

void BuildCalendarFace(const Settings& settings, const SkinSet& skins, TextMeasurer& measurer, WorkingBitmap& cell,
                       CalendarFace& face, DpiScale scale) {
    face.scale = scale;
    face.metrics = MeasureCalendar(measurer, settings.CalendarSize, scale, settings.CalendarWeekNumbers != 0);
    const int side = face.metrics.cell;
    cell.Resize({side, side});
    if (const SkinImage* image = skins.Find(settings.CalendarSkin)) StretchSkin(*image, cell);
    if (const std::optional<Rgb> color = SkinTextColor(settings.CalendarSkin)) face.SkinTextColor = *color;

    const FaceShape shape = settings.CalendarOval ? FaceShape::Oval : FaceShape::RoundedRect;
    FillCalendarTiles(cell, shape, settings.CalendarTransparent, face.SkinTextColor, face.tiles);
    MakeImage(face.tiles.DayTile, face.dayImage);
    MakeImage(face.tiles.TodayTile, face.todayImage);
    MakeImage(face.tiles.EventMark, face.eventImage);
}

WeekLayout CalendarWeekLayout(const Settings& settings, const Locale& locale) {
    WeekLayout weeks;
    weeks.firstWeekday = CalendarFirstWeekday(settings.CalendarWeekStart, locale.firstWeekday);
    weeks.numbering = settings.CalendarWeekNumbers == 1   ? WeekNumbering::Iso8601
                      : settings.CalendarWeekNumbers == 2 ? WeekNumbering::AsInWindows
                                                          : WeekNumbering::Off;
    weeks.localeRule = locale.firstWeekRule >= 0 && locale.firstWeekRule <= 2
                           ? static_cast<FirstWeekRule>(locale.firstWeekRule)
                           : FirstWeekRule::ContainsJanuaryFirst;
    return weeks;
}

void ComposeCalendarFrame(const CalendarFace& face, const CalendarState& state, const Settings& settings,
                          const std::string& footerDate, Frame& frame, const Locale& locale) {
    const CalendarMetrics& metrics = face.metrics;
    const MonthLayout layout =
        LayoutMonth(metrics, state.ShownYear, state.ShownMonth, MarkedDay(state), CalendarWeekLayout(settings, locale));
    const EventDays events =
        settings.CalendarEvents ? EventDaysOfMonth(settings, state.ShownYear, state.ShownMonth) : EventDays{};

    frame.width = metrics.FaceWidth();
    frame.height = metrics.height;
    frame.pixels.clear();  // the face starts fully transparent
    frame.textColor = face.SkinTextColor;
    frame.textOpacity = static_cast<float>(FaceOpacity(settings.CalendarTransparent));
    const int emPixels = face.scale.Pixels(settings.CalendarSize + 8);
    frame.fonts = {FontChoice{settings.CalendarFont, emPixels, settings.CalendarBold},
                   FontChoice{settings.CalendarFont, emPixels, true}};
    // The event mark goes into the frame only when a day of the month shows it.
    frame.tiles.resize(events.any() ? 3 : 2);
    frame.tiles[kDayTileIndex] = face.dayImage;
    frame.tiles[kTodayTileIndex] = face.todayImage;
    if (events.any()) frame.tiles[kEventTileIndex] = face.eventImage;

    auto& ops = frame.ops;
    ops.clear();
    auto tile = [&](int index, RectF rect) { ops.emplace_back(DrawTile{index, rect}); };
    auto text = [&](std::string_view value, RectF rect, int font = kTextFontIndex) {
        ops.emplace_back(DrawText{font, std::string(value), rect});
    };

    tile(kDayTileIndex, layout.title);
    if (settings.CalendarOval) {
        for (const RectF& name : layout.dayNames) tile(kDayTileIndex, name);
    } else {
        tile(kDayTileIndex, layout.dayNameRow);  // one long rounded bar
    }
    text(state.CalendarTitle, layout.title);
    for (std::size_t i = 0; i < layout.dayNames.size(); ++i) {
        text(HeaderDayName(locale, layout.dayNameWeekdays[i]), layout.dayNames[i]);
    }

    for (const DayCell& day : layout.days) {
        tile(day.today ? kTodayTileIndex : kDayTileIndex, day.rect);
        if (events.test(static_cast<std::size_t>(day.day))) tile(kEventTileIndex, day.rect);
        text(DayNumberText(day.day), day.rect);
    }
    for (const WeekNumberCell& week : layout.weekNumbers) {
        tile(kDayTileIndex, week.rect);
        text(DayNumberText(week.number), week.rect);
    }

    if (settings.CalendarTimeShow) {
        tile(kDayTileIndex, layout.footerLeft);
        tile(kDayTileIndex, layout.footerRight);
        text(footerDate, layout.footerLeft);
        text(state.CalendarTimeText, layout.footerRight);
    } else {
        tile(kDayTileIndex, layout.footer);
        text(footerDate, layout.footer);
    }

    tile(kDayTileIndex, layout.previousArrow);
    tile(kDayTileIndex, layout.nextArrow);
    text(kNextArrowText, layout.nextArrow, kArrowFontIndex);
    text(kPreviousArrowText, layout.previousArrow, kArrowFontIndex);
}

}  // namespace zentrova
