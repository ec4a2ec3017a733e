#pragma once
// The countdown list's add and delete dialogs on screen, each press of the
// settings window's "Add" or "Delete" another instance.

#include <windows.h>

#include <memory>
#include <vector>

#include "countdown/count_list_dialogs.h"
#include "platform/dialog_window.h"
#include "platform/win32_services.h"
#include "settings_window/settings_window_host.h"

namespace zentrova::platform {

class OpenDialog {
public:
    virtual ~OpenDialog() = default;
    virtual bool Hidden() const = 0;
};

class AddDialogWindow final : public OpenDialog, public AddDialogView {
public:
    AddDialogWindow(HWND owner, const CountListContext& context, std::optional<CivilDate> day);
    bool Hidden() const override { return window_.Hidden(); }

    std::string Title() const override;
    CivilDate Date() const override;
    TimeOfDay Time() const override;
    CountRepeat Repeat() const override;
    void SetDate(CivilDate date) override;
    void SetTime(TimeOfDay time) override;
    void Close() override { window_.Hide(); }

private:
    TOKBottomDlg1 logic_;
    DialogWindow window_;
};

class DeleteDialogWindow final : public OpenDialog, public DeleteDialogView {
public:
    DeleteDialogWindow(HWND owner, const CountListContext& context);
    bool Hidden() const override { return window_.Hidden(); }

    void SetSelectedText(const std::string& text) override;
    void SetWhenText(const std::string& text) override;
    double SelectedTextWidth() const override;
    FontChoice SelectedTextFont() const override;
    TextMeasurer& Measurer() override { return measurer_; }
    void Close() override { window_.Hide(); }

private:
    GdiTextMeasurer measurer_{GdiTextMeasurer::DrawnBy::Gdi};
    TOKBottomDlg logic_;
    DialogWindow window_;
};

class Win32CountListDialogs final : public CountListDialogs {
public:
    explicit Win32CountListDialogs(HWND owner) : owner_(owner) {}
    void OpenAddDialog(const CountListContext& context, std::optional<CivilDate> day) override;
    void OpenDeleteDialog(const CountListContext& context) override;

private:
    // A closed dialog is only hidden; it is freed at the next press, outside
    // its own message handling.
    void FreeClosedDialogs();

    HWND owner_;
    std::vector<std::unique_ptr<OpenDialog>> dialogs_;
};

}  // namespace zentrova::platform
