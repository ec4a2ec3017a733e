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
    key_ = OpenForNotify(path_);
    if (!key_) return false;
    constexpr DWORD kFilter = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;
    if (RegNotifyChangeKeyValue(key_.get(), TRUE, kFilter, event_.get(), TRUE) == ERROR_SUCCESS) return true;
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

// Both looks every time: the parent tells of the key's own deleting and
// making again, which Wine does not report to a watch on the key itself; a
// watch left on a deleted key would miss the key made anew.
void RegistryWatch::Arm() {
    if (!event_) return;
    WatchParent();
    WatchKey();
}

bool RegistryWatch::Rewatch() {
    Arm();
    return true;
}

}  // namespace zentrova::platform
