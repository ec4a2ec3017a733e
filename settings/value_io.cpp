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

}  // namespace

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
