#include "clock/zone_difference.h"
#include "language/texts.h"

#include <cmath>
#include <cstdlib>

namespace zentrova {
namespace {

constexpr char kMinus[] = "\u2212";
constexpr int kNightStart = 20;
constexpr int kNightEnd = 7;
// Zones differ by whole quarters of an hour; the two times may be read a
// moment apart, so the difference is rounded to the quarter.
constexpr long long kQuarter = 15 * 60;

long long SecondsOf(const LocalTime& t) {
    return DayNumber({t.year, t.month, t.day}) * 86400LL + t.hour * 3600LL + t.minute * 60LL + t.second;
}

std::string Signed(long long value) { return value < 0 ? kMinus : "+"; }

}  // namespace

std::string ZoneDifferenceText(const LocalTime& clock, const LocalTime& local) {
    const long long seconds = SecondsOf(clock) - SecondsOf(local);
    const long long quarters = std::llround(static_cast<double>(seconds) / kQuarter);
    const long long minutes = std::llabs(quarters) * 15;
    std::string hours = quarters == 0 ? "0" : Signed(quarters) + std::to_string(minutes / 60);
    if (minutes % 60 != 0) hours += ":" + std::to_string(minutes % 60);
    std::string text = Tr(TextId::ZoneHours, {hours});
    const long long days = DayNumber({clock.year, clock.month, clock.day}) - DayNumber({local.year, local.month, local.day});
    if (days != 0) text += ", " + TrCount(TextId::ZoneDays, days, Signed(days) + std::to_string(std::llabs(days)));
    return text;
}

bool IsNightHour(int hour) { return hour >= kNightStart || hour < kNightEnd; }

void DarkenForNight(std::vector<std::uint32_t>& pixels, Rgb& textColor) {
    // Five eighths of each channel: dark enough to tell at a glance, the
    // text still clear of the face.
    const auto darker = [](std::uint32_t channel) { return channel * 5 / 8; };
    for (std::uint32_t& pixel : pixels) {
        const std::uint32_t r = darker((pixel >> 16) & 0xFF);
        const std::uint32_t g = darker((pixel >> 8) & 0xFF);
        const std::uint32_t b = darker(pixel & 0xFF);
        pixel = (pixel & 0xFF000000u) | (r << 16) | (g << 8) | b;
    }
    textColor = {static_cast<std::uint8_t>(darker(textColor.r)), static_cast<std::uint8_t>(darker(textColor.g)),
                 static_cast<std::uint8_t>(darker(textColor.b))};
}

}  // namespace zentrova
