#include "clock/time_zone.h"

namespace zentrova {
namespace {

constexpr long long kSecondsPerDay = 86400;
constexpr int kLastWeek = 5;
constexpr std::size_t kRuleRecordSize = 44;

long long Seconds(int year, int month, int day, int hour, int minute, int second) {
    return DayNumber({year, month, day}) * kSecondsPerDay + hour * 3600LL + minute * 60LL + second;
}

LocalTime FromSeconds(long long seconds, int millisecond) {
    long long days = seconds / kSecondsPerDay;
    long long rest = seconds % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    const CivilDate date = DecodeDate(static_cast<double>(days));
    const int time = static_cast<int>(rest);
    return {date.year, date.month, date.day, time / 3600, time / 60 % 60, time % 60, millisecond};
}

std::int32_t Long(std::span<const std::uint8_t> bytes, std::size_t at) {
    const std::uint32_t value = bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                static_cast<std::uint32_t>(bytes[at + 3]) << 24;
    return static_cast<std::int32_t>(value);
}

int Word(std::span<const std::uint8_t> bytes, std::size_t at) { return bytes[at] | bytes[at + 1] << 8; }

ZoneTransition Transition(std::span<const std::uint8_t> bytes, std::size_t at) {
    return {Word(bytes, at), Word(bytes, at + 2), Word(bytes, at + 4), Word(bytes, at + 6),
            Word(bytes, at + 8), Word(bytes, at + 10), Word(bytes, at + 12)};
}

bool HasDaylightTime(const ZoneRule& rule) { return rule.standardDate.month != 0 && rule.daylightDate.month != 0; }

// The universal second at which `change` happens in `year`, its time being
// local time under the bias in force before it.
std::optional<long long> ChangeAt(const ZoneTransition& change, int year, int biasBefore) {
    const int day = TransitionDay(change, year);
    if (day == 0) return std::nullopt;
    return Seconds(year, change.month, day, change.hour, change.minute, change.second) + biasBefore * 60LL;
}

}  // namespace

std::optional<ZoneRule> ParseZoneRule(std::span<const std::uint8_t> record) {
    if (record.size() != kRuleRecordSize) return std::nullopt;
    return ZoneRule{Long(record, 0), Long(record, 4), Long(record, 8), Transition(record, 12), Transition(record, 28)};
}

const ZoneRule& RuleForYear(const TimeZoneRules& zone, int year) {
    if (zone.yearRules.empty()) return zone.rule;
    if (year <= zone.firstYear) return zone.yearRules.front();
    const auto index = static_cast<std::size_t>(year - zone.firstYear);
    return index < zone.yearRules.size() ? zone.yearRules[index] : zone.yearRules.back();
}

int TransitionDay(const ZoneTransition& change, int year) {
    const int length = DaysInMonth(year, change.month);
    if (length == 0) return 0;
    if (change.year != 0) return change.day >= 1 && change.day <= length ? change.day : 0;
    if (change.day < 1 || change.day > kLastWeek || change.dayOfWeek < 0 || change.dayOfWeek > 6) return 0;
    // WeekdayOf counts from 1 = Sunday, the rule from 0 = Sunday.
    const int first = 1 + (change.dayOfWeek + 1 - WeekdayOf(year, change.month, 1) + 7) % 7;
    int day = first + (change.day - 1) * 7;
    while (day > length) day -= 7;  // "the fifth" means the last
    return day;
}

LocalTime ZoneTimeFromUtc(const LocalTime& utc, const TimeZoneRules& zone) {
    const long long universal = Seconds(utc.year, utc.month, utc.day, utc.hour, utc.minute, utc.second);
    const int standardYear = FromSeconds(universal - (zone.rule.bias + zone.rule.standardBias) * 60LL, 0).year;
    const ZoneRule& rule = RuleForYear(zone, standardYear);
    const int standard = rule.bias + rule.standardBias;
    const int daylight = rule.bias + rule.daylightBias;

    bool inDaylight = false;
    if (HasDaylightTime(rule)) {
        const std::optional<long long> start = ChangeAt(rule.daylightDate, standardYear, standard);
        const std::optional<long long> end = ChangeAt(rule.standardDate, standardYear, daylight);
        if (start && end) {
            // South of the equator daylight time spans the turn of the year.
            inDaylight = *start < *end ? universal >= *start && universal < *end
                                       : universal >= *start || universal < *end;
        }
    }
    return FromSeconds(universal - (inDaylight ? daylight : standard) * 60LL, utc.millisecond);
}

}  // namespace zentrova
