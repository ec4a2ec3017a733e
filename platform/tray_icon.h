#pragma once
// The notification-area icon: one record kept for the whole run, so the same
// record serves every add and delete. Added again when the shell restarts.

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "countdown/event_notices.h"

namespace zentrova::platform {

class TrayIcon final : public NoticeSink {
public:
    TrayIcon(HWND owner, HICON icon);
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon() override;  // removes the icon on every way out of the program

    void Add();
    void Delete();
    // A new tip, cut to the field (127 characters, never inside a pair of
    // surrogates); a shown icon takes it at once.
    void SetTip(const std::string& tip);
    // The shell restarted ("TaskbarCreated"): put the icon back if it was shown.
    void OnShellRestarted();
    bool IsShown() const { return shown_; }

    // The icon's notification (a toast where Windows has them), honouring
    // quiet hours. While the icon is hidden (the settings window is open)
    // it is shown for the notice and goes again when the notice ends.
    void ShowNotice(const EventNotice& notice, bool sound) override;
    // The callback's message was one of the notice's ends.
    void OnCallback(UINT message);

    static UINT ShellRestartedMessage();

private:
    NOTIFYICONDATAW record_{};
    bool shown_ = false;
    bool shownForNotice_ = false;
};

// The tray's "Settings"/"Start with Windows"/"Close" menu, opened at the
// cursor with the middle item checked or not; returns the chosen command id
// (0 when dismissed).
enum TrayCommand : UINT { kTrayCommandSettings = 1, kTrayCommandClose = 2, kTrayCommandStartWithWindows = 3 };
UINT RunTrayMenu(HWND owner, POINT at, bool startWithWindows);

}  // namespace zentrova::platform
