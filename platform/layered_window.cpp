#include "platform/layered_window.h"

#include <windowsx.h>

#include "app/program_names.h"
#include "platform/dpi.h"
#include "platform/wide_text.h"
#include "platform/tray_icon.h"
#include "platform/win32_error.h"
#include "platform/z_order.h"
#include "language/texts.h"

namespace zentrova::platform {
namespace {

constexpr char kDisplayClass[] = "ZentrovaDisplayWindow";
// Posted by the foreground hook.
constexpr UINT kForegroundChangedMessage = WM_APP + 2;
enum PopupItem : UINT { kPopupSettings = 1, kPopupClose = 2, kPopupRemove = 3 };

// Adds WS_EX_LAYERED. SetWindowLongW returns the previous style, which may
// itself be 0, so failure is 0 together with a last error.
void MakeLayered(HWND window) {
    LONG style = GetWindowLongW(window, GWL_EXSTYLE);
    SetLastError(0);
    if (SetWindowLongW(window, GWL_EXSTYLE, style | WS_EX_LAYERED) == 0 && GetLastError() != 0)
        ShowErrorBox(SystemErrorText(GetLastError()));
}

}  // namespace

LayeredWindow::LayeredWindow(const char* caption, HWND owner, DisplayTicker& ticker) : ticker_(ticker) {
    WindowOptions entry;
    entry.className = kDisplayClass;
    entry.caption = caption;
    entry.style = WS_POPUP;
    entry.exStyle = WS_EX_TOPMOST;
    entry.outer = RECT{0, 0, 1, 1};
    entry.owner = owner;
    if (!CreateWindowFrom(entry)) return;
    MakeLayered(Handle());
    screenDc_ = GetDC(nullptr);
    memoryDc_.reset(CreateCompatibleDC(screenDc_));
    target_.window = Handle();
    target_.screenDc = screenDc_;
    target_.memoryDc = memoryDc_.get();
    tip_ = PointerTip(Handle());
    spoken_ = AccessibleValue(Handle());
    contrast_ = SystemHighContrast();
}

LayeredWindow::~LayeredWindow() {
    if (tickClient_ != 0) ticker_.Leave(tickClient_);
    if (screenDc_) ReleaseDC(nullptr, screenDc_);
}

void LayeredWindow::StartTimer() {
    if (!Handle() || tickClient_ != 0) return;
    tickClient_ = ticker_.Join([this] {
        if (events_) events_->OnTimer();
    });
    ticker_.Set(tickClient_, tickMs_, true);
}

void LayeredWindow::ScheduleTicks(int delayMs) {
    tickMs_ = delayMs;
    if (tickClient_ != 0) ticker_.Set(tickClient_, delayMs, false);
}

void LayeredWindow::RestartTicks(int delayMs) {
    tickMs_ = delayMs;
    if (tickClient_ != 0) ticker_.Set(tickClient_, delayMs, true);
}

void LayeredWindow::SetClientSize(SizeI size) {
    size_ = size;
    renderer_.ForgetScreen();
    SetWindowPos(Handle(), nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

PointI LayeredWindow::Position() const {
    RECT r{};
    GetWindowRect(Handle(), &r);
    return {r.left, r.top};
}

int LayeredWindow::Dpi() const { return WindowDpi(Handle()); }

void LayeredWindow::MoveTo(PointI leftTop) {
    SetWindowPos(Handle(), nullptr, leftTop.x, leftTop.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void LayeredWindow::SetVisible(bool visible) {
    shownBySettings_ = visible;
    ApplyVisibility();
}

void LayeredWindow::StepAside(bool aside) {
    steppedAside_ = aside;
    ApplyVisibility();
}

void LayeredWindow::ApplyVisibility() {
    const bool visible = ShouldShow();
    // A window shown again gets its frame pushed afresh, the latest one
    // before it shows.
    renderer_.ForgetScreen();
    if (visible && heldFrame_) {
        Render(*heldFrame_);
        heldFrame_.reset();
    }
    ShowWindow(Handle(), visible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void LayeredWindow::SetZOrder(ZOrder order) {
    zOrder_ = order;
    placing_ = true;
    ApplyZOrder(Handle(), order);
    placing_ = false;
}

void LayeredWindow::Push(const Frame& frame) {
    if (ShouldShow()) {
        Render(frame);
    } else {
        heldFrame_ = frame;
    }
}

void LayeredWindow::Render(const Frame& frame) {
    const Frame* shown = &frame;
    if (contrast_) {
        contrastFrame_ = frame;
        ApplyHighContrast(contrastFrame_, *contrast_);
        shown = &contrastFrame_;
    }
    renderer_.Show(*shown, target_);
}

void LayeredWindow::SetSpokenValue(const std::string& value) {
    if (spoken_.Set(value) && spokenListener_) spokenListener_();
}

void LayeredWindow::Announce(const std::string& text) { spoken_.Announce(text); }

void LayeredWindow::FollowContrast() {
    const std::optional<ContrastColours> contrast = SystemHighContrast();
    if (contrast == contrast_) return;
    contrast_ = contrast;
    renderer_.ForgetScreen();
    // Reads the monitors and ticks soon; the next second's frame shows the
    // change.
    if (events_) events_->OnDisplayChange();
}

void LayeredWindow::ShowPopupMenu(PointI screen) {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    AppendMenuW(menu.get(), MF_STRING, kPopupSettings, Widen(Tr(TextId::MenuSettings)).c_str());
    if (offersRemove_) AppendMenuW(menu.get(), MF_STRING, kPopupRemove, Widen(Tr(TextId::MenuRemoveClock)).c_str());
    AppendMenuW(menu.get(), MF_STRING, kPopupClose, Widen(Tr(TextId::MenuClose)).c_str());
    SetForegroundWindow(Handle());
    UINT command = static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                                    screen.x, screen.y, 0, Handle(), nullptr));
    PostMessageW(Handle(), WM_NULL, 0, 0);
    if (!events_) return;
    if (command == kPopupSettings) events_->OnPopupCommand(PopupCommand::Settings);
    if (command == kPopupClose) events_->OnPopupCommand(PopupCommand::Close);
    if (command == kPopupRemove) events_->OnPopupCommand(PopupCommand::Remove);
}

void LayeredWindow::MouseDown(MouseButton button, LPARAM lParam) {
    // Keep receiving moves while the button is held, even when the cursor
    // runs ahead of the window.
    if (button == MouseButton::Left) SetCapture(Handle());
    if (events_) events_->OnMouseDown(button, PointI{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
}

void LayeredWindow::MouseUp(MouseButton button) {
    if (GetCapture() == Handle()) ReleaseCapture();
    if (events_) events_->OnMouseUp(button);
}

LRESULT LayeredWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        // The second press of a quick pair arrives as a double-click; it is
        // a press all the same (two quick clicks on an arrow turn twice).
        case WM_LBUTTONDBLCLK: MouseDown(MouseButton::Left, lParam); return 0;
        case WM_RBUTTONDOWN: MouseDown(MouseButton::Right, lParam); return 0;
        case WM_MBUTTONDOWN: MouseDown(MouseButton::Middle, lParam); return 0;
        case WM_LBUTTONUP: MouseUp(MouseButton::Left); return 0;
        case WM_RBUTTONUP: MouseUp(MouseButton::Right); return 0;
        case WM_MBUTTONUP: MouseUp(MouseButton::Middle); return 0;
        case WM_MOUSEMOVE:
            if (events_) {
                events_->OnMouseMove();
                tip_.Follow(events_->TipAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
            }
            return 0;
        case WM_MOUSEWHEEL:
            if (events_) events_->OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
            return 0;
        case WM_KEYDOWN:
            if (events_) events_->OnKeyDown(static_cast<int>(wParam));
            return 0;
        case kDpiChangedMessage:
            // The face is rebuilt at the new scale where the window stands;
            // the suggested rectangle is not taken, the face decides the size.
            if (events_) events_->OnDpiChanged(HIWORD(wParam));
            return 0;
        case WM_GETOBJECT:
            if (const std::optional<LRESULT> answer = spoken_.Answer(wParam, lParam)) return *answer;
            return WindowBase::HandleMessage(message, wParam, lParam);
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
            FollowContrast();
            return WindowBase::HandleMessage(message, wParam, lParam);
        case WM_DISPLAYCHANGE:
            if (events_) events_->OnDisplayChange();
            return 0;
        case kForegroundChangedMessage:
            if (events_) events_->OnForegroundChange();
            return 0;
        case WM_MOUSEACTIVATE:
            // A window on the desktop (or lifted over the shown desktop) is
            // dragged and its menu opened without it coming up or taking the
            // focus.
            if (OnDesktop()) return MA_NOACTIVATE;
            // An ordinary window comes up over the others when clicked
            // (activation alone does not raise it everywhere: not under Wine).
            if (zOrder_ == ZOrder::Normal) SetZOrder(ZOrder::Normal);
            return WindowBase::HandleMessage(message, wParam, lParam);
        case WM_WINDOWPOSCHANGING:
            // Nothing but SetZOrder lifts a window on the desktop: not a
            // click, not the activation its menu needs, not its owner coming
            // up with another of the program's windows.
            if (OnDesktop() && !placing_)
                reinterpret_cast<WINDOWPOS*>(lParam)->flags |= SWP_NOZORDER;
            return WindowBase::HandleMessage(message, wParam, lParam);
        case WM_CLOSE:
            // Display windows are closed only through their logic (which ends
            // the program from the clock); Alt+F4 asks the same.
            if (events_) events_->OnPopupCommand(PopupCommand::Close);
            return 0;
        default:
            // A restarted shell makes new desktop windows: a window on the
            // desktop finds its place again over them.
            if (message == TrayIcon::ShellRestartedMessage() && events_) {
                events_->OnForegroundChange();
                return 0;
            }
            return WindowBase::HandleMessage(message, wParam, lParam);
    }
}

namespace {

BOOL CALLBACK PostForegroundChanged(HWND window, LPARAM) {
    char className[sizeof(kDisplayClass)] = {};
    if (GetClassNameA(window, className, sizeof(className)) && lstrcmpA(className, kDisplayClass) == 0)
        PostMessageW(window, kForegroundChangedMessage, 0, 0);
    return TRUE;
}

// Out of context, the system calls this on the thread that set the hook,
// between its messages; the display windows are that thread's.
void CALLBACK ForegroundChanged(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), &PostForegroundChanged, 0);
}

}  // namespace

ForegroundHook::ForegroundHook()
    : hook_(SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, &ForegroundChanged, 0, 0,
                            WINEVENT_OUTOFCONTEXT)) {}

}  // namespace zentrova::platform
