#pragma once
// A notice when an event of the countdown list arrives: every event of the
// list, each occurrence once, even across a restart, and one that arrived
// while the program was not running at the next start, if that was less
// than a day ago.
//
// What has been noticed is one moment, kept in the Countdown key as
// "CountNoticed": every occurrence at or before it has had its notice. It
// is written before the notices are shown, so a restart never shows one
// twice. It is never what makes the Countdown key.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "clock/locale.h"
#include "countdown/remaining_time.h"
#include "settings/key_value_store.h"
#include "settings/settings.h"

namespace zentrova {

inline constexpr char kNoticedName[] = "CountNoticed";
// How long an occurrence missed while the program was not running is still told.
inline constexpr long long kMissedNoticeSeconds = 24 * 60 * 60;

// An occurrence to be told: the entry's index, when it was, and whether it
// arrived before the program started.
struct DueEvent {
    int index = 0;
    CountdownFields at;
    bool missed = false;
    friend bool operator==(const DueEvent&, const DueEvent&) = default;
};

// The moment up to which everything counts as noticed: the stored one, or
// `now` when there is none (a first start tells nothing from before it) or
// when it lies more than a day ahead (the clock was put back further than
// daylight saving time ever does). All moments are WallSeconds.
long long NoticedBaseline(std::optional<long long> stored, long long now);

// The latest occurrence of each entry after `noticedUpTo` and at or before
// `now`, less than a day before `now`; in list order.
std::vector<DueEvent> DueEvents(std::span<const CountEntry> entries, long long noticedUpTo,
                                const CountdownFields& now, long long startedAt);

struct EventNotice {
    std::string title;
    std::string text;
    friend bool operator==(const EventNotice&, const EventNotice&) = default;
};

// "Christmas is at 09:00", "Christmas was at 09:00", "... was yesterday at 09:00".
EventNotice NoticeOf(const std::string& title, const DueEvent& due, const CountdownFields& now, const Locale& locale);

// Shows a notice; the platform's is the tray icon's notification.
class NoticeSink {
public:
    virtual ~NoticeSink() = default;
    virtual void ShowNotice(const EventNotice& notice, bool sound) = 0;
};

// Looks at the list once a second; the first look is the start.
class EventNotifier {
public:
    EventNotifier(const Settings& settings, KeyValueStore& store, NoticeSink& sink, const Locale& locale)
        : settings_(settings), store_(store), sink_(sink), locale_(locale) {}
    void Check(const LocalTime& now);

private:
    const Settings& settings_;
    KeyValueStore& store_;
    NoticeSink& sink_;
    const Locale& locale_;
    std::optional<long long> noticedUpTo_;  // read at the first look
    long long startedAt_ = 0;
};

}  // namespace zentrova
