// The settings window's controls: making them, filling them from the
// settings at start-up, and what each change does.

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "app/start_with_windows.h"
#include "clock/clock_formats.h"
#include "settings/clock_set.h"
#include "settings_window/clock_chooser.h"
#include "settings_window/settings_window.h"
#include "settings_window/settings_geometry.h"

namespace zentrova {
namespace {

constexpr std::string_view kReadOnlyStep = "";

// Start-up fill: each name is set from its setting in this order. The
// handlers of changed sliders and check boxes run along the way, so the
// display windows are rebuilt, shown and sent wandering as the values say.
constexpr std::string_view kFillOrder[] = {
    "ComboBox14", "ComboBox1",  "ComboBox2",  "ComboBox3",
    "CheckBox1",  "CheckBox2",  "CheckBox3",  "CheckBox4",  "CheckBox5",  "CheckBox6",  "CheckBox22", "CheckBox23",
    "TrackBar1",  "TrackBar2",  "TrackBar3",
    "CheckBox8",  "CheckBox9",  "CheckBox10", "CheckBox11", "CheckBox20", "CheckBox21",
    "TrackBar4",  "TrackBar5",  "TrackBar6",
    "CheckBox12", "CheckBox13", "CheckBox14", "CheckBox15", "CheckBox16",
    "TrackBar7",  "TrackBar8",  "TrackBar9",
    "ComboBox4",  kReadOnlyStep,
    "ComboBox5",  "ComboBox6",  "ComboBox7",  "ComboBox8",  "ComboBox9",  "CheckBox17",
    "CheckBox18", "CheckBox19", "Edit1",
    "ComboBox11", "ComboBox12", "ComboBox13", "ComboBox15",
};

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

// The page of a control of the start-up order.
std::optional<SettingsPage> PageOf(std::string_view name) {
    const auto find = [name](const auto& entries) -> std::optional<SettingsPage> {
        for (const auto& entry : entries) {
            if (entry.name == name) return entry.page;
        }
        return std::nullopt;
    };
    if (auto page = find(SettingsSliders())) return page;
    if (auto page = find(SettingsCheckBoxes())) return page;
    if (auto page = find(SettingsLists())) return page;
    return find(SettingsEdits());
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
            &factory.AddList(entry, FixedItems(entry.kind), [this, &entry, index] { ListChanged(entry, *lists_[index]); }));
    }
    for (const EditEntry& entry : SettingsEdits()) {
        const std::size_t index = edits_.size();
        edits_.push_back(&factory.AddEdit(entry, [this, &entry, index] { EditChanged(entry, *edits_[index]); }));
    }
    for (const ButtonEntry& entry : SettingsButtons()) {
        buttons_.push_back(&factory.AddButton(entry, [this, name = entry.name] { ButtonClicked(name); }));
    }
}

SliderControl& TForm2::Slider(std::string_view name) const { return Named(sliders_, SettingsSliders(), name); }
CheckControl& TForm2::CheckBox(std::string_view name) const {
    return Named(checkBoxes_, SettingsCheckBoxes(), name);
}
ListControl& TForm2::List(std::string_view name) const { return Named(lists_, SettingsLists(), name); }
TextControl& TForm2::Edit(std::string_view name) const { return Named(edits_, SettingsEdits(), name); }
ButtonControl& TForm2::Button(std::string_view name) const { return Named(buttons_, SettingsButtons(), name); }

Settings& TForm2::ValuesFor(SettingsPage page) {
    if (page != SettingsPage::Clock) return settings_;
    Settings* values = ClockValues(settings_, chosenClock_);
    return values ? *values : settings_;
}

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
        sliders_[i]->SetPosition(ValuesFor(SettingsSliders()[i].page).*SettingsSliders()[i].setting);
        return;
    }
    if (int i = IndexOf(SettingsCheckBoxes(), name); i >= 0) {
        const CheckEntry& entry = SettingsCheckBoxes()[i];
        checkBoxes_[i]->SetChecked(entry.flag ? ValuesFor(entry.page).*entry.flag : StartsWithWindows(links_.store));
        return;
    }
    if (int i = IndexOf(SettingsEdits(), name); i >= 0) {
        edits_[i]->SetText(ValuesFor(SettingsEdits()[i].page).*SettingsEdits()[i].text);
        return;
    }
    const int i = IndexOf(SettingsLists(), name);
    if (i < 0) return;
    const ListEntry& entry = SettingsLists()[i];
    ListControl& list = *lists_[i];
    Settings& values = ValuesFor(entry.page);
    switch (entry.kind) {
        case ListKind::TimeFormat:
        case ListKind::DateFormat:
            FillFormatSamples(entry, list);
            break;
        case ListKind::WeekNumbers:
        case ListKind::Stay:
            // An index outside the items shows no selection; the stored
            // value stays until the user chooses.
            list.Select(values.*entry.index);
            break;
        case ListKind::WeekStart:
            list.Select(values.*entry.index + 1);
            break;
        case ListKind::FontName:
            list.SetText(values.*entry.text);
            break;
        case ListKind::CountTitle:
            FillTitleList(list, settings_, links_.locale);
            list.Select(settings_.CountIndex);
            break;
        case ListKind::ClockZone:
            // Filled when the window first shows (FillClockZoneList); from
            // then on it shows the chosen clock's zone.
            if (zoneListFilled_) list.Select(ZoneItemIndex(zones_, values.ClockZone));
            break;
        case ListKind::Clocks:
            FillClockChooser();
            break;
        case ListKind::Language:
            list.Select(LanguageItemIndex(values.*entry.text));
            break;
    }
}

void TForm2::RefillWordLists() {
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        const ListEntry& entry = SettingsLists()[i];
        switch (entry.kind) {
            case ListKind::WeekStart:
            case ListKind::WeekNumbers:
            case ListKind::Stay:
            case ListKind::Language:
                lists_[i]->Clear();
                for (std::string_view item : FixedItems(entry.kind)) lists_[i]->Append(std::string(item));
                FillControl(entry.name);
                break;
            case ListKind::TimeFormat:
            case ListKind::DateFormat:
            case ListKind::Clocks:
                FillControl(entry.name);
                break;
            case ListKind::ClockZone:
                if (zoneListFilled_) FillClockZoneList();
                break;
            case ListKind::FontName:
            case ListKind::CountTitle: break;
        }
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
    list.Select(ZoneItemIndex(zones_, ValuesFor(SettingsPage::Clock).ClockZone));
    zoneListFilled_ = true;
}

void TForm2::SliderChanged(const SliderEntry& entry, const SliderControl& slider) {
    ValuesFor(entry.page).*entry.setting = slider.Position();
    links_.displays.Rebuild(WindowOfPage(entry.page));
}

void TForm2::CheckBoxChanged(const CheckEntry& entry, const CheckControl& box) {
    const bool checked = box.Checked();
    if (entry.flag) ValuesFor(entry.page).*entry.flag = checked;
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
    Settings& values = ValuesFor(entry.page);
    switch (entry.kind) {
        case ListKind::TimeFormat:
        case ListKind::DateFormat:
        case ListKind::WeekNumbers:
            values.*entry.index = list.SelectedIndex();
            break;
        case ListKind::WeekStart:
            values.*entry.index = list.SelectedIndex() - 1;
            break;
        case ListKind::FontName:
            // What the field shows is what Save stores, typed or chosen; a
            // family the system lacks is drawn with the fallback meanwhile.
            values.*entry.text = list.Text();
            break;
        case ListKind::CountTitle:
            settings_.CountIndex = list.SelectedIndex();
            settings_.CountText = settings_.SelectedEntry().title;
            break;
        case ListKind::ClockZone:
            values.*entry.text = ZoneKeyOfItem(zones_, list.SelectedIndex());
            FillClockChooser();  // a clock without a label is named by its zone
            break;
        case ListKind::Stay:
            // The face stays as it is; the window's next tick takes its new
            // place.
            values.*entry.index = list.SelectedIndex();
            links_.displays.Wake(WindowOf(entry));
            return;
        case ListKind::Clocks: {
            const std::vector<int> numbers = ClockNumbers(settings_);
            const int index = list.SelectedIndex();
            if (index >= 0 && index < static_cast<int>(numbers.size())) ChooseClock(numbers[index]);
            return;
        }
        case ListKind::Language:
            values.*entry.text = LanguageTagOfItem(list.SelectedIndex());
            SpeakChosenLanguage();
            return;
    }
    links_.displays.Rebuild(WindowOf(entry));
}

void TForm2::EditChanged(const EditEntry& entry, const TextControl& edit) {
    ValuesFor(entry.page).*entry.text = edit.Text();
    if (entry.page == SettingsPage::Clock) FillClockChooser();
    links_.displays.Rebuild(WindowOf(entry));
}

void TForm2::FillClockChooser() {
    ListControl& chooser = List(kClockChooser);
    chooser.Clear();
    const std::vector<int> numbers = ClockNumbers(settings_);
    int chosenItem = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        chooser.Append(ClockChoiceText(numbers[i], *ClockValues(settings_, numbers[i])));
        if (numbers[i] == chosenClock_) chosenItem = static_cast<int>(i);
    }
    chooser.Select(chosenItem);
    Button(kRemoveClockButton).SetEnabled(chosenClock_ != 1);
}

void TForm2::ChooseClock(int number) {
    if (!ClockValues(settings_, number)) number = 1;
    chosenClock_ = number;
    links_.displays.ChooseClock(number);
    FillClockChooser();
    // The page's controls show the chosen clock's values; the handlers that
    // run for a changed slider or box write them back to the same clock.
    for (std::string_view name : kFillOrder) {
        if (name == kClockChooser || name == kReadOnlyStep) continue;
        if (PageOf(name) == SettingsPage::Clock) FillControl(name);
    }
    FillControl(kClockZoneList);
}

void TForm2::ButtonClicked(std::string_view name) {
    if (name == "Button1") Button1Click();
    if (name == "Button2") Button2Click();
    if (name == "Button5") Button5Click();
    if (name == "Button6") Button6Click();
    if (name == kAddClockButton) AddClockClick();
    if (name == kRemoveClockButton) RemoveClockClick();
}

}  // namespace zentrova
