#pragma once
// Shared set-up for the settings store tests: the key paths as the program
// must use them, a standard first-run context, and readers of raw values.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/memory_store.h"
#include "settings/settings_store.h"
#include "settings/value_codec.h"

namespace zentrova::test {

inline const std::string kRootPath = "\\Software\\Zentrova";
inline const std::string kClockPath = "\\Software\\Zentrova\\Clock";
inline const std::string kCountdownPath = "\\Software\\Zentrova\\Countdown";
inline const std::string kCountTitlePath = "\\Software\\Zentrova\\Countdown\\CountTitle";
inline const std::string kCalendarPath = "\\Software\\Zentrova\\Calendar";

// "Count" and 3 -> "Count3".
inline std::string Numbered(const char* prefix, int number) {
    std::string text(prefix);
    text += std::to_string(number);
    return text;
}

inline FirstRunContext Context2026() { return {2026, {1024, 768}, {406, 346}}; }

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
    if (!value || value->type != ValueType::String || value->data.empty() || value->data.back() != 0)
        return std::nullopt;
    return std::string(value->data.begin(), value->data.end() - 1);
}

// The names written into one key, in the order of writing.
inline std::vector<std::string> WrittenNames(const MemoryStore& store, const std::string& path) {
    std::vector<std::string> names;
    for (const auto& op : store.Journal())
        if (op.kind == MemoryStore::Operation::Kind::Set && op.path == path) names.push_back(op.name);
    return names;
}

// A store as a finished first run in 2026 leaves it.
inline MemoryStore FirstRunStore() {
    MemoryStore store;
    Settings settings;
    WriteFirstRunDefaults(store, settings, Context2026());
    MarkStarted(store, settings);
    store.ClearJournal();
    return store;
}

// Loads `store` into fresh settings.
inline LoadResult LoadInto(MemoryStore& store, Settings& settings) { return Load(store, settings, Context2026()); }

}  // namespace zentrova::test
