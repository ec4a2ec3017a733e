#include "platform/single_instance.h"

#include "app/program_names.h"

namespace zentrova::platform {
namespace {
constexpr char kMutexName[] = "Local\\Zentrova.SingleInstance";
}

SingleInstanceGuard::SingleInstanceGuard() {
    mutex_.reset(CreateMutexA(nullptr, FALSE, kMutexName));
    bool otherCopy = mutex_ ? GetLastError() == ERROR_ALREADY_EXISTS : GlobalFindAtomA(kGuardAtomName) != 0;
    if (otherCopy) {
        mutex_.reset();
        return;
    }
    first_ = true;
    // An atom without a living owner is a crashed run's leftover: reuse it.
    if (!GlobalFindAtomA(kGuardAtomName)) GlobalAddAtomA(kGuardAtomName);
}

SingleInstanceGuard::~SingleInstanceGuard() {
    if (!first_) return;
    if (ATOM atom = GlobalFindAtomA(kGuardAtomName)) GlobalDeleteAtom(atom);
}

}  // namespace zentrova::platform
