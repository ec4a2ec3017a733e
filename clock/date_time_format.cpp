#include "clock/date_time_format.h"

#include <cstddef>
#include "text/utf.h"

namespace zentrova {
namespace {

constexpr std::string_view kAmPm = "AM/PM";

std::string Digits(long long value, std::size_t width) {
    const bool negative = value < 0;
    std::string text = std::to_string(negative ? -value : value);
    if (text.size() < width) text.insert(0, width - text.size(), '0');
    if (negative) text.insert(0, 1, '-');
    return text;
}

int TwelveHour(int hour) {
    const int h = hour % 12;
    return h == 0 ? 12 : h;
}

bool IsMorning(const LocalTime& time) { return time.hour < 12; }

// The weekday only for a real calendar date, so a bad date shows no name.
int WeekdayOfDate(const LocalTime& time) {
    if (time.day < 1 || time.day > DaysInMonth(time.year, time.month)) return 0;
    return WeekdayOf(time.year, time.month, time.day);
}

// Length of the run of equal characters starting at `at`.
std::size_t RunLength(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && text[end] == text[at]) ++end;
    return end - at;
}

void AppendQuoted(std::string_view picture, std::size_t& at, std::string& out) {
    // `at` is on the opening quote; a doubled quote inside stands for one.
    ++at;
    while (at < picture.size()) {
        if (picture[at] == '\'') {
            if (at + 1 < picture.size() && picture[at + 1] == '\'') {
                out += '\'';
                at += 2;
                continue;
            }
            ++at;
            return;
        }
        out += picture[at++];
    }
}

}  // namespace

std::string FormatDateTime(std::string_view pattern, const LocalTime& time, const Locale& locale) {
    const bool twelveHour = pattern.find(kAmPm) != std::string_view::npos;
    const int hour = twelveHour ? TwelveHour(time.hour) : time.hour;

    std::string out;
    std::size_t at = 0;
    while (at < pattern.size()) {
        const std::string_view rest = pattern.substr(at);
        auto take = [&](std::string_view specifier) {
            if (!rest.starts_with(specifier)) return false;
            at += specifier.size();
            return true;
        };
        if (take(kAmPm)) out += IsMorning(time) ? "AM" : "PM";
        else if (take("mmmm")) out += MonthName(locale, time.month);
        else if (take("dddd")) out += WeekdayName(locale, WeekdayOfDate(time));
        else if (take("yyyy")) out += Digits(time.year, 4);
        else if (take("hh")) out += Digits(hour, 2);
        else if (take("h")) out += Digits(hour, 1);
        else if (take("nn")) out += Digits(time.minute, 2);
        else if (take("ss")) out += Digits(time.second, 2);
        else if (take("dd")) out += Digits(time.day, 2);
        else if (take("mm")) out += Digits(time.month, 2);
        else if (take(":")) out += locale.timeSeparator;
        else if (take("/")) out += locale.dateSeparator;
        else out += pattern[at++];
    }
    return out;
}

std::string FormatWindowsPicture(std::string_view picture, const LocalTime& time, const Locale& locale) {
    std::string out;
    std::size_t at = 0;
    while (at < picture.size()) {
        const char letter = picture[at];
        if (letter == '\'') {
            if (at + 1 < picture.size() && picture[at + 1] == '\'') {
                out += '\'';
                at += 2;
            } else {
                AppendQuoted(picture, at, out);
            }
            continue;
        }
        const std::size_t run = RunLength(picture, at);
        const std::size_t width = run >= 2 ? 2 : 1;
        switch (letter) {
        case 'd':
            if (run >= 4) out += WeekdayName(locale, WeekdayOfDate(time));
            else if (run == 3) out += AbbreviatedWeekdayName(locale, WeekdayOfDate(time));
            else out += Digits(time.day, width);
            break;
        case 'M':
            if (run >= 4) out += MonthName(locale, time.month);
            else if (run == 3) out += AbbreviatedMonthName(locale, time.month);
            else out += Digits(time.month, width);
            break;
        case 'y':
            out += run >= 3 ? Digits(time.year, 4) : Digits(time.year % 100, width);
            break;
        case 'h': out += Digits(TwelveHour(time.hour), width); break;
        case 'H': out += Digits(time.hour, width); break;
        case 'm': out += Digits(time.minute, width); break;
        case 's': out += Digits(time.second, width); break;
        case 't': {
            const std::string& designator = IsMorning(time) ? locale.amDesignator : locale.pmDesignator;
            out += run >= 2 ? designator : std::string(FirstCharacter(designator));
            break;
        }
        case 'g': break;  // era: not shown for the Gregorian calendar
        default: out.append(run, letter); break;
        }
        at += run;
    }
    return out;
}

std::string FormatRegional(RegionalFormat format, const LocalTime& time, const Locale& locale) {
    if (format == RegionalFormat::None) return {};
    if (locale.systemFormat) {
        std::string text = locale.systemFormat(format, time);
        if (!text.empty()) return text;
    }
    const std::string* picture = nullptr;
    switch (format) {
        case RegionalFormat::ShortDate: picture = &locale.shortDatePicture; break;
        case RegionalFormat::LongDate: picture = &locale.longDatePicture; break;
        case RegionalFormat::ShortTime: picture = &locale.shortTimePicture; break;
        case RegionalFormat::LongTime: picture = &locale.longTimePicture; break;
        case RegionalFormat::YearMonth: picture = &locale.yearMonthPicture; break;
        case RegionalFormat::None: return {};
    }
    return FormatWindowsPicture(*picture, time, locale);
}

std::string FormatWith(const DateTimeFormat& format, const LocalTime& time, const Locale& locale) {
    return format.regional == RegionalFormat::None ? FormatDateTime(format.pattern, time, locale)
                                                   : FormatRegional(format.regional, time, locale);
}

LocalTime CountEntryMoment(double date, double time) {
    const CivilDate day = DecodeDate(date);
    const TimeOfDay clock = DecodeTime(time);
    return {day.year, day.month, day.day, clock.hour, clock.minute, clock.second, 0};
}

std::string CountEntryWhen(double date, double time, const Locale& locale) {
    const LocalTime moment = CountEntryMoment(date, time);
    return FormatRegional(RegionalFormat::LongDate, moment, locale) + " " +
           FormatRegional(RegionalFormat::ShortTime, moment, locale);
}

std::string CountEntryLine(std::string_view title, double date, double time, const Locale& locale) {
    const LocalTime moment = CountEntryMoment(date, time);
    const std::string dateText = FormatWindowsPicture(locale.shortDatePicture, moment, locale);
    const std::string timeText = FormatWindowsPicture(locale.longTimePicture, moment, locale);

    std::string line(title);
    line += "  ";
    line += dateText;
    line += "  ";
    line += timeText;
    return line;
}

}  // namespace zentrova
