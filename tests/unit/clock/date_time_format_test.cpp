#include "clock/date_time_format.h"

#include <gtest/gtest.h>

#include <string>

#include "clock/clock_formats.h"

namespace zentrova {
namespace {

LocalTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return LocalTime{year, month, day, hour, minute, second, 0};
}

// Dots between hours and minutes, hyphens between date fields, and names
// that are plainly not English.
Locale DottedLocale() {
    Locale locale = EnglishUnitedStates();
    // Assigned as strings: GCC 12 warns falsely (-Wrestrict) on literals here.
    locale.timeSeparator = std::string(".");
    locale.dateSeparator = std::string("-");
    locale.monthNames[2] = std::string("Maerz");
    locale.weekdayNames[6] = std::string("Samstag");
    return locale;
}

struct PatternCase {
    const char* pattern;
    int hour, minute, second;
    const char* expected;
};

TEST(ClockTimeFormat, TwelveAndTwentyFourHourClocks) {
    const PatternCase cases[] = {
        {"h:nn AM/PM", 0, 5, 0, "12:05 AM"},      // midnight hour shows 12
        {"h:nn AM/PM", 12, 5, 0, "12:05 PM"},     // noon is PM
        {"h:nn AM/PM", 11, 59, 0, "11:59 AM"},
        {"h:nn AM/PM", 13, 0, 0, "1:00 PM"},
        {"h:nn:ss AM/PM", 23, 59, 9, "11:59:09 PM"},
        {"hh:nn", 9, 5, 0, "09:05"},
        {"hh:nn", 21, 5, 0, "21:05"},
        {"hh:nn", 0, 0, 0, "00:00"},
        {"hh:nn:ss", 0, 0, 9, "00:00:09"},
        {"h:nn", 21, 5, 0, "21:05"},              // no AM/PM: 24-hour even without the zero
        {"hh:nn AM/PM", 9, 5, 0, "09:05 AM"},     // 12-hour with a leading zero
    };
    const Locale english = EnglishUnitedStates();
    for (const PatternCase& c : cases) {
        EXPECT_EQ(FormatDateTime(c.pattern, At(2026, 3, 7, c.hour, c.minute, c.second), english), c.expected)
            << c.pattern << " at " << c.hour << ":" << c.minute;
    }
}

TEST(ClockTimeFormat, TimeIndexTableGivesTheExpectedTexts) {
    const Locale english = EnglishUnitedStates();
    const LocalTime morning = At(2026, 3, 7, 0, 5, 0);
    const LocalTime evening = At(2026, 3, 7, 21, 5, 7);
    EXPECT_EQ(FormatDateTime(TimeFormatAt(0)->pattern, morning, english), "12:05 AM");
    EXPECT_EQ(FormatDateTime(TimeFormatAt(1)->pattern, evening, english), "9:05:07 PM");
    EXPECT_EQ(FormatDateTime(TimeFormatAt(2)->pattern, morning, english), "00:05");
    EXPECT_EQ(FormatDateTime(TimeFormatAt(3)->pattern, evening, english), "21:05:07");
}

TEST(ClockDateFormat, EveryDateIndexOnAFixedDate) {
    // Saturday, 7 March 2026.
    const char* expected[] = {
        "07 March",       "March 07",       "March 07, 2026", "07 March, 2026", "Saturday",
        "07 March",       "March 07",       "07 March, 2026", "March 07, 2026", "03/07/2026",
        "2026/03/07",     "03-07-2026",     "2026-03-07",     "3/7/2026",       "Saturday, March 7, 2026",
    };
    ASSERT_EQ(DateFormats().size(), std::size(expected));
    const Locale english = EnglishUnitedStates();
    for (int index = 0; index < static_cast<int>(std::size(expected)); ++index) {
        EXPECT_EQ(FormatWith(DateFormatAt(index)->Format(), At(2026, 3, 7), english), expected[index])
            << "DateIndex " << index;
    }
}

TEST(ClockDateFormat, RegionalSeparatorsAndNames) {
    const Locale dotted = DottedLocale();
    const LocalTime t = At(2026, 3, 7, 21, 5, 7);
    EXPECT_EQ(FormatDateTime("mm/dd/yyyy", t, dotted), "03-07-2026");
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd", t, dotted), "2026-03-07");
    EXPECT_EQ(FormatDateTime("hh:nn:ss", t, dotted), "21.05.07");
    EXPECT_EQ(FormatDateTime("h:nn AM/PM", t, dotted), "9.05 PM");
    // A literal dot or hyphen is copied, not taken for a separator.
    EXPECT_EQ(FormatDateTime("mm.dd.yyyy", t, dotted), "03.07.2026");
    Locale slashes = EnglishUnitedStates();
    slashes.dateSeparator = std::string(".");
    EXPECT_EQ(FormatDateTime("mm-dd-yyyy", t, slashes), "03-07-2026");
    EXPECT_EQ(FormatDateTime("dddd, dd mmmm", t, dotted), "Samstag, 07 Maerz");
}

TEST(ClockDateFormat, OddInputsStayHarmless) {
    const Locale english = EnglishUnitedStates();
    EXPECT_EQ(FormatDateTime("", At(2026, 3, 7), english), "");
    EXPECT_EQ(FormatDateTime("Today ", At(2026, 3, 7), english), "Today ");
    // A month or day outside the calendar shows no name rather than reading past the tables.
    EXPECT_EQ(FormatDateTime("mmmm|dddd", At(2026, 13, 7), english), "|");
    EXPECT_EQ(FormatDateTime("dddd", At(2026, 2, 30), english), "");
    EXPECT_EQ(FormatDateTime("yyyy", At(7, 1, 1), english), "0007");
}

TEST(WindowsPicture, DatePictures) {
    const Locale english = EnglishUnitedStates();
    const LocalTime newYear = At(2027, 1, 1);
    const LocalTime christmas = At(2026, 12, 25);
    EXPECT_EQ(FormatWindowsPicture("M/d/yyyy", newYear, english), "1/1/2027");
    EXPECT_EQ(FormatWindowsPicture("MM/dd/yy", newYear, english), "01/01/27");
    EXPECT_EQ(FormatWindowsPicture("dd.MM.yyyy", christmas, english), "25.12.2026");
    EXPECT_EQ(FormatWindowsPicture("y", At(2005, 1, 1), english), "5");
    EXPECT_EQ(FormatWindowsPicture("dddd, MMMM d, yyyy", newYear, english), "Friday, January 1, 2027");
    EXPECT_EQ(FormatWindowsPicture("ddd d MMM", christmas, english), "Fri 25 Dec");
    EXPECT_EQ(FormatWindowsPicture("yyyy gg", newYear, english), "2027 ");
}

TEST(WindowsPicture, AbbreviationsFallBackToFullNames) {
    Locale locale = EnglishUnitedStates();
    locale.abbreviatedMonthNames = {};
    locale.abbreviatedWeekdayNames = {};
    EXPECT_EQ(FormatWindowsPicture("ddd MMM", At(2027, 1, 1), locale), "Friday January");
}

TEST(WindowsPicture, TimePictures) {
    const Locale english = EnglishUnitedStates();
    EXPECT_EQ(FormatWindowsPicture("h:mm:ss tt", At(2027, 1, 1, 0, 0, 0), english), "12:00:00 AM");
    EXPECT_EQ(FormatWindowsPicture("h:mm:ss tt", At(2027, 1, 1, 15, 30, 0), english), "3:30:00 PM");
    EXPECT_EQ(FormatWindowsPicture("hh:mm t", At(2027, 1, 1, 7, 4, 0), english), "07:04 A");
    Locale greek = english;
    greek.amDesignator = "π.μ.";  // "t" keeps the whole first letter, two bytes here
    EXPECT_EQ(FormatWindowsPicture("h t", At(2027, 1, 1, 7, 4, 0), greek), "7 π");
    EXPECT_EQ(FormatWindowsPicture("HH:mm:ss", At(2027, 1, 1, 13, 4, 5), english), "13:04:05");
    EXPECT_EQ(FormatWindowsPicture("H:m:s", At(2027, 1, 1, 9, 4, 5), english), "9:4:5");
}

TEST(WindowsPicture, QuotedLiterals) {
    const Locale english = EnglishUnitedStates();
    const LocalTime t = At(2027, 1, 1, 9, 4, 5);
    EXPECT_EQ(FormatWindowsPicture("d 'de' MMMM", t, english), "1 de January");
    EXPECT_EQ(FormatWindowsPicture("H'h'mm", t, english), "9h04");
    EXPECT_EQ(FormatWindowsPicture("'It''s' h", t, english), "It's 9");
    EXPECT_EQ(FormatWindowsPicture("''", t, english), "'");
    EXPECT_EQ(FormatWindowsPicture("HH 'unclosed dd", t, english), "09 unclosed dd");
}

TEST(CountEntryLine, DateThenTimeInTheSystemPictures) {
    const Locale english = EnglishUnitedStates();
    EXPECT_EQ(CountEntryLine("New Year Countdown", EncodeDate(2027, 1, 1), 0.0, english),
              "New Year Countdown  1/1/2027  12:00:00 AM");
    EXPECT_EQ(CountEntryLine("", EncodeDate(2026, 12, 25), EncodeTime(18, 0, 0), english), "  12/25/2026  6:00:00 PM");
}

TEST(CountEntryLine, OnlyTheDatePartAndTheTimeOfDayCount) {
    const Locale english = EnglishUnitedStates();
    // A picker's date keeps a time of day and its time keeps a date.
    const double date = EncodeDate(2027, 1, 1) + EncodeTime(23, 0, 0);
    const double time = EncodeDate(2024, 5, 17) + EncodeTime(15, 30, 0);
    EXPECT_EQ(CountEntryLine("Delta", date, time, english), "Delta  1/1/2027  3:30:00 PM");
}

TEST(CountEntryLine, TheRegionalPicturesShapeTheDateAndTheTime) {
    Locale german = EnglishUnitedStates();
    german.shortDatePicture = "dd.MM.yyyy";
    german.longTimePicture = "HH:mm:ss";
    EXPECT_EQ(CountEntryLine("Delta", EncodeDate(2026, 12, 25), EncodeTime(15, 30, 0), german),
              "Delta  25.12.2026  15:30:00");
}

}  // namespace
}  // namespace zentrova
