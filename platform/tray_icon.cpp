#include "platform/tray_icon.h"

#include <shellapi.h>

#include <algorithm>
#include <iterator>
#include <string_view>

#include "app/program_names.h"
#include "platform/accessible_value.h"
#include "platform/menu_glyph.h"
#include "platform/wide_text.h"
#include "platform/win32_handles.h"
#include "language/texts.h"

namespace zentrova::platform {

namespace {

// Copies `text` into a fixed field, cut to its room and never between the
// two halves of a surrogate pair; false when the field already holds it.
template <std::size_t N>
bool CopyToField(const std::wstring& text, wchar_t (&field)[N]) {
    std::size_t length = std::min(text.size(), N - 1);
    if (length < text.size() && length > 0 && IS_HIGH_SURROGATE(text[length - 1])) --length;
    if (std::wstring_view(text.data(), length) == field) return false;
    std::fill(std::begin(field), std::end(field), L'\0');
    std::copy_n(text.data(), length, field);
    return true;
}

}  // namespace

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
    if (!CopyToField(Widen(tip), record_.szTip)) return;
    if (shown_) Shell_NotifyIconW(NIM_MODIFY, &record_);
}

TrayIcon::~TrayIcon() {
    if (shown_) Delete();
}

void TrayIcon::Add() {
    shownForNotice_ = false;
    // The result is deliberately not checked: without a tray the program
    // still runs and is reached through its display windows' menus.
    Shell_NotifyIconW(NIM_ADD, &record_);
    shown_ = true;
}

void TrayIcon::Delete() {
    shownForNotice_ = false;
    Shell_NotifyIconW(NIM_DELETE, &record_);
    shown_ = false;
}

void TrayIcon::ShowNotice(const EventNotice& notice, bool sound) {
    if (!shown_) {
        Add();
        shownForNotice_ = true;
    }
    // The full record: the program's own icon in the notice and quiet hours
    // need the newer fields.
    NOTIFYICONDATAW info{};
    info.cbSize = sizeof(info);
    info.hWnd = record_.hWnd;
    info.uID = record_.uID;
    info.uFlags = NIF_INFO;
    CopyToField(Widen(notice.title), info.szInfoTitle);
    CopyToField(Widen(notice.text), info.szInfo);
    info.hBalloonIcon = record_.hIcon;
    info.dwInfoFlags = NIIF_USER | NIIF_LARGE_ICON | NIIF_RESPECT_QUIET_TIME | (sound ? 0 : NIIF_NOSOUND);
    Shell_NotifyIconW(NIM_MODIFY, &info);
}

void TrayIcon::OnCallback(UINT message) {
    const bool ended = message == NIN_BALLOONHIDE || message == NIN_BALLOONTIMEOUT || message == NIN_BALLOONUSERCLICK;
    if (ended && shownForNotice_ && shown_) Delete();
}

void TrayIcon::OnShellRestarted() {
    if (shown_) Shell_NotifyIconW(NIM_ADD, &record_);
}

UINT TrayIcon::ShellRestartedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

UINT RunTrayMenu(HWND owner, POINT at, bool startWithWindows) {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return 0;
    AppendMenuW(menu.get(), MF_STRING, kTrayCommandSettings, Widen(Tr(TextId::MenuSettings)).c_str());
    AppendMenuW(menu.get(), MF_STRING | (startWithWindows ? MF_CHECKED : MF_UNCHECKED), kTrayCommandStartWithWindows,
                Widen(Tr(TextId::CheckStartWithWindows)).c_str());
    AppendMenuW(menu.get(), MF_STRING, kTrayCommandClose, Widen(Tr(TextId::MenuClose)).c_str());
    UniqueBitmap glyph = MakeCloseGlyph();
    if (glyph) SetMenuItemBitmaps(menu.get(), kTrayCommandClose, MF_BYCOMMAND, glyph.get(), glyph.get());
    // The owner must be in front, or the menu would not close when the user
    // clicks elsewhere.
    SetForegroundWindow(owner);
    UINT command = static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                                    at.x, at.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    return command;
}

}  // namespace zentrova::platform
