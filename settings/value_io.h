#pragma once
// Typed reads and writes of one value in an open key, with the messages the
// user sees when a value is missing, has the wrong form or cannot be written.
// Reads assign their output only when they succeed.

#include <cstddef>
#include <string>

#include "settings/key_value_store.h"
#include "settings/store_error.h"

namespace zentrova {

// Largest value data read at all; larger data counts as unreadable.
inline constexpr std::size_t kValueReadLimit = std::size_t{1} << 20;
// Longest string kept in memory; longer stored strings are cut here.
inline constexpr std::size_t kMaxStringLength = 4096;

std::string FailedToGetMessage(const std::string& name);
std::string InvalidTypeMessage(const std::string& name);
std::string FailedToSetMessage(const std::string& name);
// In plain words, for failures that lose nothing when handled: an option
// or a key that could not be read stays as stored, an event not yet stored
// is tried again, one not deleted stays in the list; the selection names
// the event selected.
std::string UnreadOptionMessage(const std::string& name);
std::string UnreadKeyMessage(const std::string& path);
std::string EventNotSavedMessage(const std::string& title);
std::string EventNotDeletedMessage(const std::string& title);
std::string SelectionNotSavedMessage(const std::string& title);
std::string ListNotSavedMessage();

// REG_DWORD of 4 bytes; missing is an error.
StoreError ReadInteger(StoreKey& key, const std::string& name, int& value);
// As an integer; any non-zero value is true.
StoreError ReadFlag(StoreKey& key, const std::string& name, bool& value);
// REG_SZ or REG_EXPAND_SZ (taken as it is, unexpanded); missing reads empty.
// `raw`, when given, receives the value as stored (type None when missing).
StoreError ReadString(StoreKey& key, const std::string& name, std::string& value, StoredValue* raw = nullptr);
// REG_BINARY of exactly 8 bytes; missing is an error.
StoreError ReadDateTime(StoreKey& key, const std::string& name, double& value);

StoreError WriteInteger(StoreKey& key, const std::string& name, int value);
StoreError WriteFlag(StoreKey& key, const std::string& name, bool value);  // 0 or 1
StoreError WriteString(StoreKey& key, const std::string& name, const std::string& value);
StoreError WriteDateTime(StoreKey& key, const std::string& name, double value);
// Writes a value with the type and bytes it was read with.
StoreError WriteStored(StoreKey& key, const std::string& name, const StoredValue& value);

}  // namespace zentrova
