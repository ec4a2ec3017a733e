#pragma once
// Tells when anything below one of the current user's keys changed, by this
// process or another: a copy of the program in another session of the same
// user writes the same keys. The program's message loop waits on the
// watch's event beside its messages, so a change is taken in as it happens
// and nothing looks for one in between.

#include <string>

#include "platform/win32_handles.h"

namespace zentrova::platform {

class RegistryWatch {
public:
    // `path` as the store writes it ("\Software\Zentrova"); the key may not
    // exist yet, and is watched once it does.
    explicit RegistryWatch(const std::string& path);
    RegistryWatch(const RegistryWatch&) = delete;
    RegistryWatch& operator=(const RegistryWatch&) = delete;

    // Signalled by the first change below the key since the last Rewatch,
    // or, while the key is missing, by a key made or deleted beside it. It
    // resets itself as a wait sees it; null when it could not be made.
    HANDLE Event() const { return event_.get(); }
    // Once the event was signalled: watches anew, and says whether what the
    // key holds may have changed (always, when it was signalled: a look at
    // an unchanged store changes nothing).
    bool Rewatch();

private:
    // Watches the key when it exists, and its parent for the key's making
    // and deleting.
    void Arm();
    bool WatchKey();
    void WatchParent();

    std::wstring path_;
    UniqueKey key_;     // the key, while watched
    UniqueKey parent_;  // its parent, while the key is missing
    UniqueKernelHandle event_;
};

}  // namespace zentrova::platform
