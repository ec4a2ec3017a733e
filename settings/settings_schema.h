#pragma once
// Every stored setting once: its key, value name, kind, field in Settings,
// first-run value and the range it is held to after loading. The rows of a
// key follow one another in the order in which the key is read and written.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "language/text_id.h"

#include "settings/settings.h"

namespace zentrova {

enum class SettingsGroup { Root, Clock, Countdown, CountTitle, Calendar, General };

// The keys in the order in which Load reads them.
inline constexpr std::array kSettingsGroups = {SettingsGroup::Root, SettingsGroup::Clock, SettingsGroup::Countdown,
                                               SettingsGroup::CountTitle, SettingsGroup::Calendar,
                                               SettingsGroup::General};

// Absolute key path, e.g. "\Software\Zentrova\Clock".
std::string GroupPath(SettingsGroup group);

enum class ValueKind {
    Integer,    // REG_DWORD
    Flag,       // REG_DWORD 0 or 1
    String,     // REG_SZ
    CountList,  // the entries Count<i>, CountDate<i>, CountTime<i> of the list
};

using SettingField = std::variant<std::monostate, int Settings::*, bool Settings::*, std::string Settings::*>;

enum class DisplayWindowId { Clock, Countdown, Calendar };
enum class Edge { Left, Top };

// First-run values.
struct KeepLoaded {};  // the first run keeps what loading left (0 or false)
struct ComputedPosition {
    DisplayWindowId window;
    Edge edge;
};
struct SeededList {};  // the two entries of FirstRunCountList()
// A format index that follows the region: the first on English (United
// States), the second ("As in Windows") on any other region.
struct RegionalChoice {
    int unitedStates;
    int elsewhere;
};
using FirstRunValue =
    std::variant<KeepLoaded, int, bool, std::string_view, ComputedPosition, SeededList, RegionalChoice>;

struct IntRange {
    int min;
    int max;
};

struct SettingEntry {
    SettingsGroup group;
    std::string_view name;  // the registry value name; empty for the list
    ValueKind kind;
    SettingField field;
    FirstRunValue firstRun;
    std::optional<IntRange> loadRange;  // loaded values are clamped into it
    // Options added in later versions: a store written before them lacks
    // the value, which then loads its first-run value without a report.
    bool addedLater = false;
};

inline constexpr std::string_view kCountMaxName = "CountMax";
inline constexpr std::string_view kCountIndexName = "CountIndex";

// All rows, key by key in load order.
std::span<const SettingEntry> SettingsSchema();
// The rows of one key, in its order.
std::span<const SettingEntry> GroupSchema(SettingsGroup group);
// Position of a row within SettingsSchema().
std::size_t SchemaIndex(const SettingEntry& entry);
// The row of a window's stored left or top.
const SettingEntry& PositionEntry(DisplayWindowId window, Edge edge);
// The row of a field; nullptr for a field that is not stored.
const SettingEntry* FindEntry(const SettingField& field);

// The row of the countdown list's entries.
const SettingEntry& CountListRow();

// The three windows' first-run font; drawing falls back to it when a
// stored family is not installed.
inline constexpr std::string_view kFirstRunFont = "Tahoma";

// Value names of entry `index` of the countdown list: "Count0", "CountDate0", ...
std::string EntryTitleName(int index);
std::string EntryDateName(int index);
std::string EntryTimeName(int index);
// "CountYearly0", ...: stores written before yearly entries lack it, which
// reads as not yearly, without a report.
std::string EntryYearlyName(int index);
// "CountRepeat0", ...: how the entry comes round (CountRepeat). A store
// without it reads as CountYearly says; CountYearly is still written, so
// that a version that knows only yearly entries reads yearly ones alike.
std::string EntryRepeatName(int index);

// An entry of the first-run list: `title` in the language of the first
// start, at 0:00 on `day`.`month` of the current year plus `yearOffset`.
struct SeededEntry {
    TextId title;
    int month;
    int day;
    int yearOffset;
};
std::span<const SeededEntry> FirstRunCountList();

}  // namespace zentrova
