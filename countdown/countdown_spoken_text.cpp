#include "countdown/countdown_spoken_text.h"
#include "language/texts.h"

#include <array>
#include <tuple>

namespace zentrova {
namespace {

struct Unit {
    int RemainingTime::*field;
    TextId words;
};

constexpr std::array<Unit, 6> kUnits{{
    {&RemainingTime::years, TextId::Years},
    {&RemainingTime::months, TextId::Months},
    {&RemainingTime::days, TextId::Days},
    {&RemainingTime::hours, TextId::Hours},
    {&RemainingTime::minutes, TextId::Minutes},
    {&RemainingTime::seconds, TextId::Seconds},
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
        words += TrCount(unit.words, count);
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

std::string CountdownReachedText(std::string_view title) { return Tr(TextId::CountdownNow, {title}); }

std::string CountdownSpokenValue(std::string_view title, const CountdownFields& now, const CountdownFields& event) {
    const bool ahead = CountdownAhead(now, event);
    // Counted from the earlier moment to the later, every unit is positive.
    const std::string words =
        UnitWords(ahead ? ComputeRemainingTime(now, event) : ComputeRemainingTime(event, now));
    if (words.empty()) return CountdownReachedText(title);
    return Tr(ahead ? TextId::CountdownLeft : TextId::CountdownAgo, {title, words});
}

}  // namespace zentrova
