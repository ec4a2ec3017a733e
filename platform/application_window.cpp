#include "platform/application_window.h"

#include "app/program_names.h"
#include "platform/wide_text.h"

namespace zentrova::platform {
namespace {

// WM_SETTINGCHANGE's section name for the regional settings.
constexpr wchar_t kRegionalSection[] = L"intl";

bool IsResume(WPARAM event) {
    return event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND || event == PBT_APMRESUMECRITICAL;
}

}  // namespace

ApplicationWindow::ApplicationWindow() {
    WindowOptions entry;
    entry.className = kApplicationWindowClass;
    entry.caption = kApplicationTitle;
    entry.style = WS_POPUP;
    entry.exStyle = WS_EX_TOOLWINDOW;
    CreateWindowFrom(entry);
    showSettingsMessage_ = RegisterWindowMessageW(Widen(kShowSettingsMessage).c_str());
}

bool HandOverToRunningCopy() {
    HWND running = FindWindowW(Widen(kApplicationWindowClass).c_str(), nullptr);
    const UINT message = RegisterWindowMessageW(Widen(kShowSettingsMessage).c_str());
    if (!running || !message) return false;
    // Only the foreground process may give the foreground away; a second
    // start that the user has just launched is that process.
    DWORD process = 0;
    GetWindowThreadProcessId(running, &process);
    if (process) AllowSetForegroundWindow(process);
    return PostMessageW(running, message, 0, 0) != 0;
}

void ApplicationWindow::Report(SystemChange change) {
    if (onChange_) onChange_(change);
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != 0 && message == showSettingsMessage_) {
        if (onShowSettings_) onShowSettings_();
        return 0;
    }
    if (message == kRemoveClockMessage) {
        if (onRemoveClock_) onRemoveClock_(static_cast<int>(wParam));
        return 0;
    }
    switch (message) {
        case WM_TIMECHANGE:
            Report(SystemChange::Clock);
            return 0;
        case WM_POWERBROADCAST:
            if (IsResume(wParam)) Report(SystemChange::Clock);
            return TRUE;
        case WM_SETTINGCHANGE: {
            // A time-zone change arrives here too, under a name that varies;
            // a catch-up costs no more than one frame per window, so every
            // other setting is treated as a possible jump of the clock.
            const auto* section = reinterpret_cast<const wchar_t*>(lParam);
            const bool regional = section && lstrcmpiW(section, kRegionalSection) == 0;
            Report(regional ? SystemChange::Regional : SystemChange::Clock);
            break;
        }
        default:
            break;
    }
    return WindowBase::HandleMessage(message, wParam, lParam);
}

}  // namespace zentrova::platform
