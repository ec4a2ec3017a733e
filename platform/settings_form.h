#pragma once
// The settings window on screen: a fixed-border, always-on-top window with a
// close box only, owning the tray icon. Its logic is zentrova::TForm2.

#include <memory>

#include "platform/settings_pages.h"
#include "platform/tray_icon.h"
#include "platform/window_base.h"
#include "settings_window/settings_window.h"
#include "settings_window/settings_window_host.h"

namespace zentrova::platform {

class SettingsForm final : public WindowBase, public SettingsWindowHost {
public:
    SettingsForm(HWND owner, HICON icon);
    bool Created() const { return Handle() != nullptr; }

    void Attach(TForm2& logic) { logic_ = &logic; }

    // SettingsWindowHost
    SizeI OuterSize() const override;
    SizeI ScreenSize() const override;
    RectI WorkArea() const override;
    int Dpi() const override;
    PointI CursorPos() const override;
    void MoveTo(PointI leftTop) override;
    void ShowInFront() override;
    void Hide() override;
    void AddTrayIcon() override;
    void DeleteTrayIcon() override;
    void RunTrayMenu(PointI at, bool startWithWindows) override;
    std::string ProgramPath() const override;
    void ShowError(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    bool Confirm(const std::string& text) override;
    void ShowPage(SettingsPage page) override;
    void EndMessageLoop() override;
    ControlFactory& Controls() override { return *pages_; }
    std::vector<std::string> DisplayLanguages() const override;
    void LanguageChanged() override;

    TrayIcon& Tray() { return *tray_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    TForm2* logic_ = nullptr;
    std::unique_ptr<TrayIcon> tray_;
    void FitToPages();

    std::unique_ptr<SettingsPages> pages_;
};

}  // namespace zentrova::platform
