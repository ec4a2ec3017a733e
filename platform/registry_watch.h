#pragma once
// Tells when anything below one of the current user's keys changed, by this
// process or another: a copy of the program in another session of the same
// user writes the same keys.

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

    // True once for every batch of changes since the last call, and while
    // the key cannot be watched, false; each true watches anew.
    bool Changed();

private:
    bool Arm();

    std::wstring path_;
    UniqueKey key_;
    UniqueKernelHandle event_;
};

}  // namespace zentrova::platform
