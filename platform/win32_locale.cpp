#include "platform/win32_locale.h"

#include <windows.h>

#include <iterator>

#include "calendar/week_rules.h"
#include "platform/wide_text.h"

namespace zentrova::platform {
namespace {

std::string Info(LCTYPE type, const std::string& fallback) {
    wchar_t buffer[128] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, static_cast<int>(std::size(buffer)));
    return length > 1 ? Narrow(buffer) : fallback;
}

SYSTEMTIME SystemTimeOf(const LocalTime& time) {
    SYSTEMTIME system{};
    system.wYear = static_cast<WORD>(time.year);
    system.wMonth = static_cast<WORD>(time.month);
    system.wDay = static_cast<WORD>(time.day);
    system.wHour = static_cast<WORD>(time.hour);
    system.wMinute = static_cast<WORD>(time.minute);
    system.wSecond = static_cast<WORD>(time.second);
    return system;
}

// The user's region writes the text itself; empty when it declines (a date
// outside what the system formats).
std::string SystemText(RegionalFormat format, const LocalTime& time) {
    const SYSTEMTIME system = SystemTimeOf(time);
    wchar_t buffer[256] = {};
    const int size = static_cast<int>(std::size(buffer));
    int length = 0;
    switch (format) {
        case RegionalFormat::ShortDate:
        case RegionalFormat::LongDate:
        case RegionalFormat::YearMonth: {
            const DWORD flags = format == RegionalFormat::ShortDate  ? DATE_SHORTDATE
                                : format == RegionalFormat::LongDate ? DATE_LONGDATE
                                                                     : DATE_YEARMONTH;
            length = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, flags, &system, nullptr, buffer, size, nullptr);
            break;
        }
        case RegionalFormat::ShortTime:
        case RegionalFormat::LongTime: {
            const DWORD flags = format == RegionalFormat::ShortTime ? TIME_NOSECONDS : 0;
            length = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, flags, &system, nullptr, buffer, size);
            break;
        }
        case RegionalFormat::None: break;
    }
    return length > 1 ? Narrow(buffer) : std::string();
}

// A numeric entry ("0".."6"); `fallback` for anything else.
int Number(LCTYPE type, int fallback) {
    const std::string text = Info(type, "");
    return text.size() == 1 && text[0] >= '0' && text[0] <= '9' ? text[0] - '0' : fallback;
}

}  // namespace

Locale UserLocale() {
    Locale locale = EnglishUnitedStates();
    for (int i = 0; i < 12; ++i) {
        locale.monthNames[i] = Info(LOCALE_SMONTHNAME1 + i, locale.monthNames[i]);
        locale.abbreviatedMonthNames[i] = Info(LOCALE_SABBREVMONTHNAME1 + i, locale.abbreviatedMonthNames[i]);
    }
    // The system numbers its day names from Monday; ours start on Sunday.
    for (int i = 0; i < 7; ++i) {
        const int system = (i + 6) % 7;
        locale.weekdayNames[i] = Info(LOCALE_SDAYNAME1 + system, locale.weekdayNames[i]);
        locale.abbreviatedWeekdayNames[i] = Info(LOCALE_SABBREVDAYNAME1 + system, locale.abbreviatedWeekdayNames[i]);
    }
    locale.timeSeparator = Info(LOCALE_STIME, locale.timeSeparator);
    locale.dateSeparator = Info(LOCALE_SDATE, locale.dateSeparator);
    locale.shortDatePicture = Info(LOCALE_SSHORTDATE, locale.shortDatePicture);
    locale.longTimePicture = Info(LOCALE_STIMEFORMAT, locale.longTimePicture);
    locale.longDatePicture = Info(LOCALE_SLONGDATE, locale.longDatePicture);
    locale.shortTimePicture = Info(LOCALE_SSHORTTIME, locale.shortTimePicture);
    locale.yearMonthPicture = Info(LOCALE_SYEARMONTH, locale.yearMonthPicture);
    locale.name = Info(LOCALE_SNAME, locale.name);
    locale.systemFormat = SystemText;
    locale.amDesignator = Info(LOCALE_S1159, locale.amDesignator);
    locale.pmDesignator = Info(LOCALE_S2359, locale.pmDesignator);
    for (int i = 0; i < 7; ++i) {
        const int system = (i + 6) % 7;
        locale.shortestWeekdayNames[i] = Info(LOCALE_SSHORTESTDAYNAME1 + system, locale.shortestWeekdayNames[i]);
    }
    locale.firstWeekday = WeekdayFromSystemFirstDay(Number(LOCALE_IFIRSTDAYOFWEEK, 6));
    locale.firstWeekRule = Number(LOCALE_IFIRSTWEEKOFYEAR, 0);
    return locale;
}

std::vector<std::string> UserDisplayLanguages() {
    ULONG count = 0;
    ULONG length = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &length) || length == 0) return {};
    std::wstring buffer(length, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, buffer.data(), &length)) return {};
    // Tags one after another, each ended by a null, the list by another.
    std::vector<std::string> tags;
    for (std::size_t at = 0; at < buffer.size() && buffer[at] != L'\0';) {
        const std::size_t end = buffer.find(L'\0', at);
        tags.push_back(Narrow(std::wstring_view(buffer).substr(at, end - at)));
        at = end + 1;
    }
    return tags;
}

}  // namespace zentrova::platform
