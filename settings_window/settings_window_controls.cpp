// The settings window's controls: making them, filling them from the
// settings at start-up, and what each change does.

#include <algorithm>
#include <cstdlib>

#include "app/start_with_windows.h"
#include "clock/clock_formats.h"
#include "settings_window/settings_window.h"

namespace zentrova {
namespace {

constexpr std::string_view kReadOnlyStep = "";

// Start-up fill: each name is set from its setting in this order. The
// handlers of changed sliders and check boxes run along the way, so the
// display windows are rebuilt, shown and sent wandering as the values say.
constexpr std::string_view kFillOrder[] = {
    "ComboBox1",  "ComboBox2",  "ComboBox3",
    "CheckBox1",  "CheckBox2",  "CheckBox3",  "CheckBox4",  "CheckBox5",  "CheckBox6",
    "TrackBar1",  "TrackBar2",  "TrackBar3",
    "CheckBox8",  "CheckBox9",  "CheckBox10", "CheckBox11", "CheckBox20", "CheckBox21",
    "TrackBar4",  "TrackBar5",  "TrackBar6",
    "CheckBox12", "CheckBox13", "CheckBox14", "CheckBox15", "CheckBox16",
    "TrackBar7",  "TrackBar8",  "TrackBar9",
    "ComboBox4",  kReadOnlyStep,
    "ComboBox5",  "ComboBox6",  "ComboBox7",  "ComboBox8",  "ComboBox9",  "CheckBox17",
    "CheckBox18", "CheckBox19", "Edit1",
    "ComboBox11", "ComboBox12", "ComboBox13",
};

std::span<const std::string_view> ItemsOf(ListKind kind) {
    switch (kind) {
        case ListKind::TimeFormat: return TimeFormatLabels();
        case ListKind::DateFormat: return DateFormatLabels();
        case ListKind::FontName: return FontNames();
        case ListKind::CountTitle:
        case ListKind::ClockZone: return {};  // filled from the settings or the system
        case ListKind::WeekStart: return WeekStartLabels();
        case ListKind::WeekNumbers: return WeekNumberLabels();
        case ListKind::Stay: return StayLabels();
    }
    return {};
}

template <typename Entry>
int IndexOf(std::span<const Entry> entries, std::string_view name) {
    auto it = std::find_if(entries.begin(), entries.end(), [&](const Entry& entry) { return entry.name == name; });
    return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
}

template <typename Control, typename Entry>
Control& Named(const std::vector<Control*>& controls, std::span<const Entry> entries, std::string_view name) {
    const int index = IndexOf(entries, name);
    // The names are the program's own; an unknown one is a programming error.
    if (index < 0 || !controls[index]) std::abort();
    return *controls[index];
}

}  // namespace

void TForm2::CreateControls() {
    ControlFactory& factory = links_.host.Controls();
    for (const LabelEntry& entry : SettingsLabels()) factory.AddLabel(entry);
    for (const SliderEntry& entry : SettingsSliders()) {
        const std::size_t index = sliders_.size();
        sliders_.push_back(&factory.AddSlider(entry, [this, &entry, index] { SliderChanged(entry, *sliders_[index]); }));
    }
    for (const CheckEntry& entry : SettingsCheckBoxes()) {
        const std::size_t index = checkBoxes_.size();
        checkBoxes_.push_back(
            &factory.AddCheckBox(entry, [this, &entry, index] { CheckBoxChanged(entry, *checkBoxes_[index]); }));
    }
    for (const ListEntry& entry : SettingsLists()) {
        const std::size_t index = lists_.size();
        lists_.push_back(
            &factory.AddList(entry, ItemsOf(entry.kind), [this, &entry, index] { ListChanged(entry, *lists_[index]); }));
    }
    for (const EditEntry& entry : SettingsEdits()) {
        const std::size_t index = edits_.size();
        edits_.push_back(&factory.AddEdit(entry, [this, &entry, index] { EditChanged(entry, *edits_[index]); }));
    }
    for (const ButtonEntry& entry : SettingsButtons()) {
        factory.AddButton(entry, [this, name = entry.name] { ButtonClicked(name); });
    }
}

SliderControl& TForm2::Slider(std::string_view name) const { return Named(sliders_, SettingsSliders(), name); }
CheckControl& TForm2::CheckBox(std::string_view name) const {
    return Named(checkBoxes_, SettingsCheckBoxes(), name);
}
ListControl& TForm2::List(std::string_view name) const { return Named(lists_, SettingsLists(), name); }
TextControl& TForm2::Edit(std::string_view name) const { return Named(edits_, SettingsEdits(), name); }

void TForm2::FillControls() {
    for (std::string_view name : kFillOrder) FillControl(name);
}

void TForm2::FillControl(std::string_view name) {
    if (name == kReadOnlyStep) {
        // Only the calendar's font list takes typing.
        for (std::size_t i = 0; i < lists_.size(); ++i) {
            if (!SettingsLists()[i].editable) lists_[i]->SetReadOnly(true);
        }
        return;
    }
    if (int i = IndexOf(SettingsSliders(), name); i >= 0) {
        sliders_[i]->SetPosition(settings_.*SettingsSliders()[i].setting);
        return;
    }
    if (int i = IndexOf(SettingsCheckBoxes(), name); i >= 0) {
        const CheckEntry& entry = SettingsCheckBoxes()[i];
        checkBoxes_[i]->SetChecked(entry.flag ? settings_.*entry.flag : StartsWithWindows(links_.store));
        return;
    }
    if (int i = IndexOf(SettingsEdits(), name); i >= 0) {
        edits_[i]->SetText(settings_.*SettingsEdits()[i].text);
        return;
    }
    const int i = IndexOf(SettingsLists(), name);
    if (i < 0) return;
    const ListEntry& entry = SettingsLists()[i];
    ListControl& list = *lists_[i];
    switch (entry.kind) {
        case ListKind::TimeFormat:
        case ListKind::DateFormat:
            FillFormatSamples(entry, list);
            break;
        case ListKind::WeekNumbers:
        case ListKind::Stay:
            // An index outside the items shows no selection; the stored
            // value stays until the user chooses.
            list.Select(settings_.*entry.index);
            break;
        case ListKind::WeekStart:
            list.Select(settings_.*entry.index + 1);
            break;
        case ListKind::FontName:
            list.SetText(settings_.*entry.text);
            break;
        case ListKind::CountTitle:
            FillTitleList(list, settings_, links_.locale);
            list.Select(settings_.CountIndex);
            break;
        case ListKind::ClockZone:
            break;  // not in the start-up order: FillClockZoneList fills it when the window first shows
    }
}

void TForm2::FillFormatSamples(const ListEntry& entry, ListControl& list) {
    const LocalTime now = links_.time.Now();
    const std::vector<std::string> items = entry.kind == ListKind::TimeFormat ? TimeFormatItems(now, links_.locale)
                                                                              : DateFormatItems(now, links_.locale);
    list.Clear();
    for (const std::string& item : items) list.Append(item);
    // An index outside the items shows no selection; the stored value stays
    // until the user chooses.
    list.Select(settings_.*entry.index);
}

void TForm2::RefreshFormatSamples() {
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        const ListEntry& entry = SettingsLists()[i];
        if (entry.kind == ListKind::TimeFormat || entry.kind == ListKind::DateFormat) FillFormatSamples(entry, *lists_[i]);
    }
}

void TForm2::FillClockZoneList() {
    zones_ = links_.zones.Zones();
    SortForZoneList(zones_);
    ListControl& list = List(kClockZoneList);
    FillZoneList(list, zones_);
    // A zone the system no longer lists shows as "Local time"; the stored
    // name stays until the user chooses.
    list.Select(ZoneItemIndex(zones_, settings_.ClockZone));
    zoneListFilled_ = true;
}

void TForm2::SliderChanged(const SliderEntry& entry, const SliderControl& slider) {
    settings_.*entry.setting = slider.Position();
    links_.displays.Rebuild(WindowOfPage(entry.page));
}

void TForm2::CheckBoxChanged(const CheckEntry& entry, const CheckControl& box) {
    const bool checked = box.Checked();
    if (entry.flag) settings_.*entry.flag = checked;
    switch (entry.action) {
        case CheckAction::Rebuild:
            links_.displays.Rebuild(WindowOf(entry));
            break;
        case CheckAction::ShowOrHide:
            links_.displays.SetVisible(WindowOf(entry), checked);
            break;
        case CheckAction::NewClockVelocity:
            // Drawn both ways: a cleared box stops the clock all the same.
            links_.displays.NewClockVelocity();
            links_.displays.Wake(DisplayWindowId::Clock);
            break;
        case CheckAction::FlagOnly:
            // The window reads the flag on its next tick; the box is felt
            // at once rather than when the second next changes.
            links_.displays.Wake(WindowOf(entry));
            break;
        case CheckAction::NoWindow: break;
        case CheckAction::WakeDisplays:
            for (DisplayWindowId window : {DisplayWindowId::Clock, DisplayWindowId::Countdown, DisplayWindowId::Calendar})
                links_.displays.Wake(window);
            break;
        case CheckAction::StartWithWindows:
            SetStartWithWindowsFromBox(checked);
            break;
    }
}

void TForm2::ListChanged(const ListEntry& entry, const ListControl& list) {
    switch (entry.kind) {
        case ListKind::TimeFormat:
        case ListKind::DateFormat:
        case ListKind::WeekNumbers:
            settings_.*entry.index = list.SelectedIndex();
            break;
        case ListKind::WeekStart:
            settings_.*entry.index = list.SelectedIndex() - 1;
            break;
        case ListKind::FontName:
            // What the field shows is what Save stores, typed or chosen; a
            // family the system lacks is drawn with the fallback meanwhile.
            settings_.*entry.text = list.Text();
            break;
        case ListKind::CountTitle:
            settings_.CountIndex = list.SelectedIndex();
            settings_.CountText = settings_.SelectedEntry().title;
            break;
        case ListKind::ClockZone:
            settings_.*entry.text = ZoneKeyOfItem(zones_, list.SelectedIndex());
            break;
        case ListKind::Stay:
            // The face stays as it is; the window's next tick takes its new
            // place.
            settings_.*entry.index = list.SelectedIndex();
            links_.displays.Wake(WindowOf(entry));
            return;
    }
    links_.displays.Rebuild(WindowOf(entry));
}

void TForm2::EditChanged(const EditEntry& entry, const TextControl& edit) {
    settings_.*entry.text = edit.Text();
    links_.displays.Rebuild(WindowOf(entry));
}

void TForm2::ButtonClicked(std::string_view name) {
    if (name == "Button1") Button1Click();
    if (name == "Button2") Button2Click();
    if (name == "Button5") Button5Click();
    if (name == "Button6") Button6Click();
}

}  // namespace zentrova
