#include "countdown/countdown_spoken_text.h"

#include <array>
#include <tuple>

namespace zentrova {
namespace {

struct Unit {
    int RemainingTime::*field;
    std::string_view one;
    std::string_view many;
};

constexpr std::array<Unit, 6> kUnits{{
    {&RemainingTime::years, "year", "years"},
    {&RemainingTime::months, "month", "months"},
    {&RemainingTime::days, "day", "days"},
    {&RemainingTime::hours, "hour", "hours"},
    {&RemainingTime::minutes, "minute", "minutes"},
    {&RemainingTime::seconds, "second", "seconds"},
}};

// "15 days, 4 hours" from units none of which is negative, zeros left out.
std::string UnitWords(const RemainingTime& remaining) {
    const bool underAMinute = remaining.years == 0 && remaining.months == 0 && remaining.days == 0 &&
                              remaining.hours == 0 && remaining.minutes == 0;
    std::string words;
    for (const Unit& unit : kUnits) {
        if (unit.field == &RemainingTime::seconds && !underAMinute) break;
        const int count = remaining.*unit.field;
        if (count == 0) continue;
        if (!words.empty()) words += ", ";
        words += std::to_string(count) + " " + std::string(count == 1 ? unit.one : unit.many);
    }
    return words;
}

}  // namespace

bool CountdownAhead(const CountdownFields& now, const CountdownFields& event) {
    const auto order = [](const CountdownFields& f) {
        return std::tie(f.year, f.month, f.day, f.hour, f.minute, f.second);
    };
    return order(now) < order(event);
}

std::string CountdownReachedText(std::string_view title) { return std::string(title) + ": now"; }

std::string CountdownSpokenValue(std::string_view title, const CountdownFields& now, const CountdownFields& event) {
    const bool ahead = CountdownAhead(now, event);
    // Counted from the earlier moment to the later, every unit is positive.
    const std::string words =
        UnitWords(ahead ? ComputeRemainingTime(now, event) : ComputeRemainingTime(event, now));
    if (words.empty()) return CountdownReachedText(title);
    return std::string(title) + ": " + words + (ahead ? "" : " ago");
}

}  // namespace zentrova
