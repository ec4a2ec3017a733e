#pragma once
// A small non-modal dialog made from a core dialog layout: fixed border with
// a close box only, always on top, centred on the screen, OK as the default
// button (Enter) and Cancel as the cancel button (Escape).

#include <windows.h>

#include <functional>
#include <string_view>
#include <vector>

#include "countdown/count_dialog_layout.h"
#include "platform/font_fallback.h"
#include "platform/win32_services.h"
#include "platform/win32_handles.h"
#include "platform/window_base.h"

namespace zentrova::platform {

// Marks a top-level window whose keys the message loop runs through the
// dialog manager (Tab, Enter, Escape).
void EnableDialogKeys(HWND window);
bool WantsDialogKeys(HWND window);

// Ctrl+Tab (wParam 1) and Ctrl+Shift+Tab (wParam -1), sent to such a window
// before the dialog manager sees the key; a window with pages answers 1 when
// it has turned the page.
inline constexpr UINT kTurnPageMessage = WM_APP + 40;
// The step a key message asks of kTurnPageMessage; 0 for any other message.
int PageTurnOf(const MSG& message);

class DialogWindow final : public WindowBase {
public:
    DialogWindow(HWND owner, const DialogLayout& layout, std::function<void()> onOk, std::function<void()> onCancel);

    HWND Control(std::string_view name) const;
    // A control's place in the client area, as made for the current language.
    ControlPlace PlaceOf(std::string_view name) const;
    DpiScale Scale() const { return scale_; }
    const std::string& FontFamily() const { return family_; }
    void ShowCentred();
    void Hide();
    bool Hidden() const { return hidden_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Places every control and the font again at a new scale.
    void Relayout(DpiScale scale);

    struct NamedControl {
        std::string_view name;
        HWND handle;
    };
    const DialogLayout& layout_;
    DpiScale scale_;
    GdiTextMeasurer measurer_{GdiTextMeasurer::DrawnBy::Gdi};
    FontFallback fallback_;
    std::string family_;  // the controls' font
    DialogPlaces places_;
    UniqueFont font_;
    std::vector<NamedControl> controls_;
    std::function<void()> onOk_;
    std::function<void()> onCancel_;
    bool hidden_ = true;
};

}  // namespace zentrova::platform
