#include "calendar/calendar_state.h"

#include <algorithm>

#include "clock/clock_formats.h"
#include "clock/date_time_format.h"
#include "language/texts.h"

namespace zentrova {

namespace {

constexpr std::string_view kTitlePattern = "mmmm yyyy";
constexpr std::string_view kProvisionalTitlePattern = "mmmm dd";
constexpr char kLocaleSeparator = '/';

std::uint16_t Field(int value) { return static_cast<std::uint16_t>(std::clamp(value, 0, 0xFFFF)); }

void SetToday(CalendarState& state, const LocalTime& today) {
    // Paging relies on the shown month lying inside the years it can page.
    state.TodayYear = Field(std::clamp(today.year, kMinYear, kMaxYear));
    state.TodayMonth = Field(std::clamp(today.month, 1, 12));
    state.TodayDay = Field(today.day);
}

void RememberTime(CalendarState& state, const LocalTime& now) {
    state.LastHour = Field(now.hour);
    state.LastMinute = Field(now.minute);
    state.LastSecond = Field(now.second);
}

}  // namespace

void StartCalendar(CalendarState& state, const LocalTime& today) {
    SetToday(state, today);
    state.ShownYear = state.TodayYear;
    state.ShownMonth = state.TodayMonth;
}

bool FollowToday(CalendarState& state, const LocalTime& now) {
    const std::uint16_t year = state.TodayYear;
    const std::uint16_t month = state.TodayMonth;
    const std::uint16_t day = state.TodayDay;
    SetToday(state, now);
    if (state.TodayYear == year && state.TodayMonth == month && state.TodayDay == day) return false;
    ShowTodaysMonth(state);
    return true;
}

std::int64_t SecondsOf(const LocalTime& now) {
    const std::int64_t day = DayNumber({now.year, now.month, now.day});
    return ((day * 24 + now.hour) * 60 + now.minute) * 60 + now.second;
}

bool TurnMonths(CalendarState& state, int months, const LocalTime& now) {
    bool turned = false;
    for (int i = 0; i < months && PageForward(state); ++i) turned = true;
    for (int i = 0; i > months && PageBack(state); --i) turned = true;
    if (turned) state.TurnedAt = SecondsOf(now);
    return turned;
}

bool ShowTodaysMonth(CalendarState& state) {
    state.TurnedAt = -1;
    if (state.ShownYear == state.TodayYear && state.ShownMonth == state.TodayMonth) return false;
    state.ShownYear = state.TodayYear;
    state.ShownMonth = state.TodayMonth;
    return true;
}

bool ReturnToToday(CalendarState& state, const LocalTime& now) {
    if (state.TurnedAt < 0) return false;
    const std::int64_t since = SecondsOf(now) - state.TurnedAt;
    if (since >= 0 && since < kReturnToTodaySeconds) return false;
    return ShowTodaysMonth(state);
}

std::string ShownMonthTitle(const CalendarState& state, const Locale& locale) {
    return CalendarTitleText(state.ShownYear, state.ShownMonth, locale);
}

int MarkedDay(const CalendarState& state) {
    const bool showsToday = state.ShownYear == state.TodayYear && state.ShownMonth == state.TodayMonth;
    return showsToday ? state.TodayDay : 0;
}

void SelectTimeFormat(CalendarState& state, int timeIndex, const LocalTime& now, const Locale& locale) {
    if (const std::optional<TimeFormatEntry> format = TimeFormatAt(timeIndex)) {
        state.CalendarTimeFormat = std::string(format->pattern);
        state.CalendarTimeRegional = format->regional;
    }
    state.CalendarTitle = FormatDateTime(kProvisionalTitlePattern, now, locale);
    state.LastHour = 0;
    state.LastMinute = 0;
    state.LastSecond = 0;
}

void RefreshCalendar(CalendarState& state, const LocalTime& now, const Locale& locale) {
    FollowToday(state, now);
    ReturnToToday(state, now);
    // An empty pattern (no valid index yet) gives an empty time text.
    state.CalendarTimeText =
        FormatWith({state.CalendarTimeFormat, state.CalendarTimeRegional}, now, locale);
    state.CalendarTitle = ShownMonthTitle(state, locale);
    RememberTime(state, now);
}

bool SecondRefresh(CalendarState& state, const LocalTime& now, const Locale& locale) {
    const bool changed = Field(now.hour) != state.LastHour || Field(now.minute) != state.LastMinute ||
                         Field(now.second) != state.LastSecond;
    if (changed) RefreshCalendar(state, now, locale);
    return changed;
}

bool PageBack(CalendarState& state) {
    if (state.ShownMonth > 1) {
        --state.ShownMonth;
        return true;
    }
    if (state.ShownYear <= kMinYear) return false;
    state.ShownMonth = 12;
    --state.ShownYear;
    return true;
}

bool PageForward(CalendarState& state) {
    if (state.ShownMonth < 12) {
        ++state.ShownMonth;
        return true;
    }
    if (state.ShownYear >= kMaxYear) return false;
    state.ShownMonth = 1;
    ++state.ShownYear;
    return true;
}

std::string FooterDatePattern(std::string_view shortDatePicture, char separator) {
    // Fields in the order the picture first names them; text in quotes is
    // a literal, not a field.
    std::string order;
    bool quoted = false;
    for (const char letter : shortDatePicture) {
        if (letter == '\'') quoted = !quoted;
        if (quoted) continue;
        const char field = letter == 'd' ? 'd' : letter == 'M' ? 'm' : letter == 'y' ? 'y' : '\0';
        if (field != '\0' && order.find(field) == std::string::npos) order += field;
    }
    for (const char field : {'m', 'd', 'y'}) {
        if (order.find(field) == std::string::npos) order += field;
    }
    std::string pattern;
    for (const char field : order) {
        if (!pattern.empty()) pattern += separator;
        pattern += field == 'd' ? "dd" : field == 'm' ? "mm" : "yyyy";
    }
    return pattern;
}

std::string FooterDateText(const LocalTime& now, bool timeShown, const Locale& locale) {
    // With the time too, the date keeps the region's separator and order:
    // dots on a US system would read as another day.
    const std::string pattern = FooterDatePattern(locale.shortDatePicture, kLocaleSeparator);
    if (timeShown) return FormatDateTime(pattern, now, locale);
    return Tr(TextId::Today, {FormatDateTime(pattern, now, locale)});
}

std::string_view HeaderDayName(const Locale& locale, int weekday) {
    if (weekday < 1 || weekday > 7) return {};
    const std::string& name = locale.shortestWeekdayNames[static_cast<std::size_t>(weekday - 1)];
    return name.empty() ? kDayNames[static_cast<std::size_t>(weekday - 1)] : std::string_view(name);
}

std::string DayNumberText(int day) { return std::to_string(day); }

bool MonthNameBeforeYear(std::string_view picture) {
    bool quoted = false;
    for (std::size_t at = 0; at < picture.size(); ++at) {
        const char letter = picture[at];
        if (letter == '\'') quoted = !quoted;
        if (quoted) continue;
        if (letter == 'y') return false;
        if (letter == 'M') return picture.substr(at).starts_with("MMM");
    }
    return false;
}

std::string CalendarTitleText(int year, int month, const Locale& locale) {
    const LocalTime shown{year, month, 1, 0, 0, 0, 0};
    if (MonthNameBeforeYear(locale.yearMonthPicture)) return FormatDateTime(kTitlePattern, shown, locale);
    return FormatRegional(RegionalFormat::YearMonth, shown, locale);
}

}  // namespace zentrova
