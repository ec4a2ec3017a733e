#include "platform/settings_pages.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/accessible_value.h"
#include "platform/system_contrast.h"
#include "platform/wide_text.h"
#include "language/texts.h"
#include "platform/font_fallback.h"
#include "settings_window/held_controls.h"
#include "settings_window/scaled_place.h"

namespace zentrova::platform {
namespace {

constexpr char kPageClass[] = "ZentrovaSettingsPage";

HBRUSH PageBrush() { return GetSysColorBrush(COLOR_WINDOW); }

UniqueFont SettingsFont(const std::string& family, DpiScale scale) {
    return UniqueFont(CreatePixelFont(family.c_str(), scale.Pixels(kSettingsFontPixels)));
}

}  // namespace

SettingsPageWindow::SettingsPageWindow(HWND parent, const RECT& place, ControlRouter& router) : router_(router) {
    WindowOptions entry;
    entry.className = kPageClass;
    entry.style = WS_CHILD | WS_CLIPSIBLINGS;
    entry.exStyle = WS_EX_CONTROLPARENT;
    entry.outer = place;
    entry.owner = parent;
    CreateWindowFrom(entry);
}

LRESULT SettingsPageWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_HSCROLL:
            if (router_.Route(message, wParam, lParam)) return 0;
            break;
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(Handle(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, PageBrush());
            return 1;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            // Labels, boxes and sliders: black text on the page's colour, or
            // the system's window text in high contrast.
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, SystemHighContrast() ? GetSysColor(COLOR_WINDOWTEXT) : RGB(0, 0, 0));
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(PageBrush());
        }
        default:
            break;
    }
    return WindowBase::HandleMessage(message, wParam, lParam);
}

SettingsPages::SettingsPages(HWND window, DpiScale scale)
    : window_(window),
      scale_(scale),
      family_(LanguageFamily(fallback_, std::string(kSettingsFontFamily))),
      geometry_(SettingsLayoutGeometry(measurer_, scale, family_)),
      font_(SettingsFont(family_, scale)) {}

void SettingsPages::Realize() {
    if (realized_) return;
    realized_ = true;
    tabs_ = CreateChild(window_, "SysTabControl32", "", WS_CLIPSIBLINGS | WS_TABSTOP,
                        ScaledPlace(geometry_.pages, scale_), font_.get());
    WriteTabCaptions(TCM_INSERTITEMW);
    const RECT display = PageRect();
    HWND previous = tabs_;
    for (auto& page : pages_) {
        page = std::make_unique<SettingsPageWindow>(window_, display, router_);
        // After the tabs, which read first, and in the tabs' order.
        SetWindowPos(page->Handle(), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = page->Handle();
    }
    CutTabsAroundPages();
    for (const auto& make : makers_) make();
    makers_ = {};
    ShowPage(shownPage_);
}

// The tab control lies above the pages in the Z order (the Tab order), so it
// is cut to its tabs and frame: otherwise it would paint over the page.
void SettingsPages::CutTabsAroundPages() {
    const ControlPlace outer = ScaledPlace(geometry_.pages, scale_);
    const RECT inner = PageRect();
    UniqueRegion region(CreateRectRgn(0, 0, outer.width, outer.height));
    const UniqueRegion hole(CreateRectRgn(inner.left - outer.left, inner.top - outer.top, inner.right - outer.left,
                                          inner.bottom - outer.top));
    CombineRgn(region.get(), region.get(), hole.get(), RGN_DIFF);
    // The window owns the region once it has taken it.
    if (SetWindowRgn(tabs_, region.get(), TRUE)) region.release();
}

// The pages' area inside the tab control, at the current scale.
RECT SettingsPages::PageRect() const {
    const ControlPlace pages = ScaledPlace(geometry_.pages, scale_);
    RECT display{pages.left, pages.top, pages.left + pages.width, pages.top + pages.height};
    SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    return display;
}

const ControlPlace& SettingsPages::DesignPlace(const PlacedControl& control) const {
    switch (control.table) {
        case Table::Label: return geometry_.labels[control.index];
        case Table::Slider: return geometry_.sliders[control.index];
        case Table::CheckBox: return geometry_.checkBoxes[control.index];
        case Table::List: return geometry_.lists[control.index];
        case Table::Edit: return geometry_.edits[control.index];
        case Table::Button: break;
    }
    return geometry_.buttons[control.index];
}

HWND SettingsPages::AddChild(HWND parent, const char* className, DWORD style, const PlacedControl& control) {
    const std::string text = control.caption ? std::string(Tr(*control.caption)) : std::string();
    HWND handle = CreateChild(parent, className, text, style, ScaledPlace(DesignPlace(control), scale_), font_.get());
    PlacedControl placed = control;
    placed.handle = handle;
    placed_.push_back(placed);
    if (control.namedByLabel) NameByLabel(handle, std::string(ControlLabel(control.name)));
    return handle;
}

HWND SettingsPages::AddPageChild(zentrova::SettingsPage page, const char* className, DWORD style,
                                 const PlacedControl& control) {
    HWND handle = AddChild(PageWindow(page), className, style, control);
    PlaceInTabOrder(page, handle, control.name);
    return handle;
}

void SettingsPages::PlaceInTabOrder(zentrova::SettingsPage page, HWND handle, std::string_view name) {
    const std::vector<std::string_view> order = PageReadingOrder(page);
    const auto rank = [&](std::string_view control) {
        return std::find(order.begin(), order.end(), control) - order.begin();
    };
    const auto mine = rank(name);
    HWND after = HWND_TOP;
    auto afterRank = mine;
    for (const PlacedControl& control : placed_) {
        if (control.handle == handle || GetParent(control.handle) != PageWindow(page)) continue;
        const auto theirs = rank(control.name);
        if (theirs < mine && (after == HWND_TOP || theirs > afterRank)) {
            after = control.handle;
            afterRank = theirs;
        }
    }
    SetWindowPos(handle, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void SettingsPages::PlaceAll() {
    if (!realized_) return;
    PlaceChild(tabs_, ScaledPlace(geometry_.pages, scale_), font_.get());
    const RECT display = PageRect();
    for (auto& page : pages_) {
        MoveWindow(page->Handle(), display.left, display.top, display.right - display.left,
                   display.bottom - display.top, TRUE);
    }
    CutTabsAroundPages();
    for (const PlacedControl& control : placed_) {
        PlaceChild(control.handle, ScaledPlace(DesignPlace(control), scale_), font_.get());
    }
}

// The tabs' captions in the current language: made (TCM_INSERTITEMW) or
// set anew (TCM_SETITEMW).
void SettingsPages::WriteTabCaptions(UINT message) {
    for (std::size_t i = 0; i < std::size(kPageCaptions); ++i) {
        std::wstring caption = Widen(Tr(kPageCaptions[i]));
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(tabs_, message, i, reinterpret_cast<LPARAM>(&item));
    }
}

// A new font at the current scale and family, the places fitted to it
// (text does not scale in proportion), every control placed anew. The old
// font lives until every control has taken the new one.
void SettingsPages::Refit() {
    const UniqueFont old = std::move(font_);
    font_ = SettingsFont(family_, scale_);
    geometry_ = SettingsLayoutGeometry(measurer_, scale_, family_);
    PlaceAll();
}

void SettingsPages::Relayout(DpiScale scale) {
    scale_ = scale;
    Refit();
}

void SettingsPages::Retext() {
    if (realized_) WriteTabCaptions(TCM_SETITEMW);
    for (const PlacedControl& control : placed_) {
        if (control.caption) SetWindowTextW(control.handle, Widen(Tr(*control.caption)).c_str());
        if (control.namedByLabel) NameByLabel(control.handle, std::string(ControlLabel(control.name)));
    }
    // Another language may want another font for its letters.
    family_ = LanguageFamily(fallback_, std::string(kSettingsFontFamily));
    Refit();
}

HWND SettingsPages::PageWindow(zentrova::SettingsPage page) const {
    return pages_[static_cast<std::size_t>(page)]->Handle();
}

void SettingsPages::ShowPage(int index) {
    shownPage_ = index;
    if (!realized_) return;
    SendMessageW(tabs_, TCM_SETCURSEL, index, 0);
    for (std::size_t i = 0; i < pages_.size(); ++i)
        ShowWindow(pages_[i]->Handle(), static_cast<int>(i) == index ? SW_SHOW : SW_HIDE);
}

void SettingsPages::TurnPage(int step) {
    if (!realized_) return;
    const int count = static_cast<int>(pages_.size());
    const int current = static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0));
    ShowPage(((current + step) % count + count) % count);
    SetFocus(tabs_);
}

namespace {

template <typename Entry>
std::size_t IndexIn(std::span<const Entry> table, const Entry& entry) {
    return static_cast<std::size_t>(&entry - table.data());
}

}  // namespace

void SettingsPages::MakeLabel(const LabelEntry& entry) {
    AddPageChild(entry.page, "STATIC", SS_LEFT | SS_NOPREFIX,
                 {nullptr, Table::Label, IndexIn(SettingsLabels(), entry), entry.name, entry.caption});
}

SliderControl& SettingsPages::MakeSlider(const SliderEntry& entry, ControlHandler onChange) {
    HWND handle = AddPageChild(entry.page, "msctls_trackbar32", WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM,
                               {nullptr, Table::Slider, IndexIn(SettingsSliders(), entry), entry.name, {}, true});
    return router_.Add(
        std::make_unique<Win32Slider>(handle, entry.minimum, entry.maximum, entry.start, std::move(onChange)));
}

CheckControl& SettingsPages::MakeCheckBox(const CheckEntry& entry, ControlHandler onChange) {
    HWND handle = AddPageChild(entry.page, "BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX,
                               {nullptr, Table::CheckBox, IndexIn(SettingsCheckBoxes(), entry), entry.name,
                                entry.caption});
    return router_.Add(std::make_unique<Win32CheckBox>(handle, std::move(onChange)));
}

ListControl& SettingsPages::MakeList(const ListEntry& entry, std::span<const std::string_view> items,
                                     ControlHandler onChange) {
    HWND handle = AddPageChild(entry.page, "COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                               {nullptr, Table::List, IndexIn(SettingsLists(), entry), entry.name, {}, true});
    auto& list = router_.Add(std::make_unique<Win32List>(handle, entry.editable, std::move(onChange)));
    for (std::string_view item : items) list.Append(std::string(item));
    return list;
}

TextControl& SettingsPages::MakeEdit(const EditEntry& entry, ControlHandler onChange) {
    HWND handle = AddPageChild(entry.page, "EDIT", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
                               {nullptr, Table::Edit, IndexIn(SettingsEdits(), entry), entry.name, {}, true});
    return router_.Add(std::make_unique<Win32Edit>(handle, entry.maxLength, std::move(onChange)));
}

ButtonControl& SettingsPages::MakeButton(const ButtonEntry& entry, ControlHandler onClick) {
    constexpr DWORD kStyle = WS_TABSTOP | BS_PUSHBUTTON;
    const PlacedControl control{nullptr, Table::Button, IndexIn(SettingsButtons(), entry), entry.name, entry.caption};
    HWND handle = entry.onPage ? AddPageChild(entry.page, "BUTTON", kStyle, control)
                               : AddChild(window_, "BUTTON", kStyle, control);
    return router_.Add(std::make_unique<Win32Button>(handle, std::move(onClick)));
}

void SettingsPages::AddLabel(const LabelEntry& entry) {
    if (realized_) return MakeLabel(entry);
    makers_.push_back([this, &entry] { MakeLabel(entry); });
}

SliderControl& SettingsPages::AddSlider(const SliderEntry& entry, ControlHandler onChange) {
    if (realized_) return MakeSlider(entry, std::move(onChange));
    return Hold(std::make_shared<HeldSlider>(entry.minimum, entry.maximum, entry.start, std::move(onChange)),
                [this, &entry](ControlHandler handler) -> SliderControl& { return MakeSlider(entry, handler); });
}

CheckControl& SettingsPages::AddCheckBox(const CheckEntry& entry, ControlHandler onChange) {
    if (realized_) return MakeCheckBox(entry, std::move(onChange));
    return Hold(std::make_shared<HeldCheckBox>(std::move(onChange)),
                [this, &entry](ControlHandler handler) -> CheckControl& { return MakeCheckBox(entry, handler); });
}

ListControl& SettingsPages::AddList(const ListEntry& entry, std::span<const std::string_view> items,
                                    ControlHandler onChange) {
    if (realized_) return MakeList(entry, items, std::move(onChange));
    return Hold(std::make_shared<HeldList>(std::vector<std::string>(items.begin(), items.end()), std::move(onChange)),
                [this, &entry](ControlHandler handler) -> ListControl& { return MakeList(entry, {}, handler); });
}

TextControl& SettingsPages::AddEdit(const EditEntry& entry, ControlHandler onChange) {
    if (realized_) return MakeEdit(entry, std::move(onChange));
    return Hold(std::make_shared<HeldEdit>(std::move(onChange)),
                [this, &entry](ControlHandler handler) -> TextControl& { return MakeEdit(entry, handler); });
}

ButtonControl& SettingsPages::AddButton(const ButtonEntry& entry, ControlHandler onClick) {
    if (realized_) return MakeButton(entry, std::move(onClick));
    return Hold(std::make_shared<HeldButton>(std::move(onClick)),
                [this, &entry](ControlHandler handler) -> ButtonControl& { return MakeButton(entry, handler); });
}

bool SettingsPages::Route(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!realized_) return false;
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom != tabs_ || header->code != TCN_SELCHANGE) return false;
        ShowPage(static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)));
        return true;
    }
    return router_.Route(message, wParam, lParam);
}

}  // namespace zentrova::platform
