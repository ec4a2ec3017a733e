#pragma once
// A hierarchical key/value store with typed values, in the store's own terms.
// The registry (under HKEY_CURRENT_USER) implements it on Windows; an
// in-memory store implements it for tests.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace zentrova {

// The registry's own type numbers, so stored data keeps its meaning.
enum class ValueType : std::uint32_t {
    None = 0,
    String = 1,        // REG_SZ
    ExpandString = 2,  // REG_EXPAND_SZ
    Binary = 3,        // REG_BINARY
    Dword = 4,         // REG_DWORD
};

struct StoredValue {
    ValueType type = ValueType::None;
    std::vector<std::uint8_t> data;
};

enum class QueryResult { Found, Missing, Failed };

class StoreKey;

// Opening a key for reading: only Missing means the key is not there; Failed
// (access denied, a profile not yet loaded, a passing fault) says nothing
// about what it holds.
struct OpenedKey {
    QueryResult result = QueryResult::Missing;  // Found when `key` is open
    std::unique_ptr<StoreKey> key;
};

// An open key; closed when destroyed (or by Close).
class StoreKey {
public:
    virtual ~StoreKey() = default;
    // Reads at most `maxBytes` of the value's data; a longer value is
    // reported as Failed rather than read in part.
    virtual QueryResult Query(const std::string& name, StoredValue& value, std::size_t maxBytes) = 0;
    virtual bool Set(const std::string& name, ValueType type, std::span<const std::uint8_t> data) = 0;
    virtual bool Delete(const std::string& name) = 0;
    virtual void Close() = 0;
};

class KeyValueStore {
public:
    virtual ~KeyValueStore() = default;
    // Opens an existing key for reading only (its Set and Delete fail).
    virtual OpenedKey Open(const std::string& path) = 0;
    // The same, for callers to whom a key that cannot be opened is as good
    // as missing; nothing then.
    std::unique_ptr<StoreKey> OpenExisting(const std::string& path) { return Open(path).key; }
    // Opens a key for writing, creating it and its parents when missing;
    // nothing when that fails.
    virtual std::unique_ptr<StoreKey> Create(const std::string& path) = 0;
    // Deletes a key with its values; true when it is gone, as it is when it
    // was never there.
    virtual bool DeleteKey(const std::string& path) = 0;
};

}  // namespace zentrova
