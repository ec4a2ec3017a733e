#pragma once
// The application's own hidden top-level window. Every other window of the
// program is owned by it, so none of them gets a task-bar button. Being
// top-level, it also receives the system's broadcasts, and it is the one
// place that tells the program when the clock, the power state or the
// regional settings changed under it.

#include <functional>
#include <utility>

#include "platform/window_base.h"

namespace zentrova::platform {

enum class SystemChange {
    // The time jumped: a resume from sleep, a change of the clock, the time
    // zone or daylight saving time (or any other setting that may be one).
    Clock,
    // The regional settings ("intl"): names, separators, date and time pictures.
    Regional,
};

// Posted to the application window by a clock's "Remove this clock".
inline constexpr UINT kRemoveClockMessage = WM_APP + 1;

class ApplicationWindow final : public WindowBase {
public:
    ApplicationWindow();
    void OnSystemChange(std::function<void(SystemChange)> handler) { onChange_ = std::move(handler); }
    // A second start of the program asks for the settings window.
    void OnShowSettings(std::function<void()> handler) { onShowSettings_ = std::move(handler); }
    // kRemoveClockMessage: a clock's menu asked to remove it (wParam: its number).
    void OnRemoveClock(std::function<void(int)> handler) { onRemoveClock_ = std::move(handler); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Report(SystemChange change);
    std::function<void(SystemChange)> onChange_;
    std::function<void()> onShowSettings_;
    std::function<void(int)> onRemoveClock_;
    UINT showSettingsMessage_ = 0;
};

// Run by a second start: asks the running copy to show its settings window,
// letting it take the foreground. False when no running copy's window is found.
bool HandOverToRunningCopy();

}  // namespace zentrova::platform
