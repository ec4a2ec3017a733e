#include "platform/tray_icon.h"

#include <shellapi.h>

#include <algorithm>
#include <iterator>
#include <string_view>

#include "app/program_names.h"
#include "platform/accessible_value.h"
#include "platform/menu_glyph.h"
#include "platform/win32_handles.h"

namespace zentrova::platform {

TrayIcon::TrayIcon(HWND owner, HICON icon) {
    // The second version: the first one's tip holds only 64 characters.
    record_.cbSize = NOTIFYICONDATAW_V2_SIZE;
    record_.hWnd = owner;
    record_.uID = kTrayIconId;
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record_.uCallbackMessage = kTrayCallbackMessage;
    record_.hIcon = icon;
    SetTip(kTrayTip);
}

void TrayIcon::SetTip(const std::string& tip) {
    const std::wstring wide = WideFromProgramText(tip);
    constexpr std::size_t kRoom = std::size(decltype(record_.szTip){}) - 1;
    std::size_t length = std::min(wide.size(), kRoom);
    // A high surrogate whose partner was cut off goes too.
    if (length < wide.size() && length > 0 && IS_HIGH_SURROGATE(wide[length - 1])) --length;
    if (std::wstring_view(wide.data(), length) == record_.szTip) return;
    std::fill(std::begin(record_.szTip), std::end(record_.szTip), L'\0');
    std::copy_n(wide.data(), length, record_.szTip);
    if (shown_) Shell_NotifyIconW(NIM_MODIFY, &record_);
}

TrayIcon::~TrayIcon() {
    if (shown_) Delete();
}

void TrayIcon::Add() {
    // The result is deliberately not checked: without a tray the program
    // still runs and is reached through its display windows' menus.
    Shell_NotifyIconW(NIM_ADD, &record_);
    shown_ = true;
}

void TrayIcon::Delete() {
    Shell_NotifyIconW(NIM_DELETE, &record_);
    shown_ = false;
}

void TrayIcon::OnShellRestarted() {
    if (shown_) Shell_NotifyIconW(NIM_ADD, &record_);
}

UINT TrayIcon::ShellRestartedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

UINT RunTrayMenu(HWND owner, POINT at, bool startWithWindows) {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return 0;
    AppendMenuA(menu.get(), MF_STRING, kTrayCommandSettings, kMenuSettings);
    AppendMenuA(menu.get(), MF_STRING | (startWithWindows ? MF_CHECKED : MF_UNCHECKED), kTrayCommandStartWithWindows,
                kMenuStartWithWindows);
    AppendMenuA(menu.get(), MF_STRING, kTrayCommandClose, kMenuClose);
    UniqueBitmap glyph = MakeCloseGlyph();
    if (glyph) SetMenuItemBitmaps(menu.get(), kTrayCommandClose, MF_BYCOMMAND, glyph.get(), glyph.get());
    // The owner must be in front, or the menu would not close when the user
    // clicks elsewhere.
    SetForegroundWindow(owner);
    UINT command = static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                                    at.x, at.y, 0, owner, nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    return command;
}

}  // namespace zentrova::platform
