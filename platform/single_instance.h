#pragma once
// One copy per logged-on user. The global atom "Zentrova" marks a running
// copy; a named mutex, which the system removes with the process, is what
// actually decides, so an atom left behind by a crash cannot lock the user out.

#include <windows.h>

#include "platform/win32_handles.h"

namespace zentrova::platform {

class SingleInstanceGuard {
public:
    SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;
    ~SingleInstanceGuard();  // deletes the atom

    // False when another copy already runs.
    bool First() const { return first_; }

private:
    UniqueKernelHandle mutex_;
    bool first_ = false;
};

}  // namespace zentrova::platform
