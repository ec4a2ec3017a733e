#include "platform/registry_watch.h"

#include <windows.h>

#include "platform/wide_text.h"

namespace zentrova::platform {
namespace {

UniqueKey OpenForNotify(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_NOTIFY, &key) != ERROR_SUCCESS) return UniqueKey();
    return UniqueKey(key);
}

}  // namespace

RegistryWatch::RegistryWatch(const std::string& path)
    : path_(Widen(std::string_view(path).substr(path.find_first_not_of('\\')))),
      event_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    Arm();
}

// Registers for the next change of a value or subkey anywhere below the
// key; the registration ends with the first change it reports.
bool RegistryWatch::WatchKey() {
    if (!key_) key_ = OpenForNotify(path_);
    if (!key_) return false;
    constexpr DWORD kFilter = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;
    if (RegNotifyChangeKeyValue(key_.get(), TRUE, kFilter, event_.get(), TRUE) == ERROR_SUCCESS) {
        parent_.reset();
        return true;
    }
    key_.reset();  // deleted meanwhile
    return false;
}

// Only the making or deleting of the parent's own subkeys signals, which
// is rare: the parent is the user's Software key.
void RegistryWatch::WatchParent() {
    const std::size_t cut = path_.rfind(L'\\');
    if (cut == std::wstring::npos) return;
    parent_ = OpenForNotify(path_.substr(0, cut));
    if (parent_ && RegNotifyChangeKeyValue(parent_.get(), FALSE, REG_NOTIFY_CHANGE_NAME, event_.get(), TRUE) !=
                       ERROR_SUCCESS)
        parent_.reset();
}

void RegistryWatch::Arm() {
    if (!event_ || WatchKey()) return;
    WatchParent();
    // A key made between the two looks is watched all the same.
    WatchKey();
}

bool RegistryWatch::Rewatch() {
    // A change in the watched key, or the key made since.
    const bool watched = static_cast<bool>(key_);
    Arm();
    return watched || static_cast<bool>(key_);
}

}  // namespace zentrova::platform
