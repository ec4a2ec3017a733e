#include "settings/value_io.h"

#include <cstdint>
#include <span>

#include "language/texts.h"
#include "settings/value_codec.h"

namespace zentrova {
namespace {

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
    TextId words;
};
constexpr OptionWords kOptionWords[] = {
    {"Start_1", TextId::OptionStarted},
    {"ClockSize", TextId::OptionClockSize},
    {"ClockSkin", TextId::OptionClockSkin},
    {"ClockTransparent", TextId::OptionClockTransparent},
    {"TimeIndex", TextId::OptionTimeIndex},
    {"DateIndex", TextId::OptionDateIndex},
    {"ClockFont", TextId::OptionClockFont},
    {"DateShow", TextId::OptionDateShow},
    {"ClockShow", TextId::OptionClockShow},
    {"ClockGo", TextId::OptionClockGo},
    {"ClockSky", TextId::OptionClockSky},
    {"ClockBorder", TextId::OptionClockBorder},
    {"ClockRectOval", TextId::OptionClockRectOval},
    {"ClockLeft", TextId::OptionClockPosition},
    {"ClockTop", TextId::OptionClockPosition},
    {"ClockZone", TextId::OptionClockZone},
    {"ClockZoneLabel", TextId::OptionClockZoneLabel},
    {"CountSize", TextId::OptionCountSize},
    {"CountSkin", TextId::OptionCountSkin},
    {"CountTransparent", TextId::OptionCountTransparent},
    {"CountFont", TextId::OptionCountFont},
    {"CountShow", TextId::OptionCountShow},
    {"CountGo", TextId::OptionCountGo},
    {"CountSky", TextId::OptionCountSky},
    {"CountBorder", TextId::OptionCountBorder},
    {"CountRectOval", TextId::OptionCountRectOval},
    {"CountLeft", TextId::OptionCountPosition},
    {"CountTop", TextId::OptionCountPosition},
    {"CountMax", TextId::OptionCountMax},
    {"CountIndex", TextId::OptionCountIndex},
    {"CalendarSize", TextId::OptionCalendarSize},
    {"CalendarSkin", TextId::OptionCalendarSkin},
    {"CalendarTransparent", TextId::OptionCalendarTransparent},
    {"CalendarTimeIndex", TextId::OptionCalendarTimeIndex},
    {"CalendarDateIndex", TextId::OptionCalendarDateIndex},
    {"CalendarFont", TextId::OptionCalendarFont},
    {"CalendarShow", TextId::OptionCalendarShow},
    {"CalendarTimeShow", TextId::OptionCalendarTimeShow},
    {"CalendarGo", TextId::OptionCalendarGo},
    {"CalendarOval", TextId::OptionCalendarOval},
    {"CalendarBold", TextId::OptionCalendarBold},
    {"CalendarLeft", TextId::OptionCalendarPosition},
    {"CalendarTop", TextId::OptionCalendarPosition},
    {"CalendarWeekStart", TextId::OptionCalendarWeekStart},
    {"CalendarWeekNumbers", TextId::OptionCalendarWeekNumbers},
    {"CalendarEvents", TextId::OptionCalendarEvents},
    {"HideFullScreen", TextId::OptionHideFullScreen},
};

std::string Words(const std::string& name) {
    for (const OptionWords& option : kOptionWords)
        if (name == option.name) return std::string(Tr(option.words));
    return std::string(Tr(TextId::OptionOther));
}

// The settings a key holds, by the key's last name.
std::string KeyWords(const std::string& path) {
    const std::string last = path.substr(path.rfind('\\') + 1);
    if (last == "Clock") return std::string(Tr(TextId::KeyClock));
    if (last == "Countdown") return std::string(Tr(TextId::KeyCountdown));
    if (last == "CountTitle") return std::string(Tr(TextId::KeyCountTitle));
    if (last == "Calendar") return std::string(Tr(TextId::KeyCalendar));
    if (last == "General") return std::string(Tr(TextId::KeyGeneral));
    return std::string(Tr(TextId::KeyOther));
}

}  // namespace

std::string UnreadOptionMessage(const std::string& name) { return Tr(TextId::UnreadOption, {Words(name), name}); }

std::string UnreadKeyMessage(const std::string& path) {
    return Tr(TextId::UnreadKey, {path.substr(path.find_first_not_of('\\')), KeyWords(path)});
}

std::string EventNotSavedMessage(const std::string& title) { return Tr(TextId::EventNotSaved, {title}); }
std::string EventNotDeletedMessage(const std::string& title) { return Tr(TextId::EventNotDeleted, {title}); }
std::string SelectionNotSavedMessage(const std::string& title) { return Tr(TextId::SelectionNotSaved, {title}); }
std::string ListNotSavedMessage() { return std::string(Tr(TextId::ListNotSaved)); }

std::string FailedToGetMessage(const std::string& name) { return Tr(TextId::FailedToGet, {name}); }
std::string InvalidTypeMessage(const std::string& name) { return Tr(TextId::InvalidType, {name}); }
std::string FailedToSetMessage(const std::string& name) { return Tr(TextId::FailedToSet, {name}); }

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
