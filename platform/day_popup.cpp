#include "platform/day_popup.h"

#include <commctrl.h>
#include <windowsx.h>

#include "platform/wide_text.h"
#include "platform/z_order.h"

namespace zentrova::platform {
namespace {

constexpr char kDayPopupClass[] = "ZentrovaDayWindow";
constexpr UINT_PTR kAwayTimerId = 1;
constexpr UINT kAwayTimerMs = 100;
constexpr UINT_PTR kListSubclassId = 1;
// Posted to take the activation back from the calendar; see WM_ACTIVATE.
constexpr UINT kTakeActivationMessage = WM_APP + 1;
constexpr DWORD kPopupStyle = WS_POPUP | WS_BORDER;
constexpr DWORD kPopupExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;

bool Within(HWND window, POINT screen) {
    RECT r{};
    return window && IsWindowVisible(window) && GetWindowRect(window, &r) && PtInRect(&r, screen);
}

}  // namespace

DayPopup::DayPopup(HWND calendar, HWND owner, std::function<void(CivilDate)> addEventOn)
    : calendar_(calendar), addEventOn_(std::move(addEventOn)) {
    WindowOptions entry;
    entry.className = kDayPopupClass;
    entry.style = kPopupStyle;
    entry.exStyle = kPopupExStyle;
    entry.outer = RECT{0, 0, 1, 1};
    entry.owner = owner;
    if (!CreateWindowFrom(entry)) return;
    list_ = CreateWindowExW(0, L"LISTBOX", nullptr,
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                                LBS_WANTKEYBOARDINPUT,
                            0, 0, 1, 1, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (list_) SetWindowSubclass(list_, &DayPopup::ListProcedure, kListSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

DayPopup::~DayPopup() {
    if (list_) RemoveWindowSubclass(list_, &DayPopup::ListProcedure, kListSubclassId);
}

void DayPopup::Open(const DayWindowContent& content, const RectI& dayCell, DpiScale scale) {
    if (!Handle() || !list_) return;
    content_ = content;
    away_ = PointerAway{};
    font_.reset(CreateFontW(-scale.Pixels(kDayWindowFontPixels), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                            DEFAULT_PITCH, Widen(kDayWindowFont).c_str()));
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : content_.lines)
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(line).c_str()));
    SendMessageW(list_, LB_SETITEMHEIGHT, 0, scale.Pixels(kDayWindowLineHeight));
    SendMessageW(list_, LB_SETCURSEL, 0, 0);
    SetWindowTextW(Handle(), Widen(content_.caption).c_str());

    // The list fills the client area; the border lies around it.
    const SizeI client = DayWindowSize(WidestLine(), static_cast<int>(content_.lines.size()), scale);
    RECT outer{0, 0, client.width, client.height};
    AdjustWindowRectEx(&outer, kPopupStyle, FALSE, kPopupExStyle);
    const SizeI size{outer.right - outer.left, outer.bottom - outer.top};
    const RECT cell{dayCell.left, dayCell.top, dayCell.right, dayCell.bottom};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromRect(&cell, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const PointI at = PlaceBesideDay(dayCell, size, RectI{work.left, work.top, work.right, work.bottom}, scale);
    MoveWindow(list_, 0, 0, client.width, client.height, FALSE);
    SetWindowPos(Handle(), HWND_TOPMOST, at.x, at.y, size.width, size.height, SWP_SHOWWINDOW);
    // In front with the keyboard, so that Escape and the arrows reach the
    // list and a click elsewhere takes the activation away.
    Activate();
    SetTimer(Handle(), kAwayTimerId, kAwayTimerMs, nullptr);
}

void DayPopup::Activate() {
    SetForegroundWindow(Handle());
    SetFocus(list_);
}

void DayPopup::Close() {
    if (!Handle() || !IsWindowVisible(Handle())) return;
    KillTimer(Handle(), kAwayTimerId);
    ShowWindow(Handle(), SW_HIDE);
}

void DayPopup::Choose(int index) {
    if (index != content_.AddLine()) return;
    Close();
    if (addEventOn_) addEventOn_(content_.day);
}

int DayPopup::WidestLine() const {
    HDC dc = GetDC(list_);
    const HGDIOBJ previous = SelectObject(dc, font_.get());
    int widest = 0;
    for (const std::string& line : content_.lines) {
        const std::wstring wide = Widen(line);
        SIZE extent{};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
        widest = std::max(widest, static_cast<int>(extent.cx));
    }
    SelectObject(dc, previous);
    ReleaseDC(list_, dc);
    return widest;
}

bool DayPopup::PointerInside() const {
    POINT cursor{};
    GetCursorPos(&cursor);
    return Within(Handle(), cursor) || Within(calendar_, cursor);
}

LRESULT DayPopup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kAwayTimerId && away_.Update(PointerInside(), static_cast<std::int64_t>(GetTickCount64())))
                Close();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) return 0;
            // The click that opened the window may activate the calendar
            // after the window took the activation (the system can report
            // it late, more than once when busy): the window takes it back.
            // A later press on the calendar closes the window through the
            // calendar itself, before the taking back comes round.
            if (reinterpret_cast<HWND>(lParam) == calendar_) {
                PostMessageW(Handle(), kTakeActivationMessage, 0, 0);
                return 0;
            }
            // A click elsewhere, or another window brought to the front.
            Close();
            return 0;
        case kTakeActivationMessage:
            // The calendar's activation lifted it over this window.
            if (IsWindowVisible(Handle())) {
                RaiseOverTopmost(Handle());
                Activate();
            }
            return 0;
        case WM_VKEYTOITEM:
            if (LOWORD(wParam) == VK_ESCAPE) {
                Close();
                return -2;
            }
            if (LOWORD(wParam) == VK_RETURN) {
                Choose(HIWORD(wParam));
                return -2;
            }
            return -1;  // the list's own keys
        case WM_CLOSE:
            Close();
            return 0;
        default:
            return WindowBase::HandleMessage(message, wParam, lParam);
    }
}

LRESULT CALLBACK DayPopup::ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) {
    if (message == WM_LBUTTONUP) {
        const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, lParam);
        const LRESULT result = DefSubclassProc(list, message, wParam, lParam);
        // The high word is set when the point lies below the last line.
        if (HIWORD(hit) == 0) reinterpret_cast<DayPopup*>(self)->Choose(LOWORD(hit));
        return result;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace zentrova::platform
