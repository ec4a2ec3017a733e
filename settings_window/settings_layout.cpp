#include "settings_window/settings_layout.h"

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>

#include "app/program_names.h"
#include "clock/clock_formats.h"
#include "language/languages.h"
#include "language/texts.h"

namespace zentrova {
namespace {

using P = SettingsPage;
constexpr int kLabelHeight = 17;
constexpr int kCheckHeight = 17;
constexpr int kSliderWidth = 180;
constexpr int kSliderHeight = 20;
constexpr int kDropHeight = 220;
constexpr int kStayWidth = 120;

constexpr ControlPlace Label(int left, int top, int width) { return {left, top, width, kLabelHeight}; }
constexpr ControlPlace Slider(int left, int top) { return {left, top, kSliderWidth, kSliderHeight}; }
constexpr ControlPlace Check(int left, int top, int width) { return {left, top, width, kCheckHeight}; }
constexpr ControlPlace List(int left, int top, int width) { return {left, top, width, kDropHeight}; }

constexpr LabelEntry kLabels[] = {
    {"StaticText26", P::Clock, Label(8, 6, 40), TextId::LabelClock},
    {"StaticText1", P::Clock, Label(8, 30, 120), TextId::LabelSize},
    {"StaticText3", P::Clock, Label(218, 30, 120), TextId::LabelTransparent},
    {"StaticText2", P::Clock, Label(8, 68, 120), TextId::LabelSkin},
    {"StaticText4", P::Clock, Label(280, 68, 110), TextId::LabelClockFace},
    {"StaticText5", P::Clock, Label(8, 108, 74), TextId::LabelTimeFormat},
    {"StaticText24", P::Clock, Label(282, 110, 110), TextId::LabelStay},
    {"StaticText6", P::Clock, Label(8, 131, 74), TextId::LabelDateFormat},
    {"StaticText7", P::Clock, Label(8, 154, 74), TextId::LabelFontName},
    {"StaticText22", P::Clock, Label(8, 177, 74), TextId::LabelTimeZone},
    {"StaticText23", P::Clock, Label(8, 200, 74), TextId::LabelZoneLabel},

    {"StaticText8", P::Countdown, Label(8, 5, 120), TextId::LabelSize},
    {"StaticText10", P::Countdown, Label(218, 5, 120), TextId::LabelTransparent},
    {"StaticText9", P::Countdown, Label(8, 60, 120), TextId::LabelSkin},
    {"StaticText11", P::Countdown, Label(218, 80, 118), TextId::LabelCountdownFace},
    {"StaticText12", P::Countdown, Label(8, 110, 74), TextId::LabelTitle},
    {"StaticText25", P::Countdown, Label(8, 170, 74), TextId::LabelStay},
    {"StaticText13", P::Countdown, Label(8, 200, 74), TextId::LabelFontName},

    {"StaticText14", P::Calendar, Label(8, 5, 120), TextId::LabelSize},
    {"StaticText16", P::Calendar, Label(218, 5, 120), TextId::LabelTransparent},
    {"StaticText15", P::Calendar, Label(8, 60, 120), TextId::LabelSkin},
    {"StaticText19", P::Calendar, Label(218, 80, 118), TextId::LabelCalendarFace},
    {"StaticText17", P::Calendar, Label(8, 140, 74), TextId::LabelTimeFormat},
    {"StaticText26", P::Calendar, Label(8, 170, 74), TextId::LabelStay},
    {"StaticText18", P::Calendar, Label(8, 200, 74), TextId::LabelFontName},

    {"StaticText20", P::General, Label(8, 74, 100), TextId::LabelWeekStarts},
    {"StaticText21", P::General, Label(8, 104, 100), TextId::LabelWeekNumbers},
    {"StaticText27", P::General, Label(8, 172, 100), TextId::LabelLanguage},
};

constexpr SliderEntry kSliders[] = {
    {"TrackBar1", P::Clock, Slider(0, 46), 0, 50, 0, &Settings::ClockSize},
    {"TrackBar3", P::Clock, Slider(210, 46), 0, 50, 0, &Settings::ClockTransparent},
    {"TrackBar2", P::Clock, Slider(0, 84), 1, 15, 1, &Settings::ClockSkin},
    {"TrackBar4", P::Countdown, Slider(0, 25), 0, 20, 0, &Settings::CountSize},
    {"TrackBar6", P::Countdown, Slider(210, 25), 0, 50, 1, &Settings::CountTransparent},
    {"TrackBar5", P::Countdown, Slider(0, 80), 1, 15, 1, &Settings::CountSkin},
    {"TrackBar7", P::Calendar, Slider(0, 25), 0, 20, 0, &Settings::CalendarSize},
    {"TrackBar9", P::Calendar, Slider(210, 25), 0, 50, 0, &Settings::CalendarTransparent},
    {"TrackBar8", P::Calendar, Slider(0, 80), 1, 15, 1, &Settings::CalendarSkin},
};

constexpr CheckEntry kCheckBoxes[] = {
    {"CheckBox3", P::Clock, Check(280, 86, 58), TextId::CheckTower, &Settings::ClockSky, CheckAction::Rebuild},
    {"CheckBox5", P::Clock, Check(340, 86, 56), TextId::CheckOval, &Settings::ClockRectOval, CheckAction::Rebuild},
    {"CheckBox4", P::Clock, Check(338, 156, 56), TextId::CheckBold, &Settings::ClockBorder, CheckAction::Rebuild},
    {"CheckBox1", P::Clock, Check(8, 228, 140), TextId::CheckShowDate, &Settings::DateShow, CheckAction::Rebuild},
    {"CheckBox6", P::Clock, Check(160, 228, 140), TextId::CheckShowClock, &Settings::ClockShow, CheckAction::ShowOrHide},
    {"CheckBox2", P::Clock, Check(310, 228, 84), TextId::CheckGoClock, &Settings::ClockGo, CheckAction::NewClockVelocity},
    {"CheckBox22", P::Clock, Check(252, 202, 76), TextId::CheckDifference, &Settings::ClockDifference, CheckAction::Rebuild},
    {"CheckBox23", P::Clock, Check(332, 202, 62), TextId::CheckNight, &Settings::ClockNight, CheckAction::Rebuild},

    {"CheckBox9", P::Countdown, Check(340, 80, 56), TextId::CheckOval, &Settings::CountRectOval, CheckAction::Rebuild},
    {"CheckBox8", P::Countdown, Check(338, 200, 56), TextId::CheckBold, &Settings::CountBorder, CheckAction::Rebuild},
    {"CheckBox10", P::Countdown, Check(8, 232, 140), TextId::CheckShowCountdown, &Settings::CountShow,
     CheckAction::ShowOrHide},
    {"CheckBox11", P::Countdown, Check(160, 232, 130), TextId::CheckGoCountdown, &Settings::CountGo, CheckAction::FlagOnly},
    {"CheckBox20", P::Countdown, Check(212, 172, 184), TextId::CheckNotify, &Settings::CountNotify,
     CheckAction::NoWindow},
    {"CheckBox21", P::Countdown, Check(296, 232, 100), TextId::CheckPlaySound, &Settings::CountSound, CheckAction::NoWindow},

    {"CheckBox15", P::Calendar, Check(340, 80, 56), TextId::CheckOval, &Settings::CalendarOval, CheckAction::Rebuild},
    {"CheckBox16", P::Calendar, Check(338, 200, 56), TextId::CheckBold, &Settings::CalendarBold, CheckAction::Rebuild},
    {"CheckBox12", P::Calendar, Check(8, 232, 140), TextId::CheckShowCalendar, &Settings::CalendarShow,
     CheckAction::ShowOrHide},
    {"CheckBox14", P::Calendar, Check(160, 232, 120), TextId::CheckShowTime, &Settings::CalendarTimeShow,
     CheckAction::Rebuild},
    {"CheckBox13", P::Calendar, Check(294, 232, 100), TextId::CheckGoCalendar, &Settings::CalendarGo, CheckAction::FlagOnly},

    {"CheckBox18", P::General, Check(8, 10, 380), TextId::CheckHideFullScreen, &Settings::HideFullScreen,
     CheckAction::WakeDisplays},
    {"CheckBox19", P::General, Check(8, 40, 380), TextId::CheckStartWithWindows, nullptr, CheckAction::StartWithWindows},
    {"CheckBox17", P::General, Check(8, 136, 380), TextId::CheckMarkEvents, &Settings::CalendarEvents,
     CheckAction::Rebuild, DisplayWindowId::Calendar},
};

constexpr ListEntry kLists[] = {
    {"ComboBox14", P::Clock, List(50, 4, 158), ListKind::Clocks, nullptr, nullptr, false},
    {"ComboBox1", P::Clock, List(84, 108, 190), ListKind::TimeFormat, &Settings::TimeIndex, nullptr, false},
    {"ComboBox2", P::Clock, List(84, 131, 190), ListKind::DateFormat, &Settings::DateIndex, nullptr, false},
    {"ComboBox11", P::Clock, List(282, 131, 112), ListKind::Stay, &Settings::ClockStay, nullptr, false},
    {"ComboBox3", P::Clock, List(84, 154, 240), ListKind::FontName, nullptr, &Settings::ClockFont, false},
    {"ComboBox10", P::Clock, List(84, 177, 300), ListKind::ClockZone, nullptr, &Settings::ClockZone, false},
    {"ComboBox4", P::Countdown, List(84, 110, 300), ListKind::CountTitle, nullptr, nullptr, false},
    {"ComboBox12", P::Countdown, List(84, 170, kStayWidth), ListKind::Stay, &Settings::CountStay, nullptr, false},
    {"ComboBox5", P::Countdown, List(84, 200, 240), ListKind::FontName, nullptr, &Settings::CountFont, false},
    {"ComboBox6", P::Calendar, List(84, 140, 300), ListKind::TimeFormat, &Settings::CalendarTimeIndex, nullptr,
     false},
    {"ComboBox13", P::Calendar, List(84, 170, kStayWidth), ListKind::Stay, &Settings::CalendarStay, nullptr,
     false},
    {"ComboBox7", P::Calendar, List(84, 200, 240), ListKind::FontName, nullptr, &Settings::CalendarFont, true},
    {"ComboBox8", P::General, List(112, 72, 130), ListKind::WeekStart, &Settings::CalendarWeekStart, nullptr, false,
     DisplayWindowId::Calendar},
    {"ComboBox9", P::General, List(112, 102, 130), ListKind::WeekNumbers, &Settings::CalendarWeekNumbers, nullptr,
     false, DisplayWindowId::Calendar},
    {"ComboBox15", P::General, List(112, 170, 160), ListKind::Language, nullptr, &Settings::Language, false},
};

// The clock's label stands before the time on the face: a city's name,
// not a sentence.
constexpr int kZoneLabelLength = 32;

constexpr EditEntry kEdits[] = {
    {"Edit1", P::Clock, {84, 200, 160, 21}, &Settings::ClockZoneLabel, kZoneLabelLength},
};

constexpr ButtonEntry kButtons[] = {
    {"Button7", true, P::Clock, {214, 4, 84, 23}, TextId::ButtonAddClock},
    {"Button8", true, P::Clock, {302, 4, 90, 23}, TextId::ButtonRemoveClock},
    {"Button5", true, P::Countdown, {85, 136, 60, 25}, TextId::ButtonAdd},
    {"Button6", true, P::Countdown, {152, 136, 70, 25}, TextId::ButtonDelete},
    {"Button1", false, P::Clock, {12, 285, 70, 25}, TextId::ButtonSave},
    {"Button2", false, P::Clock, {317, 285, 70, 25}, TextId::ButtonCancel},
};

constexpr std::string_view kFontNames[] = {
    "Arial",         "Arial Black",    "Comic Sans MS",       "Courier New", "Franklin Gothic Medium",
    "Impact",        "Lucida Console", "Lucida Sans Unicode", "MV Boli",     "Palatino Linotype",
    "Symbol",        "Tahoma",         "Times New Roman",     "Verdana",
};

constexpr TextId kWeekStarts[] = {TextId::AsInWindows, TextId::Monday, TextId::Tuesday,  TextId::Wednesday,
                                  TextId::Thursday,    TextId::Friday, TextId::Saturday, TextId::Sunday};
constexpr TextId kWeekNumberings[] = {TextId::WeekNumbersOff, TextId::WeekNumbersIso, TextId::AsInWindows};
constexpr TextId kStayModes[] = {TextId::StayOnTop, TextId::StayAmongWindows, TextId::StayOnDesktop};

template <typename Texts>
std::vector<std::string_view> Translated(const Texts& ids) {
    std::vector<std::string_view> texts;
    for (TextId id : ids) texts.push_back(Tr(id));
    return texts;
}

template <typename Entry>
std::vector<std::string_view> LabelsOf(std::span<const Entry> entries) {
    std::vector<std::string_view> labels;
    for (const Entry& entry : entries) labels.push_back(Tr(entry.label));
    return labels;
}

}  // namespace

std::span<const LabelEntry> SettingsLabels() { return kLabels; }
std::span<const SliderEntry> SettingsSliders() { return kSliders; }
std::span<const CheckEntry> SettingsCheckBoxes() { return kCheckBoxes; }
std::span<const ListEntry> SettingsLists() { return kLists; }
std::span<const EditEntry> SettingsEdits() { return kEdits; }
std::span<const ButtonEntry> SettingsButtons() { return kButtons; }
std::span<const std::string_view> FontNames() { return kFontNames; }
std::vector<std::string_view> WeekStartLabels() { return Translated(kWeekStarts); }
std::vector<std::string_view> WeekNumberLabels() { return Translated(kWeekNumberings); }
std::vector<std::string_view> StayLabels() { return Translated(kStayModes); }
std::vector<std::string_view> TimeFormatLabels() { return LabelsOf(TimeFormats()); }
std::vector<std::string_view> DateFormatLabels() { return LabelsOf(DateFormats()); }

std::vector<std::string_view> LanguageLabels() {
    std::vector<std::string_view> labels{Tr(TextId::AsInWindows)};
    for (const Language* language : Languages()) labels.push_back(language->name);
    return labels;
}

int LanguageItemIndex(std::string_view tag) {
    const Language* stored = FindLanguage(tag);
    const auto languages = Languages();
    const auto it = std::find(languages.begin(), languages.end(), stored);
    return it == languages.end() ? 0 : static_cast<int>(it - languages.begin()) + 1;
}

std::string LanguageTagOfItem(int item) {
    const auto languages = Languages();
    if (item < 1 || item > static_cast<int>(languages.size())) return {};
    return std::string(languages[static_cast<std::size_t>(item - 1)]->tag);
}

namespace {

struct PlacedName {
    std::string_view name;
    ControlPlace place;
};

// The page's controls other than labels, in no particular order.
std::vector<PlacedName> PageControls(SettingsPage page) {
    std::vector<PlacedName> controls;
    const auto collect = [&](const auto& entries) {
        for (const auto& entry : entries) {
            if (entry.page == page) controls.push_back({entry.name, entry.place});
        }
    };
    collect(kSliders);
    collect(kCheckBoxes);
    collect(kLists);
    collect(kEdits);
    for (const ButtonEntry& button : kButtons) {
        if (button.onPage && button.page == page) controls.push_back({button.name, button.place});
    }
    return controls;
}

constexpr int kRowTolerance = 2;   // a label and its control share a row
constexpr int kLabelReach = 30;    // a label over a control stands this close

// The index of the control `label` names, if any.
std::optional<std::size_t> NamedControl(const ControlPlace& label, const std::vector<PlacedName>& controls) {
    std::optional<std::size_t> right;
    std::optional<std::size_t> below;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlPlace& c = controls[i].place;
        const bool sameRow = c.top - label.top <= kRowTolerance && label.top - c.top <= kRowTolerance;
        if (sameRow && c.left >= label.left + label.width - kRowTolerance &&
            (!right || c.left < controls[*right].place.left)) {
            right = i;
        }
        const bool over = c.top > label.top && c.top - label.top <= kLabelReach && c.left <= label.left &&
                          label.left < c.left + c.width;
        if (over && (!below || c.top < controls[*below].place.top)) below = i;
    }
    return right ? right : below;
}

}  // namespace

std::string_view ControlLabel(std::string_view controlName) {
    for (SettingsPage page :
         {SettingsPage::Clock, SettingsPage::Countdown, SettingsPage::Calendar, SettingsPage::General}) {
        const std::vector<PlacedName> controls = PageControls(page);
        for (const LabelEntry& label : kLabels) {
            if (label.page != page) continue;
            const std::optional<std::size_t> named = NamedControl(label.place, controls);
            if (named && controls[*named].name == controlName) return Tr(label.caption);
        }
    }
    return {};
}

std::vector<std::string_view> PageReadingOrder(SettingsPage page) {
    const std::vector<PlacedName> controls = PageControls(page);
    // Each control with the labels that name it; a label naming nothing
    // stands alone at its own place.
    struct Unit {
        ControlPlace place;
        std::vector<std::string_view> names;
    };
    std::vector<Unit> units;
    for (const PlacedName& control : controls) units.push_back({control.place, {}});
    for (const LabelEntry& label : kLabels) {
        if (label.page != page) continue;
        if (const std::optional<std::size_t> named = NamedControl(label.place, controls)) {
            units[*named].names.push_back(label.name);
        } else {
            units.push_back({label.place, {label.name}});
        }
    }
    for (std::size_t i = 0; i < controls.size(); ++i) units[i].names.push_back(controls[i].name);
    std::stable_sort(units.begin(), units.end(), [](const Unit& a, const Unit& b) {
        return std::tie(a.place.top, a.place.left) < std::tie(b.place.top, b.place.left);
    });
    std::vector<std::string_view> order;
    for (const Unit& unit : units) order.insert(order.end(), unit.names.begin(), unit.names.end());
    return order;
}

SizeI SettingsClientSize(DpiScale scale) {
    return scale.Pixels(SizeI{kSettingsClientWidth, kSettingsClientHeight});
}

DisplayWindowId WindowOfPage(SettingsPage page) {
    switch (page) {
        case SettingsPage::Clock: return DisplayWindowId::Clock;
        case SettingsPage::Countdown: return DisplayWindowId::Countdown;
        case SettingsPage::Calendar: return DisplayWindowId::Calendar;
        case SettingsPage::General: break;
    }
    return DisplayWindowId::Clock;
}

}  // namespace zentrova
