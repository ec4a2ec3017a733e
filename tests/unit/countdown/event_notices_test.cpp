#include "countdown/event_notices.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "countdown/event_repeat.h"
#include "settings/date_time.h"
#include "settings/memory_store.h"

namespace zentrova {
namespace {

const std::string kCountdownPath = "\\Software\\Zentrova\\Countdown";

struct RecordingSink final : NoticeSink {
    struct Shown {
        EventNotice notice;
        bool sound;
        friend bool operator==(const Shown&, const Shown&) = default;
    };
    std::vector<Shown> shown;
    void ShowNotice(const EventNotice& notice, bool sound) override { shown.push_back({notice, sound}); }
};

LocalTime At(int day, int hour, int minute, int second = 0) { return {2026, 3, day, hour, minute, second, 0}; }

double Moment(const LocalTime& t) {
    return EncodeDate(t.year, t.month, t.day) + EncodeTime(t.hour, t.minute, t.second);
}

// One or two runs of the program over one store; each run starts at its
// first look, so a second run is a restart.
TEST(EventNotices, EachOccurrenceIsToldOnce) {
    struct Case {
        const char* name;
        std::optional<LocalTime> noticed;  // as a run before these left it
        CountRepeat repeat;
        bool notify;
        std::vector<std::vector<LocalTime>> runs;
        std::vector<std::string> told;
    };
    // The event: "Standup" at 09:00 on 10 March 2026.
    const Case cases[] = {
        {"arrives while running", At(9, 8, 0), CountRepeat::Never, true,
         {{At(10, 8, 59, 59), At(10, 9, 0), At(10, 9, 0, 1)}},
         {"Standup is at 9:00 AM"}},
        {"a restart in the same minute", At(9, 8, 0), CountRepeat::Never, true,
         {{At(10, 8, 59, 59), At(10, 9, 0)}, {At(10, 9, 0, 30)}},
         {"Standup is at 9:00 AM"}},
        {"missed while off", At(10, 8, 0), CountRepeat::Never, true, {{At(10, 10, 0)}}, {"Standup was at 9:00 AM"}},
        {"missed yesterday", At(10, 8, 0), CountRepeat::Never, true, {{At(11, 8, 0)}},
         {"Standup was yesterday at 9:00 AM"}},
        {"more than a day ago", At(10, 8, 0), CountRepeat::Never, true, {{At(11, 9, 0)}}, {}},
        // A first start tells nothing from before it, and remembers it.
        {"first start after it", std::nullopt, CountRepeat::Never, true, {{At(10, 9, 30)}, {At(10, 9, 40)}}, {}},
        {"weekly, the next week", At(10, 9, 0), CountRepeat::Week, true, {{At(17, 8, 59), At(17, 9, 0), At(17, 9, 1)}},
         {"Standup is at 9:00 AM"}},
        // The clock put back an hour after the event: it is not told again.
        {"clock back over it", At(9, 8, 0), CountRepeat::Never, true, {{At(10, 9, 0), At(10, 8, 30), At(10, 9, 0)}},
         {"Standup is at 9:00 AM"}},
        // With notices off nothing shows, but the occurrence counts as told.
        {"notices off", At(9, 8, 0), CountRepeat::Never, false, {{At(10, 9, 0)}, {At(10, 9, 1)}}, {}},
    };
    for (const Case& c : cases) {
        MemoryStore store;
        store.PutDword(kCountdownPath, "CountSize", 3);
        if (c.noticed) store.PutDouble(kCountdownPath, kNoticedName, Moment(*c.noticed));
        Settings settings;
        settings.CountNotify = c.notify;
        settings.CountSound = c.notify;
        // Every event is told, not only the one the countdown shows.
        settings.CountMax = 2;
        settings.CountList[0] = {"Lunch", EncodeDate(2026, 4, 1), EncodeTime(12, 0, 0), CountRepeat::Never};
        settings.CountList[1] = {"Standup", EncodeDate(2026, 3, 10), EncodeTime(9, 0, 0), c.repeat};
        RecordingSink sink;
        const Locale locale = EnglishUnitedStates();
        for (const auto& run : c.runs) {
            EventNotifier notifier(settings, store, sink, locale);
            for (const LocalTime& now : run) notifier.Check(now);
        }
        std::vector<std::string> told;
        for (const auto& shown : sink.shown) {
            EXPECT_EQ(shown.notice.title, "Standup") << c.name;
            EXPECT_TRUE(shown.sound) << c.name;
            told.push_back(shown.notice.text);
        }
        EXPECT_EQ(told, c.told) << c.name;
        EXPECT_TRUE(store.Get(kCountdownPath, kNoticedName)) << c.name;
    }
    // A Countdown key that is missing stays missing: it loads as first-run
    // values, where a key holding the moment alone would load as damaged.
    MemoryStore bare;
    RecordingSink sink;
    Settings settings;
    EventNotifier(settings, bare, sink, EnglishUnitedStates()).Check(At(10, 9, 0));
    EXPECT_FALSE(bare.HasKey(kCountdownPath));
}

}  // namespace
}  // namespace zentrova
