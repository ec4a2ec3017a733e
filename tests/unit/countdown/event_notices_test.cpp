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

// Each notice shown, as "title: text", and " (silent)" when it plays no sound.
struct RecordingSink final : NoticeSink {
    std::vector<std::string> told;
    void ShowNotice(const EventNotice& notice, bool sound) override {
        told.push_back(notice.title + ": " + notice.text + (sound ? "" : " (silent)"));
    }
};

LocalTime At(int day, int hour, int minute = 0, int second = 0) { return {2026, 3, day, hour, minute, second, 0}; }

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
    const std::vector<std::string> is{"Standup: Standup is at 9:00 AM"};
    constexpr CountRepeat kNever = CountRepeat::Never;
    const Case cases[] = {
        {"arrives while running", At(9, 8, 0), kNever, true, {{At(10, 8, 59, 59), At(10, 9, 0), At(10, 9, 0, 1)}}, is},
        {"a restart in that minute", At(9, 8), kNever, true, {{At(10, 8, 59, 59), At(10, 9)}, {At(10, 9, 0, 30)}}, is},
        {"missed while off", At(10, 8, 0), kNever, true, {{At(10, 10)}}, {"Standup: Standup was at 9:00 AM"}},
        {"missed yesterday", At(10, 8), kNever, true, {{At(11, 8)}}, {"Standup: Standup was yesterday at 9:00 AM"}},
        {"more than a day ago", At(10, 8, 0), kNever, true, {{At(11, 9, 0)}}, {}},
        // A first start tells nothing from before it, and remembers it.
        {"first start after it", std::nullopt, kNever, true, {{At(10, 9, 30)}, {At(10, 9, 40)}}, {}},
        {"weekly, the next week", At(10, 9), CountRepeat::Week, true, {{At(17, 8, 59), At(17, 9), At(17, 9, 1)}}, is},
        // The clock put back an hour after the event: it is not told again.
        {"clock back over it", At(9, 8, 0), kNever, true, {{At(10, 9, 0), At(10, 8, 30), At(10, 9, 0)}}, is},
        // With notices off nothing shows, but the occurrence counts as told.
        {"notices off", At(9, 8, 0), kNever, false, {{At(10, 9, 0)}, {At(10, 9, 1)}}, {}},
    };
    const Locale locale = EnglishUnitedStates();
    for (const Case& c : cases) {
        MemoryStore store;
        store.PutDword(kCountdownPath, "CountSize", 3);
        if (c.noticed) store.PutDouble(kCountdownPath, kNoticedName, Moment(*c.noticed));
        Settings settings;
        settings.CountNotify = settings.CountSound = c.notify;
        // Every event is told, not only the one the countdown shows.
        settings.CountMax = 2;
        settings.CountList[0] = {"Lunch", EncodeDate(2026, 4, 1), EncodeTime(12, 0, 0), CountRepeat::Never};
        settings.CountList[1] = {"Standup", EncodeDate(2026, 3, 10), EncodeTime(9, 0, 0), c.repeat};
        RecordingSink sink;
        for (const auto& run : c.runs) {
            EventNotifier notifier(settings, store, sink, locale);
            for (const LocalTime& now : run) notifier.Check(now);
        }
        EXPECT_EQ(sink.told, c.told) << c.name;
        EXPECT_TRUE(store.Get(kCountdownPath, kNoticedName)) << c.name;
    }
    // A Countdown key that is missing stays missing: it loads as first-run
    // values, where a key holding the moment alone would load as damaged.
    MemoryStore bare;
    RecordingSink sink;
    EventNotifier(Settings{}, bare, sink, locale).Check(At(10, 9, 0));
    EXPECT_FALSE(bare.HasKey(kCountdownPath));
}

}  // namespace
}  // namespace zentrova
