#include "settings/value_io.h"

#include <cstdint>
#include <span>

#include "settings/value_codec.h"

namespace zentrova {
namespace {

std::string Quoted(const char* prefix, const std::string& name) {
    return std::string(prefix) + " '" + name + "'";
}

// Reads a value that must exist; a missing or unreadable one is reported.
StoreError QueryRequired(StoreKey& key, const std::string& name, StoredValue& value) {
    if (key.Query(name, value, kValueReadLimit) != QueryResult::Found) return FailedToGetMessage(name);
    return std::nullopt;
}

StoreError Set(StoreKey& key, const std::string& name, ValueType type, std::span<const std::uint8_t> data) {
    if (!key.Set(name, type, data)) return FailedToSetMessage(name);
    return std::nullopt;
}

// How the user knows each option, after the settings window's labels.
struct OptionWords {
    const char* name;
    const char* words;
};
constexpr OptionWords kOptionWords[] = {
    {"Start_1", "whether Zentrova has started before"},
    {"ClockSize", "the clock's size"}, {"ClockSkin", "the clock's skin"},
    {"ClockTransparent", "the clock's transparency"}, {"TimeIndex", "the clock's time format"},
    {"DateIndex", "the clock's date format"}, {"ClockFont", "the clock's font"},
    {"DateShow", "whether the clock shows the date"}, {"ClockShow", "whether the clock is shown"},
    {"ClockGo", "whether the clock wanders"}, {"ClockSky", "the clock's tower layout"},
    {"ClockBorder", "whether the clock's text is bold"}, {"ClockRectOval", "whether the clock is oval"},
    {"ClockLeft", "the clock's position"}, {"ClockTop", "the clock's position"},
    {"ClockZone", "the clock's time zone"}, {"ClockZoneLabel", "the clock's label"},
    {"CountSize", "the countdown's size"}, {"CountSkin", "the countdown's skin"},
    {"CountTransparent", "the countdown's transparency"}, {"CountFont", "the countdown's font"},
    {"CountShow", "whether the countdown is shown"}, {"CountGo", "whether the countdown wanders"},
    {"CountSky", "the countdown's tower layout"}, {"CountBorder", "whether the countdown's text is bold"},
    {"CountRectOval", "whether the countdown is oval"}, {"CountLeft", "the countdown's position"},
    {"CountTop", "the countdown's position"}, {"CountMax", "the number of countdown events"},
    {"CountIndex", "the selected countdown event"},
    {"CalendarSize", "the calendar's size"}, {"CalendarSkin", "the calendar's skin"},
    {"CalendarTransparent", "the calendar's transparency"}, {"CalendarTimeIndex", "the calendar's time format"},
    {"CalendarDateIndex", "the calendar's date format"}, {"CalendarFont", "the calendar's font"},
    {"CalendarShow", "whether the calendar is shown"}, {"CalendarTimeShow", "whether the calendar shows the time"},
    {"CalendarGo", "whether the calendar wanders"}, {"CalendarOval", "whether the calendar is oval"},
    {"CalendarBold", "whether the calendar's text is bold"}, {"CalendarLeft", "the calendar's position"},
    {"CalendarTop", "the calendar's position"}, {"CalendarWeekStart", "the calendar's first day of the week"},
    {"CalendarWeekNumbers", "the calendar's week numbers"}, {"CalendarEvents", "whether the calendar marks events"},
    {"HideFullScreen", "whether the gadgets hide over full-screen programs"},
};

std::string Words(const std::string& name) {
    for (const OptionWords& option : kOptionWords)
        if (name == option.name) return option.words;
    return "a setting";
}

// The settings a key holds, by the key's last name.
std::string KeyWords(const std::string& path) {
    const std::string last = path.substr(path.rfind('\\') + 1);
    if (last == "Clock") return "the clock's settings";
    if (last == "Countdown") return "the countdown's settings";
    if (last == "CountTitle") return "the countdown events";
    if (last == "Calendar") return "the calendar's settings";
    if (last == "General") return "the general settings";
    return "Zentrova's settings";
}

}  // namespace

std::string UnreadOptionMessage(const std::string& name) {
    return "Zentrova could not read " + Words(name) + " ('" + name +
           "'); it shows its first value for now, and what is stored stays as it is.";
}

std::string UnreadKeyMessage(const std::string& path) {
    return "Zentrova could not open the key '" + path.substr(path.find_first_not_of('\\')) + "', so " +
           KeyWords(path) + " show their first values for now; what is stored stays as it is.";
}

std::string EventNotSavedMessage(const std::string& title) {
    return "The event '" + title + "' could not be saved yet; Zentrova will try again.";
}

std::string EventNotDeletedMessage(const std::string& title) {
    return "The event '" + title + "' was not deleted yet; Zentrova will try again.";
}

std::string SelectionNotSavedMessage() {
    return "The selected countdown event could not be saved yet; Zentrova will try again.";
}

std::string ListNotSavedMessage() {
    return "The countdown list could not be saved completely; Zentrova will try again.";
}

std::string FailedToGetMessage(const std::string& name) { return Quoted("Failed to get data for", name); }
std::string InvalidTypeMessage(const std::string& name) { return Quoted("Invalid data type for", name); }
std::string FailedToSetMessage(const std::string& name) { return Quoted("Failed to set data for", name); }

StoreError ReadInteger(StoreKey& key, const std::string& name, int& value) {
    StoredValue stored;
    if (auto error = QueryRequired(key, name, stored)) return error;
    if (stored.type != ValueType::Dword || stored.data.size() != 4) return InvalidTypeMessage(name);
    value = DecodeDword(std::span<const std::uint8_t, 4>(stored.data.data(), 4));
    return std::nullopt;
}

StoreError ReadFlag(StoreKey& key, const std::string& name, bool& value) {
    int raw = 0;
    if (auto error = ReadInteger(key, name, raw)) return error;
    value = raw != 0;
    return std::nullopt;
}

StoreError ReadString(StoreKey& key, const std::string& name, std::string& value, StoredValue* raw) {
    StoredValue stored;
    switch (key.Query(name, stored, kValueReadLimit)) {
        case QueryResult::Missing:
            value.clear();
            if (raw) *raw = StoredValue{};
            return std::nullopt;
        case QueryResult::Failed: return FailedToGetMessage(name);
        case QueryResult::Found: break;
    }
    if (stored.type != ValueType::String && stored.type != ValueType::ExpandString) return InvalidTypeMessage(name);
    value = DecodeString(stored.data, kMaxStringLength);
    if (raw) *raw = std::move(stored);
    return std::nullopt;
}

StoreError ReadDateTime(StoreKey& key, const std::string& name, double& value) {
    StoredValue stored;
    if (auto error = QueryRequired(key, name, stored)) return error;
    if (stored.type != ValueType::Binary || stored.data.size() != 8) return InvalidTypeMessage(name);
    value = DecodeDouble(std::span<const std::uint8_t, 8>(stored.data.data(), 8));
    return std::nullopt;
}

StoreError WriteInteger(StoreKey& key, const std::string& name, int value) {
    return Set(key, name, ValueType::Dword, EncodeDword(value));
}

StoreError WriteFlag(StoreKey& key, const std::string& name, bool value) {
    return WriteInteger(key, name, value ? 1 : 0);
}

StoreError WriteString(StoreKey& key, const std::string& name, const std::string& value) {
    return Set(key, name, ValueType::String, EncodeString(value));
}

StoreError WriteDateTime(StoreKey& key, const std::string& name, double value) {
    return Set(key, name, ValueType::Binary, EncodeDouble(value));
}

StoreError WriteStored(StoreKey& key, const std::string& name, const StoredValue& value) {
    return Set(key, name, value.type, value.data);
}

}  // namespace zentrova
