#pragma once
// The add and delete dialogs of the countdown list: caption, border, client
// size, font and every control, in tab order.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "face/dpi_scale.h"
#include "face/geometry.h"
#include "face/services.h"
#include "language/text_id.h"
#include "settings_window/settings_controls.h"

namespace zentrova {

enum class DialogControlKind { Text, Edit, DatePicker, TimePicker, CheckBox, DropDownList, OkButton, CancelButton };

// A drop-down list's place is its closed box; its window also holds the
// list it opens below, this much taller at 96 DPI.
inline constexpr int kOpenListHeight = 96;

struct DialogControlEntry {
    std::string_view name;
    DialogControlKind kind;
    ControlPlace place;  // inside the border
    std::optional<TextId> text;  // none for a field or picker
};

struct DialogLayout {
    std::string_view caption;
    int border;   // blank margin around the controls
    SizeI client;  // the controls' area, without the border
    std::string_view fontFamily;
    int fontPixels;
    std::span<const DialogControlEntry> controls;  // creation and tab order
};

// The client area (controls and border) and a control's place in it at a
// scale, as the table has them (English).
SizeI DialogClientSize(const DialogLayout& layout, DpiScale scale);
ControlPlace DialogControlPlace(const DialogLayout& layout, const DialogControlEntry& control, DpiScale scale);

// The controls' area and places (at 96 DPI, without the border) in the
// current language: each text grown to fit, measured at `scale`.
struct DialogPlaces {
    SizeI client;
    std::vector<ControlPlace> controls;  // parallel to the layout's
};
// `family`: the dialog's font where it stands in for the layout's; empty
// for the layout's own.
DialogPlaces FitDialogToText(const DialogLayout& layout, TextMeasurer& measurer, DpiScale scale,
                             std::string_view family = {});
SizeI DialogClientSize(const DialogLayout& layout, SizeI client, DpiScale scale);
ControlPlace DialogControlPlace(const DialogLayout& layout, ControlPlace design, DpiScale scale);

const DialogLayout& AddDialogLayout();
// The add dialog's "Repeat" list, item i standing for CountRepeat i.
std::vector<std::string_view> RepeatChoices();
const DialogLayout& DeleteDialogLayout();

}  // namespace zentrova
