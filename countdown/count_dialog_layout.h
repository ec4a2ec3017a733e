#pragma once
// The add and delete dialogs of the countdown list: caption, border, client
// size, font and every control, in tab order.

#include <span>
#include <string_view>

#include "face/dpi_scale.h"
#include "face/geometry.h"
#include "settings_window/settings_controls.h"

namespace zentrova {

enum class DialogControlKind { Text, Edit, DatePicker, TimePicker, CheckBox, OkButton, CancelButton };

struct DialogControlEntry {
    std::string_view name;
    DialogControlKind kind;
    ControlPlace place;  // inside the border
    std::string_view text;
};

struct DialogLayout {
    std::string_view caption;
    int border;   // blank margin around the controls
    SizeI client;  // the controls' area, without the border
    std::string_view fontFamily;
    int fontPixels;
    std::span<const DialogControlEntry> controls;  // creation and tab order
};

// The client area (controls and border) and a control's place in it at a scale.
SizeI DialogClientSize(const DialogLayout& layout, DpiScale scale);
ControlPlace DialogControlPlace(const DialogLayout& layout, const DialogControlEntry& control, DpiScale scale);

const DialogLayout& AddDialogLayout();
const DialogLayout& DeleteDialogLayout();

}  // namespace zentrova
