#pragma once
// The settings window's tab control with its pages ("Clock", "Countdown",
// "Calendar", "General") and every control on them and below them, made
// from the core's layout tables.

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/win32_controls.h"
#include "platform/font_fallback.h"
#include "platform/win32_handles.h"
#include "platform/win32_services.h"
#include "platform/window_base.h"
#include "settings_window/settings_controls.h"
#include "settings_window/settings_geometry.h"
#include "settings_window/settings_layout.h"

namespace zentrova::platform {

// One tab page: a child window that holds its controls and passes their
// notifications to the router.
class SettingsPageWindow final : public WindowBase {
public:
    SettingsPageWindow(HWND parent, const RECT& place, ControlRouter& router);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ControlRouter& router_;
};

// The system controls are made only when the window is first shown
// (Realize): until then the logic's controls are stand-ins that hold their
// state (settings_window/held_controls.h), and the pages keep only their
// geometry, which gives the window its size.
class SettingsPages final : public ControlFactory {
public:
    // Controls are made at `scale` from the layout tables' 96-DPI places.
    SettingsPages(HWND window, DpiScale scale);

    // Makes the tabs, the pages and every control added so far, each in the
    // state its stand-in holds. Once only; later controls are made at once.
    void Realize();

    void AddLabel(const LabelEntry& entry) override;
    SliderControl& AddSlider(const SliderEntry& entry, ControlHandler onChange) override;
    CheckControl& AddCheckBox(const CheckEntry& entry, ControlHandler onChange) override;
    ListControl& AddList(const ListEntry& entry, std::span<const std::string_view> items,
                         ControlHandler onChange) override;
    TextControl& AddEdit(const EditEntry& entry, ControlHandler onChange) override;
    ButtonControl& AddButton(const ButtonEntry& entry, ControlHandler onClick) override;

    // The window's own WM_COMMAND, WM_HSCROLL and WM_NOTIFY; true when handled.
    bool Route(UINT message, WPARAM wParam, LPARAM lParam);

    // Places every control and the font again at a new scale.
    void Relayout(DpiScale scale);
    // Sets every caption in the current language and places the controls
    // for them.
    void Retext();
    // The client area the pages and the buttons below them need.
    SizeI ClientSize() const { return scale_.Pixels(geometry_.client); }

    // The next (1) or previous (-1) page in front, round the end; the keyboard
    // goes to the tabs, since the control that had it is now hidden.
    void TurnPage(int step);
    // A page in front, as if its tab had been chosen.
    void ShowPage(zentrova::SettingsPage page) { ShowPage(static_cast<int>(page)); }

private:
    // Which table a control comes from, for its place in the geometry.
    enum class Table { Label, Slider, CheckBox, List, Edit, Button };
    struct PlacedControl {
        HWND handle;
        Table table;
        std::size_t index;  // in its table
        std::string_view name;
        std::optional<TextId> caption;  // the text it shows itself
        bool namedByLabel = false;      // its accessible name is its label's
    };
    const ControlPlace& DesignPlace(const PlacedControl& control) const;
    // The real controls, made at once.
    void MakeLabel(const LabelEntry& entry);
    SliderControl& MakeSlider(const SliderEntry& entry, ControlHandler onChange);
    CheckControl& MakeCheckBox(const CheckEntry& entry, ControlHandler onChange);
    ListControl& MakeList(const ListEntry& entry, std::span<const std::string_view> items, ControlHandler onChange);
    TextControl& MakeEdit(const EditEntry& entry, ControlHandler onChange);
    ButtonControl& MakeButton(const ButtonEntry& entry, ControlHandler onClick);
    // Keeps a stand-in for the window's life and what makes its real control.
    template <typename Held, typename Make>
    Held& Hold(std::shared_ptr<Held> held, Make make) {
        held_.push_back(held);
        makers_.push_back([held, make] { held->GoLive(make(held->LiveHandler())); });
        return *held;
    }
    // Places the tab control, the pages and every control from the geometry.
    void PlaceAll();
    void WriteTabCaptions(UINT message);
    void Refit();
    HWND PageWindow(zentrova::SettingsPage page) const;
    void ShowPage(int index);
    // Creates a control at its scaled place and remembers it for relayout;
    // one on a page takes its place in the page's Tab order.
    HWND AddChild(HWND parent, const char* className, DWORD style, const PlacedControl& control);
    HWND AddPageChild(zentrova::SettingsPage page, const char* className, DWORD style, const PlacedControl& control);
    // Puts a page's new control in the Z order (which is the Tab order and
    // where a reader looks for a label) after the controls made so far that
    // come before it in reading order.
    void PlaceInTabOrder(zentrova::SettingsPage page, HWND handle, std::string_view name);
    RECT PageRect() const;
    void CutTabsAroundPages();

    HWND window_;
    DpiScale scale_;
    GdiTextMeasurer measurer_{GdiTextMeasurer::DrawnBy::Gdi};
    FontFallback fallback_;
    std::string family_;  // the controls' font
    SettingsGeometry geometry_;
    UniqueFont font_;
    std::vector<PlacedControl> placed_;
    HWND tabs_ = nullptr;
    bool realized_ = false;
    int shownPage_ = 0;
    std::vector<std::shared_ptr<void>> held_;      // the stand-ins, for the window's life
    std::vector<std::function<void()>> makers_;  // until Realize
    ControlRouter router_;
    std::array<std::unique_ptr<SettingsPageWindow>, std::size(kPageCaptions)> pages_;
};

}  // namespace zentrova::platform
