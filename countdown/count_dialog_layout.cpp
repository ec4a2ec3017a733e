#include "countdown/count_dialog_layout.h"

#include <iterator>

#include "app/program_names.h"
#include "settings/settings.h"
#include "settings_window/scaled_place.h"

namespace zentrova {
namespace {

using K = DialogControlKind;

// Static texts take no focus, so the tab order is that of the other controls:
// the title, OK, Cancel, then the two pickers and "Repeat".
constexpr DialogControlEntry kAddControls[] = {
    {"StaticText1", K::Text, {0, 0, 96, 20}, "Title Countdown"},
    {"Edit1", K::Edit, {0, 30, 281, 24}, ""},
    {"OKBtn", K::OkButton, {71, 180, 75, 25}, "OK"},
    {"CancelBtn", K::CancelButton, {151, 180, 75, 25}, "Cancel"},
    {"StaticText2", K::Text, {0, 72, 70, 20}, "Date select"},
    {"DateTimePicker1", K::DatePicker, {120, 72, 162, 24}, ""},
    {"StaticText3", K::Text, {0, 112, 71, 20}, "Time select"},
    {"DateTimePicker2", K::TimePicker, {120, 112, 162, 24}, ""},
    {"StaticText4", K::Text, {0, 148, 71, 20}, "Repeat:"},
    {"ComboBox1", K::DropDownList, {120, 146, 162, 24}, ""},
};

constexpr DialogControlEntry kDeleteControls[] = {
    // Its text is replaced by the selected title when the dialog opens; it
    // is as wide as the dialog and two lines high, so that a long title
    // stays readable. The entry's date and time stand below it.
    {"StaticText1", K::Text, {0, 0, 300, 40}, "Selected"},
    {"StaticText3", K::Text, {0, 42, 300, 20}, ""},
    {"StaticText2", K::Text, {0, 68, 300, 24}, "Do you want to delete selected?"},
    {"OKBtn", K::OkButton, {73, 100, 75, 25}, "OK"},
    {"CancelBtn", K::CancelButton, {161, 100, 75, 25}, "Cancel"},
};

constexpr std::string_view kRepeatChoices[] = {"Never", "Every week", "Every month", "Every year"};
static_assert(std::size(kRepeatChoices) == kCountRepeatLast + 1);

const DialogLayout kAdd{kDialogCaption, 10, {282, 205}, "Arial", 13, kAddControls};
const DialogLayout kDelete{kDialogCaption, 8, {300, 125}, "Microsoft Sans Serif", 16, kDeleteControls};

}  // namespace

SizeI DialogClientSize(const DialogLayout& layout, DpiScale scale) {
    return scale.Pixels(SizeI{layout.client.width + 2 * layout.border, layout.client.height + 2 * layout.border});
}

ControlPlace DialogControlPlace(const DialogLayout& layout, const DialogControlEntry& control, DpiScale scale) {
    ControlPlace place = control.place;
    place.left += layout.border;
    place.top += layout.border;
    return ScaledPlace(place, scale);
}

const DialogLayout& AddDialogLayout() { return kAdd; }
const DialogLayout& DeleteDialogLayout() { return kDelete; }
std::span<const std::string_view> RepeatChoices() { return kRepeatChoices; }

}  // namespace zentrova
