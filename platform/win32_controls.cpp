#include "platform/win32_controls.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/wide_text.h"
#include "platform/win32_handles.h"

namespace zentrova::platform {

LRESULT Win32Control::SendAsProgram(UINT message, WPARAM wParam, LPARAM lParam) {
    programChanging_ = true;
    const LRESULT result = SendMessageW(handle_, message, wParam, lParam);
    programChanging_ = false;
    return result;
}

void Win32Control::SetTextAsProgram(const std::string& text) {
    SendAsProgram(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

Win32Slider::Win32Slider(HWND handle, int minimum, int maximum, int start, ControlHandler onChange)
    : Win32Control(handle), minimum_(minimum), maximum_(maximum), reported_(start), onChange_(std::move(onChange)) {
    SendMessageW(handle, TBM_SETRANGE, FALSE, MAKELPARAM(minimum, maximum));
    SendMessageW(handle, TBM_SETPOS, TRUE, start);
}

int Win32Slider::Position() const { return static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0)); }

void Win32Slider::SetPosition(int position) {
    position = std::clamp(position, minimum_, maximum_);
    if (position == Position()) return;
    SendMessageW(Handle(), TBM_SETPOS, TRUE, position);
    reported_ = position;
    onChange_();
}

void Win32Slider::OnScroll() {
    // A drag reports many scroll messages; the handler runs once for every
    // position the thumb reaches.
    const int position = Position();
    if (position == reported_) return;
    reported_ = position;
    onChange_();
}

Win32CheckBox::Win32CheckBox(HWND handle, ControlHandler onChange)
    : Win32Control(handle), onChange_(std::move(onChange)) {}

bool Win32CheckBox::Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Win32CheckBox::SetChecked(bool checked) {
    if (checked == Checked()) return;
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    onChange_();
}

void Win32CheckBox::OnCommand(WORD code) {
    if (code == BN_CLICKED) onChange_();
}

namespace {
constexpr UINT_PTR kTypedSearchSubclassId = 2;
}  // namespace

Win32List::Win32List(HWND handle, bool editable, ControlHandler onChange)
    : Win32Control(handle), editable_(editable), onChange_(std::move(onChange)) {}

Win32List::~Win32List() {
    if (searchedField_) RemoveWindowSubclass(searchedField_, &Win32List::FieldProcedure, kTypedSearchSubclassId);
}

LRESULT CALLBACK Win32List::FieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                           DWORD_PTR self) {
    auto* list = reinterpret_cast<Win32List*>(self);
    const bool readOnly = (GetWindowLongW(field, GWL_STYLE) & ES_READONLY) != 0;
    if (message == WM_CHAR && wParam >= L' ' && readOnly) {
        list->ChooseByLetter(static_cast<wchar_t>(wParam));
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(field, &Win32List::FieldProcedure, kTypedSearchSubclassId);
        list->searchedField_ = nullptr;
    }
    return DefSubclassProc(field, message, wParam, lParam);
}

void Win32List::ChooseByLetter(wchar_t letter) {
    std::vector<std::string> items;
    const int count = ItemCount();
    items.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) items.push_back(ItemText(i));
    const int current = SelectedIndex();
    const int index = TypeLetter(search_, Narrow(std::wstring(1, letter)), GetMessageTime(), items, current);
    if (index < 0 || index == current) return;
    Select(index);
    SetText(ItemText(index));
    onChange_();
}

int Win32List::ItemCount() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0)); }

void Win32List::Append(const std::string& item) {
    SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    // The drop-down grows to its longest line (the field keeps its place
    // and width), so long lines such as the titles' are not cut.
    const int width = DropDownWidthFor(item);
    if (width > droppedWidth_) {
        droppedWidth_ = width;
        SendMessageW(Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(droppedWidth_), 0);
    }
}

void Win32List::Clear() {
    SendAsProgram(CB_RESETCONTENT, 0, 0);
    droppedWidth_ = 0;
    SendMessageW(Handle(), CB_SETDROPPEDWIDTH, 0, 0);
}

int Win32List::DropDownWidthFor(const std::string& item) const {
    ScreenDc screen;
    const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    ScopedSelect select(screen.get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent{};
    const std::wstring wide = Widen(item);
    GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
    // The list's border, its items' inner margins and a scroll bar, which
    // appears once the list holds more lines than it shows.
    constexpr int kItemMargins = 8;
    return extent.cx + kItemMargins + 2 * GetSystemMetrics(SM_CXEDGE) + GetSystemMetrics(SM_CXVSCROLL);
}

int Win32List::SelectedIndex() const {
    const LRESULT index = SendMessageW(Handle(), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void Win32List::Select(int index) { SendAsProgram(CB_SETCURSEL, index >= 0 && index < ItemCount() ? index : -1, 0); }

std::string Win32List::Text() const { return WindowText(Handle()); }

void Win32List::SetText(const std::string& text) { SetTextAsProgram(text); }

void Win32List::SetReadOnly(bool readOnly) {
    HWND field = GetWindow(Handle(), GW_CHILD);
    if (!field) return;
    SendMessageW(field, EM_SETREADONLY, readOnly ? 1 : 0, 0);
    if (readOnly && !searchedField_ &&
        SetWindowSubclass(field, &Win32List::FieldProcedure, kTypedSearchSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        searchedField_ = field;
}

std::string Win32List::ItemText(int index) const {
    const LRESULT length = SendMessageW(Handle(), CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(Handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
    return Narrow(text);
}

void Win32List::OnCommand(WORD code) {
    if (code == CBN_SELCHANGE) {
        // The field still shows the old text while this notification runs;
        // put the chosen item there first so the handler reads it.
        const int index = SelectedIndex();
        if (index < 0) return;
        SetText(ItemText(index));
        onChange_();
    } else if (code == CBN_EDITCHANGE && editable_ && !ProgramChanging()) {
        onChange_();
    }
}

Win32Edit::Win32Edit(HWND handle, int maxLength, ControlHandler onChange)
    : Win32Control(handle), onChange_(std::move(onChange)) {
    SendMessageW(handle, EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength), 0);
}

std::string Win32Edit::Text() const { return WindowText(Handle()); }

void Win32Edit::SetText(const std::string& text) { SetTextAsProgram(text); }

void Win32Edit::OnCommand(WORD code) {
    if (code == EN_CHANGE && !ProgramChanging()) onChange_();
}

void Win32Button::OnCommand(WORD code) {
    if (code == BN_CLICKED) onClick_();
}

bool ControlRouter::Route(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND && message != WM_HSCROLL) return false;
    Win32Control* control = Find(reinterpret_cast<HWND>(lParam));
    if (!control) return false;
    if (message == WM_COMMAND)
        control->OnCommand(HIWORD(wParam));
    else
        control->OnScroll();
    return true;
}

Win32Control* ControlRouter::Find(HWND handle) const {
    if (!handle) return nullptr;
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [handle](const auto& control) { return control->Handle() == handle; });
    return it == controls_.end() ? nullptr : it->get();
}

HWND CreateChild(HWND parent, const char* className, const std::string& text, DWORD style, const ControlPlace& place,
                 HFONT font, int id) {
    HWND child = CreateWindowExW(0, Widen(className).c_str(), Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style,
                                 place.left, place.top, place.width, place.height, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                 nullptr);
    if (child && font) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

void PlaceChild(HWND control, const ControlPlace& place, HFONT font) {
    MoveWindow(control, place.left, place.top, place.width, place.height, TRUE);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

HFONT CreatePixelFont(const char* family, int pixels, bool bold) {
    return CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       Widen(family).c_str());
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return Narrow(text);
}

}  // namespace zentrova::platform
