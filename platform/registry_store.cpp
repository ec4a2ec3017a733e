#include "platform/registry_store.h"

#include <windows.h>

#include "platform/wide_text.h"
#include "platform/win32_handles.h"

namespace zentrova::platform {
namespace {

// Key paths are written absolute ("\Software\Zentrova"); the registry wants
// them relative to HKEY_CURRENT_USER.
std::wstring RelativePath(const std::string& path) {
    std::size_t start = path.find_first_not_of('\\');
    return start == std::string::npos ? std::wstring() : Widen(std::string_view(path).substr(start));
}

class RegistryKey final : public StoreKey {
public:
    explicit RegistryKey(HKEY key) : key_(key) {}

    // String data is passed on as the wide calls give it: UTF-16LE, with
    // whatever terminator it was stored with.
    QueryResult Query(const std::string& name, StoredValue& value, std::size_t maxBytes) override {
        if (!key_) return QueryResult::Failed;
        const std::wstring wideName = Widen(name);
        DWORD type = 0;
        DWORD size = 0;
        LONG status = RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type, nullptr, &size);
        if (status == ERROR_FILE_NOT_FOUND) return QueryResult::Missing;
        if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) return QueryResult::Failed;
        if (size > maxBytes) return QueryResult::Failed;
        value.type = static_cast<ValueType>(type);
        value.data.assign(size, 0);
        status = RegQueryValueExW(key_.get(), wideName.c_str(), nullptr, &type,
                                  value.data.empty() ? nullptr : value.data.data(), &size);
        if (status != ERROR_SUCCESS) return QueryResult::Failed;
        value.type = static_cast<ValueType>(type);
        value.data.resize(size);
        return QueryResult::Found;
    }

    bool Set(const std::string& name, ValueType type, std::span<const std::uint8_t> data) override {
        if (!key_) return false;
        return RegSetValueExW(key_.get(), Widen(name).c_str(), 0, static_cast<DWORD>(type), data.data(),
                              static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
    }

    bool Delete(const std::string& name) override {
        return key_ && RegDeleteValueW(key_.get(), Widen(name).c_str()) == ERROR_SUCCESS;
    }

    void Close() override { key_.reset(); }

private:
    UniqueKey key_;
};

}  // namespace

OpenedKey RegistryStore::Open(const std::string& path) {
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExW(HKEY_CURRENT_USER, RelativePath(path).c_str(), 0, KEY_READ, &key);
    // A key below a missing one is reported as a missing path.
    if (status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND) return {QueryResult::Missing, nullptr};
    if (status != ERROR_SUCCESS) return {QueryResult::Failed, nullptr};
    return {QueryResult::Found, std::make_unique<RegistryKey>(key)};
}

std::unique_ptr<StoreKey> RegistryStore::Create(const std::string& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, RelativePath(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<RegistryKey>(key);
}

bool RegistryStore::DeleteKey(const std::string& path) {
    const LONG status = RegDeleteKeyW(HKEY_CURRENT_USER, RelativePath(path).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

}  // namespace zentrova::platform
