#pragma once
// What the settings window's logic needs of its on-screen window, the tray
// and the application around it. The platform implements it; tests fake it.

#include <optional>
#include <string>
#include <vector>

#include "face/geometry.h"
#include "settings/date_time.h"
#include "settings_window/settings_controls.h"
#include "settings/settings_schema.h"

namespace zentrova {

class SettingsWindowHost {
public:
    virtual ~SettingsWindowHost() = default;
    virtual SizeI OuterSize() const = 0;   // the settings window with its frame
    virtual SizeI ScreenSize() const = 0;  // primary screen
    virtual RectI WorkArea() const = 0;    // the primary screen less the taskbar
    virtual int Dpi() const = 0;           // of the monitor the window is on
    virtual PointI CursorPos() const = 0;
    virtual void MoveTo(PointI leftTop) = 0;
    virtual void ShowInFront() = 0;  // visible and brought to the front
    virtual void Hide() = 0;
    virtual void AddTrayIcon() = 0;
    virtual void DeleteTrayIcon() = 0;
    // Opens the tray menu at a screen point, with "Start with Windows"
    // checked or not, and waits until it closes; the chosen item comes back
    // through the window's OptionsClick, StartWithWindowsClick or Close1Click.
    virtual void RunTrayMenu(PointI at, bool startWithWindows) = 0;
    // The full path of the running program; empty when it cannot be known.
    virtual std::string ProgramPath() const = 0;
    virtual void ShowError(const std::string& text) = 0;
    virtual void ShowMessage(const std::string& text) = 0;  // information, not an error
    // A question with Yes and No, No suggested; true for Yes.
    virtual bool Confirm(const std::string& text) = 0;
    // Brings a page of the window to the front.
    virtual void ShowPage(SettingsPage page) = 0;
    // Where the window's controls are made.
    virtual ControlFactory& Controls() = 0;
    // Windows' display languages as tags, the user's most preferred first.
    virtual std::vector<std::string> DisplayLanguages() const = 0;
    // The program speaks another language: the window's own texts (caption,
    // tabs, labels, boxes, buttons) are set anew and its controls placed
    // for them. The lists' items are the logic's to refill.
    virtual void LanguageChanged() = 0;
    virtual void EndMessageLoop() = 0;
};

// The display windows as the settings window reaches them: created once,
// then rebuilt, shown or hidden, or sent wandering anew by its controls.
class DisplayWindowControl {
public:
    virtual ~DisplayWindowControl() = default;
    // Creates the clock, countdown and calendar windows, in that order.
    virtual void CreateDisplayWindows() = 0;
    // Face preparation from the current settings; the window's own next
    // tick draws it.
    virtual void Rebuild(DisplayWindowId window) = 0;
    virtual void SetVisible(DisplayWindowId window, bool visible) = 0;
    // A new random wander velocity for the clock.
    virtual void NewClockVelocity() = 0;
    // A setting the window's tick reads has changed: a window at rest ticks
    // only once a second, so its next tick is brought near.
    virtual void Wake(DisplayWindowId window) = 0;
    // The window's face size in pixels, as last prepared.
    virtual SizeI FaceSize(DisplayWindowId window) const = 0;
    // Moves the window to a new resting position and stores it there.
    virtual void PlaceAt(DisplayWindowId window, PointI leftTop) = 0;
    // Makes the window of clock `number` (its values already in the
    // settings), stands it beside clock `beside` on that clock's monitor,
    // stores where, and shows it at once.
    virtual void AddClock(int number, int beside) = 0;
    // Makes the window of clock `number` (its values already in the
    // settings, stored by another copy of the program) where they place it,
    // shown or hidden as they say.
    virtual void AddStoredClock(int number) = 0;
    // Closes the window of clock `number` (never the first).
    virtual void RemoveClock(int number) = 0;
    // The program speaks another language: every window's caption and face
    // words anew.
    virtual void LanguageChanged() = 0;
    // The clock the calls above for DisplayWindowId::Clock reach: the one
    // the Clock page edits, 1 for the first.
    virtual void ChooseClock(int number) = 0;
};

// Opens a new add or delete dialog of the countdown list, each press another
// instance. The settings window's logic passes what the dialogs work on.
struct CountListContext;
class CountListDialogs {
public:
    virtual ~CountListDialogs() = default;
    // `day`: the date the dialog starts on, when not the next whole hour's.
    virtual void OpenAddDialog(const CountListContext& context, std::optional<CivilDate> day) = 0;
    virtual void OpenDeleteDialog(const CountListContext& context) = 0;
};

}  // namespace zentrova
