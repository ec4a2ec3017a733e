#include "platform/single_instance.h"

#include "app/program_names.h"
#include "platform/wide_text.h"

namespace zentrova::platform {
namespace {

std::wstring GuardAtomName() { return Widen(kGuardAtomName); }
constexpr wchar_t kMutexName[] = L"Local\\Zentrova.SingleInstance";
}

SingleInstanceGuard::SingleInstanceGuard() {
    mutex_.reset(CreateMutexW(nullptr, FALSE, kMutexName));
    bool otherCopy = mutex_ ? GetLastError() == ERROR_ALREADY_EXISTS : GlobalFindAtomW(GuardAtomName().c_str()) != 0;
    if (otherCopy) {
        mutex_.reset();
        return;
    }
    first_ = true;
    // An atom without a living owner is a crashed run's leftover: reuse it.
    if (!GlobalFindAtomW(GuardAtomName().c_str())) GlobalAddAtomW(GuardAtomName().c_str());
}

SingleInstanceGuard::~SingleInstanceGuard() {
    if (!first_) return;
    if (ATOM atom = GlobalFindAtomW(GuardAtomName().c_str())) GlobalDeleteAtom(atom);
}

}  // namespace zentrova::platform
