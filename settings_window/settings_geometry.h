#pragma once
// The settings window's places in the language it speaks: in English the
// layout tables' own, in another each control grown to its text (measured
// in the window's font at its scale), and the window grown with them.

#include <span>
#include <string_view>
#include <vector>

#include "face/dpi_scale.h"
#include "face/services.h"
#include "settings_window/settings_layout.h"

namespace zentrova {

// All at 96 DPI; the control places parallel to the layout's tables.
struct SettingsGeometry {
    std::vector<ControlPlace> labels;
    std::vector<ControlPlace> sliders;
    std::vector<ControlPlace> checkBoxes;
    std::vector<ControlPlace> lists;
    std::vector<ControlPlace> edits;
    std::vector<ControlPlace> buttons;
    ControlPlace pages;  // the tab control
    SizeI client;
};

// `family`: the window's font, which may stand in for the layout's where
// that lacks the language's letters.
SettingsGeometry SettingsLayoutGeometry(TextMeasurer& measurer, DpiScale scale,
                                        std::string_view family = kSettingsFontFamily);

// A list's fixed items (none for the lists filled from the settings or the
// system) in the current language.
std::vector<std::string_view> FixedItems(ListKind kind);
// The items a list grows to hold whole: its words. A format list's items
// end in a sample longer than the list in every language, and it opens
// wider than its box; font names are the same in every language.
std::vector<std::string_view> ItemsToFit(ListKind kind);

}  // namespace zentrova
