#include "countdown/event_notices.h"

#include <algorithm>
#include <cmath>

#include "app/program_names.h"
#include "clock/date_time_format.h"
#include "countdown/event_repeat.h"
#include "settings/settings_schema.h"
#include "settings/value_io.h"
#include "language/texts.h"

namespace zentrova {
namespace {

constexpr double kSecondsPerDay = 24.0 * 60 * 60;

std::optional<long long> ReadNoticed(KeyValueStore& store) {
    auto key = store.OpenExisting(GroupPath(SettingsGroup::Countdown));
    double stored = 0;
    // A damaged moment is taken for none: it only decides what is told.
    if (!key || ReadDateTime(*key, kNoticedName, stored) || !std::isfinite(stored)) return std::nullopt;
    return std::llround(stored * kSecondsPerDay);
}

// Written only into a Countdown key that exists: a key missing at start-up
// loads as its first-run values, and one holding this value alone would
// load as damaged.
bool WriteNoticed(KeyValueStore& store, long long moment) {
    if (!store.OpenExisting(GroupPath(SettingsGroup::Countdown))) return false;
    auto key = store.Create(GroupPath(SettingsGroup::Countdown));
    return key && !WriteDateTime(*key, kNoticedName, static_cast<double>(moment) / kSecondsPerDay);
}

// The locale's time without its seconds: "h:mm:ss tt" gives "h:mm tt".
std::string ShortTimePicture(std::string picture) {
    const std::size_t seconds = picture.find('s');
    if (seconds == std::string::npos) return picture;
    std::size_t from = seconds;
    while (from > 0 && !std::isalpha(static_cast<unsigned char>(picture[from - 1]))) --from;
    std::size_t to = seconds;
    while (to < picture.size() && picture[to] == 's') ++to;
    return picture.erase(from, to - from);
}

}  // namespace

long long NoticedBaseline(std::optional<long long> stored, long long now) {
    if (!stored || *stored > now + kMissedNoticeSeconds) return now;
    return *stored;
}

std::vector<DueEvent> DueEvents(std::span<const CountEntry> entries, long long noticedUpTo,
                                const CountdownFields& now, long long startedAt) {
    std::vector<DueEvent> due;
    const long long current = WallSeconds(now);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CountEntry& entry = entries[i];
        const auto latest = LatestOccurrence(DecodeTarget(entry.date, entry.time), entry.repeat, now);
        if (!latest) continue;
        const long long at = WallSeconds(*latest);
        if (at <= noticedUpTo || current - at >= kMissedNoticeSeconds) continue;
        due.push_back({static_cast<int>(i), *latest, at < startedAt});
    }
    return due;
}

EventNotice NoticeOf(const std::string& title, const DueEvent& due, const CountdownFields& now, const Locale& locale) {
    const std::string name = title.empty() ? std::string(kApplicationTitle) : title;
    const LocalTime at{due.at.year, due.at.month, due.at.day, due.at.hour, due.at.minute, due.at.second, 0};
    const std::string time = FormatWindowsPicture(ShortTimePicture(locale.longTimePicture), at, locale);
    if (!due.missed) return {name, Tr(TextId::NoticeAt, {name, time})};
    const bool today = due.at.year == now.year && due.at.month == now.month && due.at.day == now.day;
    return {name, Tr(today ? TextId::NoticeWasAt : TextId::NoticeWasYesterdayAt, {name, time})};
}

void EventNotifier::Check(const LocalTime& time) {
    const CountdownFields now = NowFields(time);
    const long long current = WallSeconds(now);
    if (!noticedUpTo_) {
        startedAt_ = current;
        const std::optional<long long> stored = ReadNoticed(store_);
        noticedUpTo_ = NoticedBaseline(stored, current);
        // From the first start on, what arrives while the program is not
        // running is measured from here.
        if (!stored) WriteNoticed(store_, *noticedUpTo_);
    }
    const int used = std::clamp(settings_.CountMax, 0, kCountMaxEntries);
    const std::vector<DueEvent> due =
        DueEvents(std::span(settings_.CountList).first(static_cast<std::size_t>(used)), *noticedUpTo_, now, startedAt_);
    // Kept, never moved back: when the clock goes back an hour the hour's
    // occurrences have been told already.
    noticedUpTo_ = std::max(*noticedUpTo_, current);
    if (due.empty()) return;
    // Written before anything is shown: a restart then never tells it again.
    WriteNoticed(store_, *noticedUpTo_);
    if (!settings_.CountNotify) return;
    for (const DueEvent& event : due) {
        const std::string& title = settings_.CountList[static_cast<std::size_t>(event.index)].title;
        sink_.ShowNotice(NoticeOf(title, event, now, locale_), settings_.CountSound);
    }
}

}  // namespace zentrova
