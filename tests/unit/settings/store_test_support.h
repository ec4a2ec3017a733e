#pragma once
// Shared set-up for the settings store tests: the key paths as the program
// must use them, a standard first-run context, and readers of raw values.

#include <cstdint>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "settings/memory_store.h"
#include "settings/overloaded.h"
#include "settings/settings_schema.h"
#include "settings/settings_store.h"
#include "settings/value_codec.h"

namespace zentrova::test {

inline const std::string kRootPath = "\\Software\\Zentrova";
inline const std::string kClockPath = "\\Software\\Zentrova\\Clock";
inline const std::string kCountdownPath = "\\Software\\Zentrova\\Countdown";
inline const std::string kCountTitlePath = "\\Software\\Zentrova\\Countdown\\CountTitle";
inline const std::string kCalendarPath = "\\Software\\Zentrova\\Calendar";
inline const std::string kGeneralPath = "\\Software\\Zentrova\\General";
inline std::string ClockPath(int number) { return kClockPath + std::to_string(number); }

// Gives `store` a Clock<number> key holding the first clock's values.
inline void CopyClockKey(MemoryStore& store, int number) {
    for (const std::string& name : store.ValueNames(kClockPath)) store.Put(ClockPath(number), name, *store.Get(kClockPath, name));
}

// "Count" and 3 -> "Count3".
inline std::string Numbered(const char* prefix, int number) {
    std::string text(prefix);
    text += std::to_string(number);
    return text;
}

inline FirstRunContext Context2026() { return {2026, {1024, 768}, {406, 346}, {}}; }

inline std::optional<std::int32_t> StoredDword(const MemoryStore& store, const std::string& path,
                                               const std::string& name) {
    auto value = store.Get(path, name);
    if (!value || value->type != ValueType::Dword || value->data.size() != 4) return std::nullopt;
    return DecodeDword(std::span<const std::uint8_t, 4>(value->data.data(), 4));
}

inline std::optional<double> StoredDouble(const MemoryStore& store, const std::string& path, const std::string& name) {
    auto value = store.Get(path, name);
    if (!value || value->type != ValueType::Binary || value->data.size() != 8) return std::nullopt;
    return DecodeDouble(std::span<const std::uint8_t, 8>(value->data.data(), 8));
}

inline std::optional<std::string> StoredString(const MemoryStore& store, const std::string& path,
                                               const std::string& name) {
    auto value = store.Get(path, name);
    // Written strings are whole UTF-16 units ending in one NUL unit.
    if (!value || value->type != ValueType::String || value->data.size() < 2 || value->data.size() % 2 != 0 ||
        value->data.end()[-1] != 0 || value->data.end()[-2] != 0)
        return std::nullopt;
    return DecodeString(value->data, value->data.size());
}

// The names written into one key, in the order of writing.
inline std::vector<std::string> WrittenNames(const MemoryStore& store, const std::string& path) {
    std::vector<std::string> names;
    for (const auto& op : store.Journal())
        if (op.kind == MemoryStore::Operation::Kind::Set && op.path == path) names.push_back(op.name);
    return names;
}

// A first start in 2026 over `store`: loading, then the first-run writes.
inline StoreError FirstStart(MemoryStore& store, Settings& settings) {
    Load(store, settings, Context2026());
    return WriteFirstRunDefaults(store, settings, Context2026());
}

// A store as a finished first run in 2026 leaves it.
inline MemoryStore FirstRunStore() {
    MemoryStore store;
    Settings settings;
    FirstStart(store, settings);
    MarkStarted(store, settings);
    store.ClearJournal();
    return store;
}

// A later run's store in which every value differs from its first-run value:
// three entries with the last one selected.
inline MemoryStore CustomStore() {
    MemoryStore store;
    store.PutDword(kRootPath, "Start_1", 1);
    const std::pair<const char*, int> clock[] = {
        {"ClockSize", 12}, {"ClockSkin", 4}, {"ClockTransparent", 10}, {"TimeIndex", 2}, {"DateIndex", 4},
        {"DateShow", 0},   {"ClockShow", 0}, {"ClockGo", 1},           {"ClockSky", 1},  {"ClockBorder", 0},
        {"ClockRectOval", 1}, {"ClockLeft", 700}, {"ClockTop", 600}};
    for (const auto& [name, value] : clock) store.PutDword(kClockPath, name, value);
    store.PutString(kClockPath, "ClockFont", "Arial");
    const std::pair<const char*, int> countdown[] = {
        {"CountSize", 15}, {"CountSkin", 3},  {"CountTransparent", 20}, {"CountShow", 0},  {"CountGo", 1},
        {"CountSky", 1},   {"CountBorder", 0}, {"CountRectOval", 1},    {"CountLeft", 650}, {"CountTop", 300}};
    for (const auto& [name, value] : countdown) store.PutDword(kCountdownPath, name, value);
    store.PutString(kCountdownPath, "CountFont", "Verdana");
    const char* titles[] = {"Exam", "Trip", "Party"};
    for (int i = 0; i < 3; ++i) {
        store.PutString(kCountTitlePath, Numbered("Count", i), titles[i]);
        store.PutDouble(kCountTitlePath, Numbered("CountDate", i), 46500.0 + 100 * i);
        store.PutDouble(kCountTitlePath, Numbered("CountTime", i), 0.25 * (i + 1));
    }
    store.PutDword(kCountTitlePath, "CountMax", 3);
    store.PutDword(kCountTitlePath, "CountIndex", 2);
    const std::pair<const char*, int> calendar[] = {
        {"CalendarSize", 9},  {"CalendarSkin", 4},     {"CalendarTransparent", 30}, {"CalendarTimeIndex", 3},
        {"CalendarDateIndex", 7}, {"CalendarShow", 0}, {"CalendarTimeShow", 1},     {"CalendarGo", 1},
        {"CalendarOval", 1},  {"CalendarBold", 0},     {"CalendarLeft", 5},         {"CalendarTop", 6}};
    for (const auto& [name, value] : calendar) store.PutDword(kCalendarPath, name, value);
    store.PutString(kCalendarPath, "CalendarFont", "Courier New");
    return store;
}

// What the user sees of the settings: every stored setting, the entries in
// use and the selected one, a line each.
inline std::vector<std::string> Shown(const Settings& settings) {
    std::vector<std::string> lines;
    for (const SettingEntry& entry : SettingsSchema()) {
        std::ostringstream line;
        line.precision(17);
        line << entry.name << "=";
        std::visit(Overloaded{[&](int Settings::*f) { line << settings.*f; },
                              [&](bool Settings::*f) { line << settings.*f; },
                              [&](const std::string Settings::*f) { line << settings.*f; },
                              [&](std::monostate) {
                                  for (int i = 0; i < settings.CountMax; ++i) {
                                      const CountEntry& e = settings.CountList.at(static_cast<std::size_t>(i));
                                      line << "[" << e.title << "|" << e.date << "|" << e.time << "]";
                                  }
                              }},
                   entry.field);
        lines.push_back(line.str());
    }
    return lines;
}

// Every value of the six keys, by key path and value name.
using StoreSnapshot = std::map<std::pair<std::string, std::string>, std::pair<ValueType, std::vector<std::uint8_t>>>;
inline StoreSnapshot Snapshot(const MemoryStore& store) {
    StoreSnapshot values;
    for (const std::string* path :
         {&kRootPath, &kClockPath, &kCountdownPath, &kCountTitlePath, &kCalendarPath, &kGeneralPath}) {
        for (const std::string& name : store.ValueNames(*path)) {
            const StoredValue value = *store.Get(*path, name);
            values[{*path, name}] = {value.type, value.data};
        }
    }
    return values;
}

// The options a store written before them lacks, as the next write of
// their keys stores them: as a first run stores them.
inline void AddOptionsAddedLater(StoreSnapshot& expected) {
    const StoreSnapshot firstRun = Snapshot(FirstRunStore());
    for (const SettingEntry& entry : SettingsSchema()) {
        const std::pair<std::string, std::string> where{GroupPath(entry.group), std::string(entry.name)};
        if (entry.addedLater) expected.try_emplace(where, firstRun.at(where));
    }
}

// The titles of the list, in order.
inline std::vector<std::string> Titles(const Settings& settings) {
    std::vector<std::string> titles;
    for (int i = 0; i < settings.CountMax; ++i) titles.push_back(settings.CountList.at(i).title);
    return titles;
}

// Loads `store` into fresh settings.
inline LoadResult LoadInto(MemoryStore& store, Settings& settings) { return Load(store, settings, Context2026()); }

}  // namespace zentrova::test
