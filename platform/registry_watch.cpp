#include "platform/registry_watch.h"

#include <windows.h>

#include "platform/wide_text.h"

namespace zentrova::platform {

RegistryWatch::RegistryWatch(const std::string& path)
    : path_(Widen(std::string_view(path).substr(path.find_first_not_of('\\')))),
      event_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    Arm();
}

// Registers for the next change of a value or subkey anywhere below the
// key; the registration ends with the first change it reports.
bool RegistryWatch::Arm() {
    if (!event_) return false;
    if (!key_) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_NOTIFY, &key) != ERROR_SUCCESS) return false;
        key_.reset(key);
    }
    constexpr DWORD kFilter = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;
    if (RegNotifyChangeKeyValue(key_.get(), TRUE, kFilter, event_.get(), TRUE) != ERROR_SUCCESS) {
        key_.reset();  // deleted meanwhile: opened again on the next call
        return false;
    }
    return true;
}

bool RegistryWatch::Changed() {
    if (!key_) {
        // The key appeared since (a first run wrote it): what it holds is new.
        return Arm();
    }
    if (WaitForSingleObject(event_.get(), 0) != WAIT_OBJECT_0) return false;
    Arm();
    return true;
}

}  // namespace zentrova::platform
