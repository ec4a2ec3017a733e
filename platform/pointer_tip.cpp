#include "platform/pointer_tip.h"

#include <windowsx.h>

#include "platform/wide_text.h"

namespace zentrova::platform {
namespace {

// Wide enough for a title on one line, and set at all so that '\n' breaks.
constexpr int kMaxTipWidth = 400;

}  // namespace

TOOLINFOW PointerTip::ToolInfo(wchar_t* text) const {
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = window_;
    info.uId = reinterpret_cast<UINT_PTR>(window_);
    info.lpszText = text;
    return info;
}

bool PointerTip::Create() {
    tip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                               GetModuleHandleW(nullptr), nullptr));
    if (!tip_) return false;
    wchar_t empty[] = L"";
    TOOLINFOW info = ToolInfo(empty);
    SendMessageW(tip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    SendMessageW(tip_.get(), TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    return true;
}

void PointerTip::Follow(const std::string& text) {
    if (text == shown_) return;
    const bool creating = !tip_;
    if (creating && (text.empty() || !Create())) return;
    shown_ = text;
    std::wstring wide = Widen(text);
    TOOLINFOW info = ToolInfo(wide.data());
    SendMessageW(tip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    // No text: no tip at all until the pointer reaches a day that has one.
    SendMessageW(tip_.get(), TTM_ACTIVATE, text.empty() ? FALSE : TRUE, 0);
    // A new tip sees the window's pointer messages from the next one on;
    // it is handed this one, so it shows where the pointer came to rest.
    if (creating) RelayPointerMove();
}

void PointerTip::RelayPointerMove() const {
    const DWORD at = GetMessagePos();
    const POINT screen{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    POINT client = screen;
    ScreenToClient(window_, &client);
    MSG move{window_, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y), static_cast<DWORD>(GetMessageTime()), screen};
    SendMessageW(tip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

}  // namespace zentrova::platform
