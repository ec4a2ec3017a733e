#pragma once
// The program's options, its countdown list and the selected title: one
// process-wide instance, owned by the application and handed to every window.
// Each field carries the name of its registry value.

#include <array>
#include <bitset>
#include <cstddef>
#include <list>
#include <optional>
#include <string>
#include <vector>

#include "settings/key_value_store.h"

namespace zentrova {

constexpr int kCountSlots = 11;      // room in CountList
constexpr int kCountMaxEntries = 10; // entries the list may hold
constexpr std::size_t kMaxSettingRows = 64;  // room for the rows of the settings table
constexpr int kMaxClocks = 8;        // the first clock and up to seven more

// How an event comes round, as stored in CountRepeat<i>.
enum class CountRepeat { Never = 0, Week = 1, Month = 2, Year = 3 };
constexpr int kCountRepeatLast = static_cast<int>(CountRepeat::Year);

struct CountEntry {
    std::string title;
    double date = 0;  // whole day number
    double time = 0;  // fraction of a day
    CountRepeat repeat = CountRepeat::Never;  // once passed, counts to the next occurrence
    // In memory only: the slot whose values store this entry, or -1 while
    // the store holds it nowhere (an entry whose write has not succeeded).
    int slot = -1;
    // In memory only: shown in place of a list that could not be read;
    // never stored.
    bool fallback = false;
    // In memory only: the user was told that this entry is not stored yet.
    bool failureTold = false;
    // The same event, wherever it is stored.
    friend bool operator==(const CountEntry& a, const CountEntry& b) {
        return a.title == b.title && a.date == b.date && a.time == b.time && a.repeat == b.repeat;
    }
};

struct ExtraClock;

struct Settings {
    int Start_1 = 0;

    // Clock
    int ClockSize = 0;
    int ClockSkin = 0;
    int ClockTransparent = 0;
    int TimeIndex = 0;
    int DateIndex = 0;
    std::string ClockFont;
    bool DateShow = false;
    bool ClockShow = false;
    bool ClockGo = false;
    bool ClockSky = false;
    bool ClockBorder = false;
    bool ClockRectOval = false;
    int ClockLeft = 0;
    int ClockTop = 0;
    std::string ClockZone;       // a Time Zones key name; empty for local time
    std::string ClockZoneLabel;  // shown before the time when not empty
    int ClockStay = 0;  // 0 on top, 1 among windows, 2 on the desktop
    bool ClockDifference = false;  // a zone's difference to local time after the label
    bool ClockNight = false;       // the face darker from 20:00 to 07:00 in the clock's zone

    // Countdown
    int CountSize = 0;
    int CountSkin = 0;
    int CountTransparent = 0;
    std::string CountFont;
    bool CountShow = false;
    bool CountGo = false;
    bool CountSky = false;
    bool CountBorder = false;
    bool CountRectOval = false;
    int CountLeft = 0;
    int CountTop = 0;
    int CountStay = 0;  // as ClockStay
    bool CountNotify = false;  // a notification when an event arrives
    bool CountSound = false;   // ... with the system's sound

    // Countdown list
    int CountMax = 0;
    std::array<CountEntry, kCountSlots> CountList;
    int CountIndex = 0;

    // Calendar
    int CalendarSize = 0;
    int CalendarSkin = 0;
    int CalendarTransparent = 0;
    int CalendarTimeIndex = 0;
    int CalendarDateIndex = 0;
    std::string CalendarFont;
    bool CalendarShow = false;
    bool CalendarTimeShow = false;
    bool CalendarGo = false;
    bool CalendarOval = false;
    bool CalendarBold = false;
    int CalendarLeft = 0;
    int CalendarTop = 0;
    // -1 as in Windows, 0 = Monday .. 6 = Sunday; as in Windows until loaded,
    // since 0 here is a real choice.
    int CalendarWeekStart = -1;
    int CalendarWeekNumbers = 0;  // 0 off, 1 ISO 8601, 2 as in Windows
    bool CalendarEvents = false;  // countdown events marked on their days
    int CalendarStay = 0;  // as ClockStay

    // General
    bool HideFullScreen = false;  // display windows step aside for full-screen programs
    // The language the program speaks, as a tag ("de-DE"); empty: as in Windows.
    std::string Language;

    // The clocks after the first, by rising number, each in its own key.
    // A list, so that a clock's values stay where its window points while
    // others come and go.
    std::list<ExtraClock> ExtraClocks;

    // In memory only: the title of the selected entry as the countdown draws it.
    std::string CountText;

    // In memory only: the rows of the settings table (by position) whose
    // stored form does not hold what memory shows: missing or unreadable at
    // loading, where memory holds their first-run values, or not written by
    // the first run. The countdown list's row stands for its entries. The
    // next write of their key writes them too, which repairs the store.
    std::bitset<kMaxSettingRows> PendingRepairs;
    // In memory only: rows a Save could not write; the next write of their
    // key writes what memory holds.
    std::bitset<kMaxSettingRows> PendingWrites;
    // In memory only: rows whose last write failed and was reported, so
    // that retries failing again add no further box.
    std::bitset<kMaxSettingRows> ReportedFailures;
    // In memory only: the count the stored list is loaded by, its readable
    // CountMax; 0 while it is loaded by a slot order or by looking at every
    // slot. The list is in step when this equals CountMax and every entry
    // lies in the slot of its index.
    int StoredListCount = 0;
    // In memory only: entries the user deleted that the store may still
    // hold; every write of the list leaves them out until it is in step.
    std::vector<CountEntry> PendingDeletes;
    // In memory only: the year whose 1 January an entry date that cannot be
    // read shows.
    int FallbackYear = 0;
    // In memory only: rows whose stored value could not be read (their key
    // could not be opened, or the read itself failed, while the value may
    // well be there). They show their fallbacks, and no write stores them
    // unless the user changes them.
    std::bitset<kMaxSettingRows> Unread;
    // In memory only: each row's value in its stored form as this copy last
    // read or wrote it; for an unread row, the form of the fallback shown;
    // nothing while the store lacks it. Memory that differs from it is the
    // user's change, and a string the user has not changed is written back
    // byte for byte.
    std::array<std::optional<StoredValue>, kMaxSettingRows> BaseForms;

    // The selected entry, or the first slot when CountIndex lies outside the
    // list, so that no caller can index outside CountList.
    const CountEntry& SelectedEntry() const;
};

// Clock `number` (2 to kMaxClocks) beyond the first. Its values are the
// Clock fields of a Settings of its own, so that every row of the Clock key
// reads, writes and repairs for it as for the first clock; its other fields
// are unused.
struct ExtraClock {
    int number = 0;
    Settings values;
};

}  // namespace zentrova
