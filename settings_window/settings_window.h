#pragma once
// The settings window's logic: its creation runs the program's start-up, its
// tray callback and menu implement the tray icon's behaviour, its controls
// edit the settings live, and its buttons save, dismiss or open the
// countdown list's dialogs.

#include <string_view>
#include <vector>

#include "clock/locale.h"
#include "countdown/count_list_dialogs.h"
#include "face/services.h"
#include "settings/key_value_store.h"
#include "settings/first_run.h"
#include "settings/settings.h"
#include "settings_window/settings_controls.h"
#include "settings_window/settings_layout.h"
#include "settings_window/settings_window_host.h"
#include "settings_window/zone_choices.h"

namespace zentrova {

// Mouse messages that the shell reports in the tray callback's lParam.
inline constexpr unsigned kTrayLeftButtonUp = 514;      // WM_LBUTTONUP
inline constexpr unsigned kTrayLeftDoubleClick = 515;   // WM_LBUTTONDBLCLK
inline constexpr unsigned kTrayRightButtonUp = 517;     // WM_RBUTTONUP

// Everything the settings window works with.
struct SettingsWindowLinks {
    Settings& settings;
    KeyValueStore& store;
    SettingsWindowHost& host;
    TimeSource& time;
    DisplayWindowControl& displays;
    CountListDialogs& dialogs;
    const Locale& locale;
    const ZoneCatalog& zones;
};

class TForm2 {
public:
    // Makes every control, in its start state, through the host's factory.
    explicit TForm2(const SettingsWindowLinks& links);
    // The controls' handlers point back at this window.
    TForm2(const TForm2&) = delete;
    TForm2& operator=(const TForm2&) = delete;

    // Start-up, in order: load (and on a first run write the defaults),
    // place, show on a first run, mark started, tray icon, CountText, the
    // display windows, then the controls.
    void FormCreate();

    void TrayCallback(unsigned mouseMessage);
    void OptionsClick();      // tray menu "Settings"
    void StartWithWindowsClick();  // tray menu "Start with Windows": turns it over
    void Close1Click();       // tray menu "Close"
    void FormClose();         // close box: hide, icon back
    void Button2Click();      // Cancel: as the close box
    void Button1Click();      // Save
    void Button5Click();      // Add: a new add dialog
    // A new add dialog starting on `day` (the calendar's day window) or,
    // without one, on the next whole hour's date.
    void AddEventOn(std::optional<CivilDate> day);
    void Button6Click();      // Delete: a new delete dialog
    // A display window's "Settings" item, and a second start of the program.
    void ShowFromDisplayMenu();
    // A clock's own menu "Settings": the Clock page with that clock chosen.
    void ShowClock(int number);
    void AddClockClick();     // "Add clock": a copy of the chosen clock's look, beside it
    void RemoveClockClick();  // "Remove clock": the chosen clock, once confirmed
    // A clock's own menu "Remove this clock": chosen, then as RemoveClockClick.
    void RemoveClock(int number);
    // The regional settings changed (the locale the window was given has
    // been read again): the title list's lines are built anew with the new
    // short date and long time, the selection kept.
    void RegionalSettingsChanged();
    // The store changed under this copy (another copy of the program wrote
    // it): what it now holds shows, apart from the user's unsaved changes,
    // and the clocks it added or removed come or go.
    void StoreChanged();
    // Speaks the language the settings choose (or Windows' when they choose
    // none), and shows every text in it at once.
    void SpeakChosenLanguage();

    bool FirstRun() const { return firstRun_; }

    // The controls, by name, for the platform's window and for tests.
    SliderControl& Slider(std::string_view name) const;
    CheckControl& CheckBox(std::string_view name) const;
    ListControl& List(std::string_view name) const;
    TextControl& Edit(std::string_view name) const;
    ButtonControl& Button(std::string_view name) const;
    // The clock the Clock page edits: 1 for the first.
    int ChosenClock() const { return chosenClock_; }

private:
    void CreateControls();
    // A first start: the display windows placed afresh where the first-run
    // arrangement does not fit the screen.
    void FitDisplayWindows(const FirstRunContext& context);
    // Sets every control from the settings in the fixed order, so that the
    // handlers of changed sliders and check boxes run as a user's change would.
    void FillControls();
    void FillControl(std::string_view name);
    // A time or date format list: each entry with what it makes of now.
    void FillFormatSamples(const ListEntry& entry, ListControl& list);
    // Every format list again, for a window shown later or another region.
    void RefreshFormatSamples();
    // The clock's zone list from the system, its stored zone selected.
    void FillClockZoneList();
    // The lists whose items are words, in the current language.
    void RefillWordLists();

    // The settings a control edits: the chosen clock's values for the
    // Clock page's, the program's for the others.
    Settings& ValuesFor(SettingsPage page);
    // The Clock page shows and edits clock `number` from now on.
    void ChooseClock(int number);
    // The chooser's lines from the clocks, the chosen one selected.
    void FillClockChooser();

    void SliderChanged(const SliderEntry& entry, const SliderControl& slider);
    void CheckBoxChanged(const CheckEntry& entry, const CheckControl& box);
    void ListChanged(const ListEntry& entry, const ListControl& list);
    void EditChanged(const EditEntry& entry, const TextControl& edit);
    void ButtonClicked(std::string_view name);

    // Turns the sign-in entry on or off when it differs, then shows it.
    void SetStartWithWindowsFromBox(bool on);
    // The General tab's box from the sign-in entry.
    void ShowStartWithWindows();

    CountListContext ListContext();
    void ShowInFront();
    void HideToTray();

    SettingsWindowLinks links_;
    Settings& settings_;
    bool firstRun_ = false;
    // Parallel to the layout's tables.
    std::vector<SliderControl*> sliders_;
    std::vector<CheckControl*> checkBoxes_;
    std::vector<ListControl*> lists_;
    std::vector<TextControl*> edits_;
    std::vector<ButtonControl*> buttons_;
    int chosenClock_ = 1;
    // The clock's zone list's zones, in its items' order after "Local time".
    std::vector<ZoneChoice> zones_;
    bool zoneListFilled_ = false;
};

}  // namespace zentrova
