#include "platform/dialog_window.h"

#include <commctrl.h>

#include <string>

#include "platform/dpi.h"
#include "language/texts.h"
#include "platform/win32_controls.h"

namespace zentrova::platform {
namespace {

constexpr char kDialogClass[] = "ZentrovaDialog";
constexpr wchar_t kDialogKeysProperty[] = L"Zentrova.DialogKeys";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;

POINT ScreenCentre() { return {GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2}; }

// Centred on the primary screen, at the DPI of its monitor.
RECT OuterRect(const DialogLayout& layout, const DialogPlaces& places, int dpi) {
    const SizeI client = DialogClientSize(layout, places.client, DpiScale{dpi});
    const RECT r = OuterRectForClient(SIZE{client.width, client.height}, kStyle, kExStyle, dpi);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const POINT centre = ScreenCentre();
    const int left = centre.x - width / 2;
    const int top = centre.y - height / 2;
    return {left, top, left + width, top + height};
}

UniqueFont DialogFont(const DialogLayout& layout, const std::string& family, DpiScale scale) {
    return UniqueFont(CreatePixelFont(family.c_str(), scale.Pixels(layout.fontPixels)));
}

struct ChildStyle {
    const char* className;
    DWORD style;
    int id;
};

ChildStyle StyleOf(DialogControlKind kind) {
    switch (kind) {
        // Every text is one line high: a line too long is cut, never
        // wrapped into a clipped second line.
        case DialogControlKind::Text: return {"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
        case DialogControlKind::Edit: return {"EDIT", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0};
        case DialogControlKind::DatePicker: return {DATETIMEPICK_CLASSA, WS_TABSTOP | DTS_SHORTDATEFORMAT, 0};
        case DialogControlKind::TimePicker: return {DATETIMEPICK_CLASSA, WS_TABSTOP | DTS_TIMEFORMAT, 0};
        case DialogControlKind::CheckBox: return {"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0};
        case DialogControlKind::DropDownList: return {"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
        case DialogControlKind::OkButton: return {"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK};
        case DialogControlKind::CancelButton: return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL};
    }
    return {"STATIC", 0, 0};
}

// A drop-down list's window holds the list it opens, below its box.
ControlPlace ChildPlace(const DialogLayout& layout, const DialogControlEntry& control, const ControlPlace& design,
                        DpiScale scale) {
    ControlPlace place = DialogControlPlace(layout, design, scale);
    if (control.kind == DialogControlKind::DropDownList) place.height += scale.Pixels(kOpenListHeight);
    return place;
}

}  // namespace

void EnableDialogKeys(HWND window) { SetPropW(window, kDialogKeysProperty, reinterpret_cast<HANDLE>(1)); }

bool WantsDialogKeys(HWND window) { return window && GetPropW(window, kDialogKeysProperty) != nullptr; }

int PageTurnOf(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || GetKeyState(VK_CONTROL) >= 0) return 0;
    return GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
}

DialogWindow::DialogWindow(HWND owner, const DialogLayout& layout, std::function<void()> onOk,
                           std::function<void()> onCancel)
    : layout_(layout),
      scale_{PointDpi(ScreenCentre())},
      family_(LanguageFamily(fallback_, std::string(layout.fontFamily))),
      places_(FitDialogToText(layout, measurer_, scale_, family_)),
      font_(DialogFont(layout, family_, scale_)),
      onOk_(std::move(onOk)),
      onCancel_(std::move(onCancel)) {
    WindowOptions entry;
    entry.className = kDialogClass;
    const std::string caption(layout.caption);
    entry.caption = caption.c_str();
    entry.style = kStyle;
    entry.exStyle = kExStyle;
    entry.outer = OuterRect(layout, places_, scale_.Dpi());
    entry.owner = owner;
    if (!CreateWindowFrom(entry)) return;
    EnableDialogKeys(Handle());
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const DialogControlEntry& control = layout.controls[i];
        const ChildStyle style = StyleOf(control.kind);
        const std::string text = control.text ? std::string(Tr(*control.text)) : std::string();
        HWND handle = CreateChild(Handle(), style.className, text, style.style,
                                  ChildPlace(layout, control, places_.controls[i], scale_), font_.get(), style.id);
        controls_.push_back({control.name, handle});
    }
}

ControlPlace DialogWindow::PlaceOf(std::string_view name) const {
    for (std::size_t i = 0; i < layout_.controls.size(); ++i) {
        if (layout_.controls[i].name == name) return DialogControlPlace(layout_, places_.controls[i], scale_);
    }
    return {};
}

HWND DialogWindow::Control(std::string_view name) const {
    for (const NamedControl& control : controls_)
        if (control.name == name) return control.handle;
    return nullptr;
}

void DialogWindow::Relayout(DpiScale scale) {
    scale_ = scale;
    // The old font lives until every control has taken the new one.
    const UniqueFont old = std::move(font_);
    font_ = DialogFont(layout_, family_, scale_);
    places_ = FitDialogToText(layout_, measurer_, scale_, family_);
    for (std::size_t i = 0; i < layout_.controls.size() && i < controls_.size(); ++i) {
        PlaceChild(controls_[i].handle, ChildPlace(layout_, layout_.controls[i], places_.controls[i], scale_),
                   font_.get());
    }
}

void DialogWindow::ShowCentred() {
    hidden_ = false;
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    // The first control of the tab order takes the focus.
    for (const NamedControl& control : controls_) {
        if (GetWindowLongW(control.handle, GWL_STYLE) & WS_TABSTOP) {
            SetFocus(control.handle);
            break;
        }
    }
}

void DialogWindow::Hide() {
    hidden_ = true;
    ShowWindow(Handle(), SW_HIDE);
}

LRESULT DialogWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                onOk_();
                return 0;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                onCancel_();
                return 0;
            }
            break;
        case WM_CLOSE:
            onCancel_();
            return 0;
        case kDpiChangedMessage: {
            TakeSuggestedRect(Handle(), lParam);
            Relayout(DpiScale{HIWORD(wParam)});
            return 0;
        }
        case WM_CTLCOLORSTATIC: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, RGB(0, 0, 0));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        default:
            break;
    }
    return WindowBase::HandleMessage(message, wParam, lParam);
}

}  // namespace zentrova::platform
