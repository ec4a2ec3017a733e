#include "language/texts.h"
#include "clock/clock_formats.h"

#include <gtest/gtest.h>

namespace zentrova {
namespace {

TEST(ClockFormats, LabelsInTheSettingsWindowOrder) {
    const char* timeLabels[] = {"Hours:Minutes (12 hours am/pm)", "Hours:Minutes:Seconds (12 hours am/pm)",
                                "Hours:Minutes (24 hours)", "Hours:Minutes:Seconds (24 hours)",
                                "As in Windows (short)", "As in Windows (long)"};
    const char* dateLabels[] = {"Day Month",
                                "Month Day",
                                "Month Day, Year",
                                "Day Month, Year",
                                "Day of Week",
                                "Day of Week, Day Month",
                                "Day of Week, Month Day",
                                "Day of Week, Day Month, Year",
                                "Day of Week, Month Day, Year",
                                "Month/Day/Year(short)",
                                "Year/Month/Day(short)",
                                "Month-Day-Year(short)",
                                "Year-Month-Day(short)",
                                "As in Windows (short)",
                                "As in Windows (long)"};
    ASSERT_EQ(TimeFormats().size(), std::size(timeLabels));
    ASSERT_EQ(DateFormats().size(), std::size(dateLabels));
    for (std::size_t i = 0; i < std::size(timeLabels); ++i) EXPECT_EQ(Tr(TimeFormats()[i].label), timeLabels[i]);
    for (std::size_t i = 0; i < std::size(dateLabels); ++i) EXPECT_EQ(Tr(DateFormats()[i].label), dateLabels[i]);
}

TEST(ClockFormats, OnlyFiveToEightAreWeekdayVariants) {
    for (int index = -2; index <= 16; ++index) {
        EXPECT_EQ(IsWeekdayDateIndex(index), index >= 5 && index <= 8) << index;
    }
}

TEST(ClockFormats, IndicesOutsideTheTablesGiveNothing) {
    EXPECT_FALSE(TimeFormatAt(-1));
    EXPECT_FALSE(TimeFormatAt(6));
    EXPECT_FALSE(DateFormatAt(-1));
    EXPECT_FALSE(DateFormatAt(15));
    EXPECT_EQ(TimeFormatAt(3)->pattern, "hh:nn:ss");
    EXPECT_EQ(DateFormatAt(12)->pattern, "yyyy-mm-dd");
}

}  // namespace
}  // namespace zentrova
