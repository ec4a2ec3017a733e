#include "platform/settings_form.h"

#include "app/program_names.h"
#include "platform/dialog_window.h"
#include "platform/dpi.h"
#include "platform/font_families.h"
#include "platform/wide_text.h"
#include "platform/win32_error.h"
#include "platform/win32_locale.h"
#include "language/texts.h"

namespace zentrova::platform {
namespace {

constexpr char kSettingsClass[] = "ZentrovaSettingsWindow";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOPMOST | WS_EX_CONTROLPARENT;

// The window with its frame around the client area at `dpi`, at the origin.
RECT OuterRect(int dpi) {
    const SizeI client = SettingsClientSize(DpiScale{dpi});
    const RECT r = OuterRectForClient(SIZE{client.width, client.height}, kStyle, kExStyle, dpi);
    return {0, 0, r.right - r.left, r.bottom - r.top};
}

BOOL CALLBACK ForwardSysColorChange(HWND child, LPARAM) {
    SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

}  // namespace

SettingsForm::SettingsForm(HWND owner, HICON icon) {
    // Made at the origin, on the primary monitor, before it is placed.
    const int dpi = PointDpi(POINT{0, 0});
    WindowOptions entry;
    entry.className = kSettingsClass;
    const std::string caption(Tr(TextId::CaptionSettings));
    entry.caption = caption.c_str();
    entry.style = kStyle;
    entry.exStyle = kExStyle;
    entry.outer = OuterRect(dpi);
    entry.owner = owner;
    entry.icon = icon;
    if (!CreateWindowFrom(entry)) return;
    tray_ = std::make_unique<TrayIcon>(Handle(), icon);
    pages_ = std::make_unique<SettingsPages>(Handle(), DpiScale{dpi});
    FitToPages();
    EnableDialogKeys(Handle());
}

// The window's size from what its pages need, where it stands.
void SettingsForm::FitToPages() {
    const SizeI client = pages_->ClientSize();
    const RECT r = OuterRectForClient(SIZE{client.width, client.height}, kStyle, kExStyle, Dpi());
    SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::vector<std::string> SettingsForm::DisplayLanguages() const { return UserDisplayLanguages(); }

void SettingsForm::LanguageChanged() {
    SetWindowTextW(Handle(), Widen(Tr(TextId::CaptionSettings)).c_str());
    pages_->Retext();
    FitToPages();
}

SizeI SettingsForm::OuterSize() const {
    RECT r{};
    GetWindowRect(Handle(), &r);
    return {r.right - r.left, r.bottom - r.top};
}

int SettingsForm::Dpi() const { return WindowDpi(Handle()); }

SizeI SettingsForm::ScreenSize() const {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

RectI SettingsForm::WorkArea() const {
    RECT r{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) r = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return {r.left, r.top, r.right, r.bottom};
}

PointI SettingsForm::CursorPos() const {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void SettingsForm::MoveTo(PointI leftTop) {
    SetWindowPos(Handle(), nullptr, leftTop.x, leftTop.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SettingsForm::ShowInFront() {
    pages_->Realize();
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    BringWindowToTop(Handle());
}

void SettingsForm::Hide() { ShowWindow(Handle(), SW_HIDE); }

void SettingsForm::AddTrayIcon() {
    if (tray_) tray_->Add();
}

void SettingsForm::DeleteTrayIcon() {
    if (tray_) tray_->Delete();
}

void SettingsForm::RunTrayMenu(PointI at, bool startWithWindows) {
    UINT command = platform::RunTrayMenu(Handle(), POINT{at.x, at.y}, startWithWindows);
    if (!logic_) return;
    if (command == kTrayCommandSettings) logic_->OptionsClick();
    if (command == kTrayCommandStartWithWindows) logic_->StartWithWindowsClick();
    if (command == kTrayCommandClose) logic_->Close1Click();
}


std::string SettingsForm::ProgramPath() const {
    // A path that fills the buffer may have been cut: the buffer grows
    // up to the longest path Windows has.
    for (DWORD capacity = MAX_PATH; capacity <= 32768; capacity *= 2) {
        std::wstring path(capacity, L'\0');
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), capacity);
        if (length == 0) return {};
        if (length < capacity) return Narrow(std::wstring_view(path.data(), length));
    }
    return {};
}

void SettingsForm::ShowError(const std::string& text) { ShowErrorBox(text); }

void SettingsForm::ShowMessage(const std::string& text) {
    MessageBoxW(Handle(), Widen(text).c_str(), Widen(kApplicationTitle).c_str(), MB_OK | MB_ICONINFORMATION | MB_TOPMOST);
}

bool SettingsForm::Confirm(const std::string& text) {
    return MessageBoxW(Handle(), Widen(text).c_str(), Widen(kApplicationTitle).c_str(),
                       MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_TOPMOST) == IDYES;
}

void SettingsForm::ShowPage(SettingsPage page) { pages_->ShowPage(page); }

void SettingsForm::EndMessageLoop() { PostQuitMessage(0); }

LRESULT SettingsForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kTrayCallbackMessage) {
        if (tray_) tray_->OnCallback(static_cast<UINT>(lParam));
        if (logic_) logic_->TrayCallback(static_cast<unsigned>(lParam));
        return 0;
    }
    if (message == TrayIcon::ShellRestartedMessage() && tray_) {
        tray_->OnShellRestarted();
        return 0;
    }
    if (pages_ && pages_->Route(message, wParam, lParam)) return 0;
    switch (message) {
        case WM_COMMAND:
            // Escape, through the dialog manager: as Cancel.
            if (LOWORD(wParam) == IDCANCEL && lParam == 0 && logic_) {
                logic_->Button2Click();
                return 0;
            }
            break;
        case kTurnPageMessage:
            if (!pages_) return 0;
            pages_->TurnPage(static_cast<int>(static_cast<INT_PTR>(wParam)));
            return 1;
        case kDpiChangedMessage: {
            // Moved onto a monitor of another DPI: the suggested rectangle
            // keeps the window's physical size; the controls follow.
            TakeSuggestedRect(Handle(), lParam);
            if (pages_) {
                pages_->Relayout(DpiScale{HIWORD(wParam)});
                FitToPages();
            }
            return 0;
        }
        case WM_SYSCOLORCHANGE:
            // The common controls learn of new system colours from their
            // parent.
            EnumChildWindows(Handle(), ForwardSysColorChange, 0);
            [[fallthrough]];
        case WM_SETTINGCHANGE:
            // High contrast may have come or gone: everything repaints.
            RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            break;
        case WM_CLOSE:
            // Closing only hides the window and puts the tray icon back.
            if (logic_) logic_->FormClose();
            return 0;
        default:
            break;
    }
    return WindowBase::HandleMessage(message, wParam, lParam);
}

}  // namespace zentrova::platform
