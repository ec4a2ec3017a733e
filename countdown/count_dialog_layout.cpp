#include "countdown/count_dialog_layout.h"

#include <algorithm>
#include <iterator>

#include "app/program_names.h"
#include "language/languages.h"
#include "language/texts.h"
#include "settings/settings.h"
#include "settings_window/fit_to_text.h"
#include "settings_window/scaled_place.h"

namespace zentrova {
namespace {

using K = DialogControlKind;

// Static texts take no focus, so the tab order is that of the other controls:
// the title, OK, Cancel, then the two pickers and "Repeat".
constexpr DialogControlEntry kAddControls[] = {
    {"StaticText1", K::Text, {0, 0, 96, 20}, TextId::DialogTitle},
    {"Edit1", K::Edit, {0, 30, 281, 24}, {}},
    {"OKBtn", K::OkButton, {71, 180, 75, 25}, TextId::ButtonOk},
    {"CancelBtn", K::CancelButton, {151, 180, 75, 25}, TextId::ButtonCancel},
    {"StaticText2", K::Text, {0, 72, 70, 20}, TextId::DialogDate},
    {"DateTimePicker1", K::DatePicker, {120, 72, 162, 24}, {}},
    {"StaticText3", K::Text, {0, 112, 71, 20}, TextId::DialogTime},
    {"DateTimePicker2", K::TimePicker, {120, 112, 162, 24}, {}},
    {"StaticText4", K::Text, {0, 148, 71, 20}, TextId::DialogRepeat},
    {"ComboBox1", K::DropDownList, {120, 146, 162, 24}, {}},
};

constexpr DialogControlEntry kDeleteControls[] = {
    // Its text is replaced by the selected title when the dialog opens; it
    // is as wide as the dialog and two lines high, so that a long title
    // stays readable. The entry's date and time stand below it.
    {"StaticText1", K::Text, {0, 0, 300, 40}, TextId::DialogSelected},
    {"StaticText3", K::Text, {0, 42, 300, 20}, {}},
    {"StaticText2", K::Text, {0, 68, 300, 24}, TextId::DialogDeleteQuestion},
    {"OKBtn", K::OkButton, {73, 100, 75, 25}, TextId::ButtonOk},
    {"CancelBtn", K::CancelButton, {161, 100, 75, 25}, TextId::ButtonCancel},
};

constexpr TextId kRepeatChoices[] = {TextId::RepeatNever, TextId::RepeatWeekly, TextId::RepeatMonthly,
                                     TextId::RepeatYearly};
static_assert(std::size(kRepeatChoices) == kCountRepeatLast + 1);

const DialogLayout kAdd{kDialogCaption, 10, {282, 205}, "Arial", 13, kAddControls};
const DialogLayout kDelete{kDialogCaption, 8, {300, 125}, "Microsoft Sans Serif", 16, kDeleteControls};

}  // namespace

SizeI DialogClientSize(const DialogLayout& layout, DpiScale scale) {
    return DialogClientSize(layout, layout.client, scale);
}

ControlPlace DialogControlPlace(const DialogLayout& layout, const DialogControlEntry& control, DpiScale scale) {
    return DialogControlPlace(layout, control.place, scale);
}

const DialogLayout& AddDialogLayout() { return kAdd; }
const DialogLayout& DeleteDialogLayout() { return kDelete; }
std::vector<std::string_view> RepeatChoices() {
    std::vector<std::string_view> choices;
    for (TextId choice : kRepeatChoices) choices.push_back(Tr(choice));
    return choices;
}

SizeI DialogClientSize(const DialogLayout& layout, SizeI client, DpiScale scale) {
    return scale.Pixels(SizeI{client.width + 2 * layout.border, client.height + 2 * layout.border});
}

ControlPlace DialogControlPlace(const DialogLayout& layout, ControlPlace design, DpiScale scale) {
    design.left += layout.border;
    design.top += layout.border;
    return ScaledPlace(design, scale);
}

DialogPlaces FitDialogToText(const DialogLayout& layout, TextMeasurer& measurer, DpiScale scale,
                             std::string_view family) {
    DialogPlaces places{layout.client, {}};
    // English keeps the table's places, as the settings window does.
    if (&CurrentLanguage() == &EnglishLanguage()) {
        for (const DialogControlEntry& control : layout.controls) places.controls.push_back(control.place);
        return places;
    }
    if (family.empty()) family = layout.fontFamily;
    std::vector<TextRoom> rooms;
    for (const DialogControlEntry& control : layout.controls) {
        const bool button = control.kind == K::OkButton || control.kind == K::CancelButton;
        const int needed = control.text ? NeededWidth(measurer, scale, family, layout.fontPixels, Tr(*control.text),
                                                      button ? TextChrome::Button : TextChrome::Label)
                                        : 0;
        rooms.push_back({control.place, needed, 0});
    }
    places.controls = GrowToText(rooms);
    for (const ControlPlace& place : places.controls)
        places.client.width = std::max(places.client.width, place.left + place.width);
    return places;
}

}  // namespace zentrova
