#pragma once
// Every control of the settings window: name, page, place, caption or range,
// the setting it edits and what its change does. The window's logic, the
// platform's window and the tests all read these tables.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "face/dpi_scale.h"
#include "language/texts.h"
#include "settings/settings.h"
#include "settings_window/settings_controls.h"
#include "settings/settings_schema.h"

namespace zentrova {

inline constexpr std::string_view kSettingsFontFamily = "Arial";
inline constexpr int kSettingsFontPixels = 13;
inline constexpr TextId kPageCaptions[] = {TextId::PageClock, TextId::PageCountdown, TextId::PageCalendar,
                                          TextId::PageGeneral};

struct LabelEntry {
    std::string_view name;
    SettingsPage page;
    ControlPlace place;
    TextId caption;
};

struct SliderEntry {
    std::string_view name;
    SettingsPage page;
    ControlPlace place;
    int minimum;
    int maximum;
    int start;  // the position before the window is filled
    int Settings::*setting;
};

enum class CheckAction {
    Rebuild,           // rebuild the page's display window
    ShowOrHide,        // the page's window visible when checked
    NewClockVelocity,  // draw a new wander velocity for the clock
    FlagOnly,          // nothing beyond the flag
    NoWindow,          // a flag no display window shows (read when an event arrives)
    WakeDisplays,      // every display window looks at the flag at once
    StartWithWindows,  // the sign-in entry itself, not a stored setting
};

struct CheckEntry {
    std::string_view name;
    SettingsPage page;
    ControlPlace place;
    TextId caption;
    bool Settings::*flag;  // none for StartWithWindows
    CheckAction action;
    std::optional<DisplayWindowId> window = {};  // when not its page's (see WindowOf)
};

enum class ListKind {
    TimeFormat,  // the index is the setting
    DateFormat,
    FontName,    // the text is the setting
    CountTitle,  // one line per countdown entry
    WeekStart,   // "As in Windows", then Monday to Sunday: the setting is the index - 1
    WeekNumbers, // the index is the setting
    ClockZone,   // "Local time", then the system's zones: the key name is the setting
    Stay,        // where the window stays among the others: the index is the setting
    Clocks,      // one line per clock: the Clock page edits the chosen one
    Language,    // "As in Windows", then each language: the tag is the setting
};

struct ListEntry {
    std::string_view name;
    SettingsPage page;
    ControlPlace place;  // height: the dropped-down list
    ListKind kind;
    int Settings::*index;          // TimeFormat, DateFormat, WeekStart, WeekNumbers, Stay
    std::string Settings::*text;   // FontName, ClockZone
    bool editable;                 // the field takes typing
    std::optional<DisplayWindowId> window = {};
};

// A one-line text field.
struct EditEntry {
    std::string_view name;
    SettingsPage page;
    ControlPlace place;
    std::string Settings::*text;
    int maxLength;  // characters the field takes
    std::optional<DisplayWindowId> window = {};
};

struct ButtonEntry {
    std::string_view name;
    bool onPage;  // false: on the window below the pages
    SettingsPage page;
    ControlPlace place;
    TextId caption;
};

// The General tab's box that shows and turns over the sign-in entry.
inline constexpr std::string_view kStartWithWindowsBox = "CheckBox19";
// The Clock tab's list of the chosen clock's time zones.
inline constexpr std::string_view kClockZoneList = "ComboBox10";
// The Clock tab's chooser of the clock its controls edit, and its buttons.
inline constexpr std::string_view kClockChooser = "ComboBox14";
inline constexpr std::string_view kAddClockButton = "Button7";
inline constexpr std::string_view kRemoveClockButton = "Button8";
// The General tab's language list.
inline constexpr std::string_view kLanguageList = "ComboBox15";

std::span<const LabelEntry> SettingsLabels();
std::span<const SliderEntry> SettingsSliders();
std::span<const CheckEntry> SettingsCheckBoxes();
std::span<const ListEntry> SettingsLists();
std::span<const EditEntry> SettingsEdits();
std::span<const ButtonEntry> SettingsButtons();

// The fourteen font names of the three font lists.
std::span<const std::string_view> FontNames();
// The calendar's week lists: "As in Windows" and the days from Monday; the
// numberings in their stored order.
std::vector<std::string_view> WeekStartLabels();
std::vector<std::string_view> WeekNumberLabels();
// The display windows' places among the other windows, in stored order.
std::vector<std::string_view> StayLabels();
// The time-format and date-format labels, in index order.
std::vector<std::string_view> TimeFormatLabels();
std::vector<std::string_view> DateFormatLabels();
// The language list: "As in Windows", then each language in itself; the
// item that shows a stored tag (0 for none or one the program lacks), and
// the tag an item stores.
std::vector<std::string_view> LanguageLabels();
int LanguageItemIndex(std::string_view tag);
std::string LanguageTagOfItem(int item);

// Every control of a page (labels included) in the order Tab visits it:
// reading order, top to bottom and left to right by each control's place,
// with the label that names a control right before it, where a screen
// reader looks for its name. A label names the nearest control on its row
// to its right, else the control just below it that it stands over.
std::vector<std::string_view> PageReadingOrder(SettingsPage page);

// The caption of the label that names a page's control (as above), or
// empty when no label names it.
std::string_view ControlLabel(std::string_view controlName);

// The display window a page's controls act on (General's act on none).
DisplayWindowId WindowOfPage(SettingsPage page);

// The display window a control's change acts on: its own where the entry
// names one (the General page's options each belong to one window), else
// its page's.
template <typename Entry>
DisplayWindowId WindowOf(const Entry& entry) {
    return entry.window.value_or(WindowOfPage(entry.page));
}

// The client area of the tab control above the bottom buttons.
inline constexpr ControlPlace kPagesPlace{0, 0, 400, 280};

// The settings window's client size at a scale.
SizeI SettingsClientSize(DpiScale scale);

}  // namespace zentrova
