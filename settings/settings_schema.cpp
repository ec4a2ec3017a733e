#include "settings/settings_schema.h"

#include <algorithm>

namespace zentrova {
namespace {

using S = Settings;
using G = SettingsGroup;
using K = ValueKind;
using W = DisplayWindowId;

constexpr IntRange kSizeSteps50{0, 50};
constexpr IntRange kSizeSteps20{0, 20};
constexpr IntRange kSkins{1, 15};
constexpr IntRange kTransparency{0, 50};
constexpr IntRange kListLength{1, kCountMaxEntries};
constexpr IntRange kWeekStarts{-1, 6};
constexpr IntRange kWeekNumberings{0, 2};
constexpr IntRange kStayModes{0, 2};
constexpr std::string_view kDefaultFont = kFirstRunFont;
// The "As in Windows" short time and short date of the clock's lists.
constexpr RegionalChoice kFirstRunTime{0, 4};
constexpr RegionalChoice kFirstRunDate{1, 13};

constexpr SettingEntry Integer(G group, std::string_view name, int S::*field, FirstRunValue firstRun,
                              std::optional<IntRange> range = std::nullopt) {
    return {group, name, K::Integer, field, firstRun, range};
}
constexpr SettingEntry Flag(G group, std::string_view name, bool S::*field, FirstRunValue firstRun) {
    return {group, name, K::Flag, field, firstRun, std::nullopt};
}
constexpr SettingEntry Text(G group, std::string_view name, std::string S::*field, FirstRunValue firstRun) {
    return {group, name, K::String, field, firstRun, std::nullopt};
}
// A row that stores written by earlier versions lack.
constexpr SettingEntry AddedLater(SettingEntry entry) {
    entry.addedLater = true;
    return entry;
}
constexpr SettingEntry Position(G group, std::string_view name, int S::*field, W window, Edge edge) {
    return Integer(group, name, field, ComputedPosition{window, edge});
}

constexpr std::array kSchema = {
    Integer(G::Root, "Start_1", &S::Start_1, 0),

    Integer(G::Clock, "ClockSize", &S::ClockSize, 6, kSizeSteps50),
    Integer(G::Clock, "ClockSkin", &S::ClockSkin, 9, kSkins),
    Integer(G::Clock, "ClockTransparent", &S::ClockTransparent, 0, kTransparency),
    Integer(G::Clock, "TimeIndex", &S::TimeIndex, kFirstRunTime),
    Integer(G::Clock, "DateIndex", &S::DateIndex, kFirstRunDate),
    Text(G::Clock, "ClockFont", &S::ClockFont, kDefaultFont),
    Flag(G::Clock, "DateShow", &S::DateShow, true),
    Flag(G::Clock, "ClockShow", &S::ClockShow, true),
    Flag(G::Clock, "ClockGo", &S::ClockGo, KeepLoaded{}),
    Flag(G::Clock, "ClockSky", &S::ClockSky, KeepLoaded{}),
    Flag(G::Clock, "ClockBorder", &S::ClockBorder, true),
    Flag(G::Clock, "ClockRectOval", &S::ClockRectOval, KeepLoaded{}),
    Position(G::Clock, "ClockLeft", &S::ClockLeft, W::Clock, Edge::Left),
    Position(G::Clock, "ClockTop", &S::ClockTop, W::Clock, Edge::Top),
    AddedLater(Text(G::Clock, "ClockZone", &S::ClockZone, "")),
    AddedLater(Text(G::Clock, "ClockZoneLabel", &S::ClockZoneLabel, "")),
    AddedLater(Integer(G::Clock, "ClockStay", &S::ClockStay, 0, kStayModes)),
    AddedLater(Flag(G::Clock, "ClockDifference", &S::ClockDifference, true)),
    AddedLater(Flag(G::Clock, "ClockNight", &S::ClockNight, false)),

    Integer(G::Countdown, "CountSize", &S::CountSize, 3, kSizeSteps20),
    Integer(G::Countdown, "CountSkin", &S::CountSkin, 9, kSkins),
    Integer(G::Countdown, "CountTransparent", &S::CountTransparent, 0, kTransparency),
    Text(G::Countdown, "CountFont", &S::CountFont, kDefaultFont),
    Flag(G::Countdown, "CountShow", &S::CountShow, true),
    Flag(G::Countdown, "CountGo", &S::CountGo, KeepLoaded{}),
    Flag(G::Countdown, "CountSky", &S::CountSky, KeepLoaded{}),
    Flag(G::Countdown, "CountBorder", &S::CountBorder, true),
    Flag(G::Countdown, "CountRectOval", &S::CountRectOval, KeepLoaded{}),
    Position(G::Countdown, "CountLeft", &S::CountLeft, W::Countdown, Edge::Left),
    Position(G::Countdown, "CountTop", &S::CountTop, W::Countdown, Edge::Top),
    AddedLater(Integer(G::Countdown, "CountStay", &S::CountStay, 0, kStayModes)),
    AddedLater(Flag(G::Countdown, "CountNotify", &S::CountNotify, true)),
    AddedLater(Flag(G::Countdown, "CountSound", &S::CountSound, true)),

    Integer(G::CountTitle, kCountMaxName, &S::CountMax, 2, kListLength),
    SettingEntry{G::CountTitle, "", K::CountList, std::monostate{}, SeededList{}, std::nullopt},
    Integer(G::CountTitle, kCountIndexName, &S::CountIndex, 0),  // held inside the list after loading

    Integer(G::Calendar, "CalendarSize", &S::CalendarSize, 5, kSizeSteps20),
    Integer(G::Calendar, "CalendarSkin", &S::CalendarSkin, 9, kSkins),
    Integer(G::Calendar, "CalendarTransparent", &S::CalendarTransparent, 0, kTransparency),
    Integer(G::Calendar, "CalendarTimeIndex", &S::CalendarTimeIndex, kFirstRunTime),
    Integer(G::Calendar, "CalendarDateIndex", &S::CalendarDateIndex, KeepLoaded{}),
    Text(G::Calendar, "CalendarFont", &S::CalendarFont, kDefaultFont),
    Flag(G::Calendar, "CalendarShow", &S::CalendarShow, true),
    Flag(G::Calendar, "CalendarTimeShow", &S::CalendarTimeShow, KeepLoaded{}),
    Flag(G::Calendar, "CalendarGo", &S::CalendarGo, KeepLoaded{}),
    Flag(G::Calendar, "CalendarOval", &S::CalendarOval, false),
    Flag(G::Calendar, "CalendarBold", &S::CalendarBold, true),
    Position(G::Calendar, "CalendarLeft", &S::CalendarLeft, W::Calendar, Edge::Left),
    Position(G::Calendar, "CalendarTop", &S::CalendarTop, W::Calendar, Edge::Top),
    AddedLater(Integer(G::Calendar, "CalendarWeekStart", &S::CalendarWeekStart, -1, kWeekStarts)),
    AddedLater(Integer(G::Calendar, "CalendarWeekNumbers", &S::CalendarWeekNumbers, 0, kWeekNumberings)),
    AddedLater(Flag(G::Calendar, "CalendarEvents", &S::CalendarEvents, true)),
    AddedLater(Integer(G::Calendar, "CalendarStay", &S::CalendarStay, 0, kStayModes)),

    AddedLater(Flag(G::General, "HideFullScreen", &S::HideFullScreen, true)),
    AddedLater(Text(G::General, "Language", &S::Language, "")),
};

// The rows of a key must be adjacent and the keys in load order.
constexpr bool GroupsFollowLoadOrder() {
    std::size_t group = 0;
    for (const SettingEntry& entry : kSchema) {
        while (group < kSettingsGroups.size() && kSettingsGroups[group] != entry.group) ++group;
        if (group == kSettingsGroups.size()) return false;
    }
    return true;
}
static_assert(GroupsFollowLoadOrder());
static_assert(kSchema.size() <= kMaxSettingRows, "Settings::PendingRepairs has a bit per row");

constexpr bool KindsMatchFields() {
    for (const SettingEntry& entry : kSchema) {
        bool matches = false;
        switch (entry.kind) {
            case K::Integer: matches = std::holds_alternative<int S::*>(entry.field); break;
            case K::Flag: matches = std::holds_alternative<bool S::*>(entry.field); break;
            case K::String: matches = std::holds_alternative<std::string S::*>(entry.field); break;
            case K::CountList: matches = std::holds_alternative<std::monostate>(entry.field); break;
        }
        if (!matches) return false;
    }
    return true;
}
static_assert(KindsMatchFields());

constexpr bool FirstRunValuesMatchKinds() {
    for (const SettingEntry& entry : kSchema) {
        const FirstRunValue& value = entry.firstRun;
        bool keeps = std::holds_alternative<KeepLoaded>(value);
        bool matches = false;
        switch (entry.kind) {
            case K::Integer:
                matches = keeps || std::holds_alternative<int>(value) || std::holds_alternative<ComputedPosition>(value) ||
                          std::holds_alternative<RegionalChoice>(value);
                break;
            case K::Flag: matches = keeps || std::holds_alternative<bool>(value); break;
            case K::String: matches = keeps || std::holds_alternative<std::string_view>(value); break;
            case K::CountList: matches = std::holds_alternative<SeededList>(value); break;
        }
        if (!matches) return false;
    }
    return true;
}
static_assert(FirstRunValuesMatchKinds());

constexpr bool EveryWindowHasBothEdges() {
    for (W window : {W::Clock, W::Countdown, W::Calendar}) {
        for (Edge edge : {Edge::Left, Edge::Top}) {
            int rows = 0;
            for (const SettingEntry& entry : kSchema) {
                const auto* position = std::get_if<ComputedPosition>(&entry.firstRun);
                if (position && position->window == window && position->edge == edge) ++rows;
            }
            if (rows != 1) return false;
        }
    }
    return true;
}
static_assert(EveryWindowHasBothEdges());

constexpr std::array kSeededList = {
    SeededEntry{TextId::StarterChristmas, 12, 25, 0},
    SeededEntry{TextId::StarterNewYear, 1, 1, 1},
};
static_assert(kSeededList.size() <= kCountMaxEntries);

}  // namespace

std::string GroupPath(SettingsGroup group) {
    switch (group) {
        case G::Root: return "\\Software\\Zentrova";
        case G::Clock: return "\\Software\\Zentrova\\Clock";
        case G::Countdown: return "\\Software\\Zentrova\\Countdown";
        case G::CountTitle: return "\\Software\\Zentrova\\Countdown\\CountTitle";
        case G::Calendar: return "\\Software\\Zentrova\\Calendar";
        case G::General: return "\\Software\\Zentrova\\General";
    }
    return {};
}

std::span<const SettingEntry> SettingsSchema() { return kSchema; }

std::span<const SettingEntry> GroupSchema(SettingsGroup group) {
    auto first = std::find_if(kSchema.begin(), kSchema.end(), [&](const SettingEntry& s) { return s.group == group; });
    auto last = std::find_if(first, kSchema.end(), [&](const SettingEntry& s) { return s.group != group; });
    return {first, last};
}

std::size_t SchemaIndex(const SettingEntry& entry) { return static_cast<std::size_t>(&entry - kSchema.data()); }

const SettingEntry& PositionEntry(DisplayWindowId window, Edge edge) {
    auto found = std::find_if(kSchema.begin(), kSchema.end(), [&](const SettingEntry& entry) {
        const auto* position = std::get_if<ComputedPosition>(&entry.firstRun);
        return position && position->window == window && position->edge == edge;
    });
    return *found;  // every window has both edges in the table
}

const SettingEntry* FindEntry(const SettingField& field) {
    auto found = std::find_if(kSchema.begin(), kSchema.end(), [&](const SettingEntry& entry) {
        return !std::holds_alternative<std::monostate>(field) && entry.field == field;
    });
    return found == kSchema.end() ? nullptr : &*found;
}

const SettingEntry& CountListRow() {
    auto found = std::find_if(kSchema.begin(), kSchema.end(),
                              [](const SettingEntry& entry) { return entry.kind == K::CountList; });
    return *found;  // the table has the list's row
}

std::string EntryTitleName(int index) { return "Count" + std::to_string(index); }
std::string EntryDateName(int index) { return "CountDate" + std::to_string(index); }
std::string EntryTimeName(int index) { return "CountTime" + std::to_string(index); }
std::string EntryYearlyName(int index) { return "CountYearly" + std::to_string(index); }
std::string EntryRepeatName(int index) { return "CountRepeat" + std::to_string(index); }

std::span<const SeededEntry> FirstRunCountList() { return kSeededList; }

}  // namespace zentrova
