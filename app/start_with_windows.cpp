#include "app/start_with_windows.h"

#include "settings/value_io.h"

namespace zentrova {

std::string SignInCommand(const std::string& programPath) { return '"' + programPath + '"'; }

bool StartsWithWindows(KeyValueStore& store) {
    auto key = store.OpenExisting(kRunKeyPath);
    if (!key) return false;
    std::string command;
    if (ReadString(*key, kRunValueName, command)) return false;  // unreadable or not a string
    return command.find_first_not_of(' ') != std::string::npos;
}

StoreError SetStartWithWindows(KeyValueStore& store, bool on, const std::string& programPath) {
    if (on) {
        if (programPath.empty()) return FailedToSetMessage(kRunValueName);
        auto key = store.Create(kRunKeyPath);
        if (!key) return FailedToSetMessage(kRunValueName);
        return WriteString(*key, kRunValueName, SignInCommand(programPath));
    }
    // Read first, so that turning off what is off creates no Run key.
    StoredValue left;
    auto reading = store.OpenExisting(kRunKeyPath);
    if (!reading || reading->Query(kRunValueName, left, kValueReadLimit) == QueryResult::Missing) return std::nullopt;
    reading.reset();
    auto key = store.Create(kRunKeyPath);
    if (!key || !key->Delete(kRunValueName)) return FailedToSetMessage(kRunValueName);
    return std::nullopt;
}

}  // namespace zentrova
