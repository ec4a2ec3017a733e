#include "calendar/day_window.h"

#include <algorithm>

#include "app/program_names.h"
#include "calendar/calendar_events.h"
#include "clock/date_time_format.h"
#include "language/texts.h"

namespace zentrova {

std::string WithoutSeconds(std::string_view picture) {
    // Cuts the seconds' letters and the separator before them, back to the
    // end of the minutes; quoted text is left as it is.
    std::string out;
    bool quoted = false;
    for (std::size_t i = 0; i < picture.size(); ++i) {
        const char letter = picture[i];
        if (letter == '\'') quoted = !quoted;
        if (!quoted && letter == 's') {
            const std::size_t minutes = out.find_last_of('m');
            if (minutes != std::string::npos) out.erase(minutes + 1);
            while (i + 1 < picture.size() && picture[i + 1] == 's') ++i;
            continue;
        }
        out += letter;
    }
    return out;
}

DayWindowContent DayWindowContentFor(const Settings& settings, CivilDate day, const Locale& locale) {
    DayWindowContent content;
    content.day = day;
    const LocalTime date{day.year, day.month, day.day, 0, 0, 0, 0};
    content.caption = FormatDateTime("dddd", date, locale) + ", " +
                      FormatWindowsPicture(locale.shortDatePicture, date, locale);

    std::vector<CountEntry> events = EventsOn(settings, day);
    const auto secondOfDay = [](const CountEntry& entry) {
        const TimeOfDay time = DecodeTime(entry.time);
        return (time.hour * 60 + time.minute) * 60 + time.second;
    };
    std::stable_sort(events.begin(), events.end(),
                     [&](const CountEntry& a, const CountEntry& b) { return secondOfDay(a) < secondOfDay(b); });
    const std::string picture = WithoutSeconds(locale.longTimePicture);
    for (const CountEntry& event : events) {
        const TimeOfDay time = DecodeTime(event.time);
        const LocalTime at{day.year, day.month, day.day, time.hour, time.minute, time.second, 0};
        content.lines.push_back(FormatWindowsPicture(picture, at, locale) + "  " + event.title);
    }
    if (events.empty()) content.lines.emplace_back(Tr(TextId::DayNoEvents));
    content.lines.emplace_back(Tr(TextId::DayAddEvent));
    return content;
}

SizeI DayWindowSize(int widestLine, int lines, DpiScale scale) {
    const int padding = scale.Pixels(kDayWindowPadding);
    const int width = std::clamp(widestLine + 2 * padding, scale.Pixels(kDayWindowMinWidth),
                                 scale.Pixels(kDayWindowMaxWidth));
    return {width, lines * scale.Pixels(kDayWindowLineHeight) + 2 * padding};
}

PointI PlaceBesideDay(const RectI& dayCell, SizeI size, const RectI& monitor, DpiScale scale) {
    const int gap = scale.Pixels(kDayWindowGap);
    int left = dayCell.right + gap;
    if (left + size.width > monitor.right) left = dayCell.left - gap - size.width;
    left = std::clamp(left, monitor.left, std::max(monitor.left, monitor.right - size.width));
    const int top = std::clamp(dayCell.top, monitor.top, std::max(monitor.top, monitor.bottom - size.height));
    return {left, top};
}

bool PointerAway::Update(bool inside, std::int64_t nowMs) {
    if (inside) {
        leftAt_.reset();
        return false;
    }
    if (!leftAt_) leftAt_ = nowMs;
    return nowMs - *leftAt_ >= kCloseAfterMs;
}

}  // namespace zentrova
