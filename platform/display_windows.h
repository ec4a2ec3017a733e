#pragma once
// Creates and owns the three display windows: the clock, the countdown and
// the calendar, each a layered window on screen with its logic in the core.

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/program_state.h"
#include "calendar/calendar_window.h"
#include "clock/clock_window.h"
#include "countdown/countdown_window.h"
#include "face/services.h"
#include "platform/day_popup.h"
#include "platform/application_window.h"
#include "platform/layered_window.h"
#include "platform/win32_services.h"
#include "settings/key_value_store.h"
#include "settings/settings_schema.h"
#include "settings_window/settings_window.h"
#include "settings_window/settings_window_host.h"

namespace zentrova::platform {

// Writes one window's left and top to its own key. A failed write is not
// reported: a message box from inside the 30 ms tick would stack up, and
// the position is written again the next time the window comes to rest.
class StorePositionSink final : public PositionSink {
public:
    // `clock`: which clock, for the clock's window.
    StorePositionSink(KeyValueStore& store, Settings& settings, DisplayWindowId window, int clock = 1)
        : store_(store), settings_(settings), window_(window), clock_(clock) {}
    void WritePosition() override;

private:
    KeyValueStore& store_;
    Settings& settings_;
    DisplayWindowId window_;
    int clock_;
};

class DisplayWindows final : public DisplayWindowControl, public ShellActions {
public:
    DisplayWindows(ProgramState& state, KeyValueStore& store, HWND owner);
    ~DisplayWindows() override;
    void AttachSettings(TForm2& settings) { settings_ = &settings; }

    void CreateDisplayWindows() override;
    void Rebuild(DisplayWindowId window) override;
    void SetVisible(DisplayWindowId window, bool visible) override;
    void NewClockVelocity() override;
    void Wake(DisplayWindowId window) override;
    SizeI FaceSize(DisplayWindowId window) const override;
    void PlaceAt(DisplayWindowId window, PointI leftTop) override;
    void AddClock(int number, int beside) override;
    void AddStoredClock(int number) override;
    void RemoveClock(int number) override;
    void LanguageChanged() override;
    void ChooseClock(int number) override { chosenClock_ = number; }

    // The system's clock jumped: every window redraws at once and its ticks
    // start afresh.
    void CatchUp();
    // The regional settings were read again: the clock and the calendar take
    // them and prepare their faces anew.
    void ChangeLocale(const Locale& locale);

    // ShellActions, for the display windows' menus and keys.
    void ShowSettingsWindow() override;
    void EndProgram() override;
    // A clock's menu "Settings": the Clock page with that clock chosen.
    void ShowClockSettings(int number);
    // A clock's menu "Remove this clock": asked and done from the
    // application window's queue, once the menu's window is left.
    void RemoveClockLater(int number);

    // Runs whenever the clock's or the countdown's spoken value changes;
    // set it before the windows are made.
    void OnSpokenChange(std::function<void()> listener) { spokenListener_ = std::move(listener); }
    // Runs `listener` with the time each second from now on, riding the
    // countdown's ticks, which go on while it is hidden; set it once the
    // windows are made.
    void OnEverySecond(std::function<void(const LocalTime&)> listener);
    // The tray icon's tip from every clock's time and the countdown's value.
    std::string TrayTip() const;

    TForm1* Clock() { return clock_ ? clock_->logic.get() : nullptr; }
    TForm3* Countdown() { return countdown_ ? countdown_->logic.get() : nullptr; }
    TForm4* Calendar() { return calendar_ ? calendar_->logic.get() : nullptr; }

private:
    template <typename Logic>
    struct Parts {
        Parts(const char* caption, HWND owner, DisplayTicker& ticker, KeyValueStore& store, Settings& settings,
              DisplayWindowId id, int clock = 1)
            : surface(caption, owner, ticker), sink(store, settings, id, clock) {}
        LayeredWindow surface;
        ClockSeededRandom random;  // seeded when the window is made
        StorePositionSink sink;
        std::unique_ptr<ShellActions> shell;  // when not the display windows' own
        std::unique_ptr<Logic> logic;
    };
    using ClockParts = Parts<TForm1>;
    template <typename Logic>
    DisplayContext ContextFor(Parts<Logic>& parts);
    // Makes, shows and starts the window of clock `number` from its values.
    std::unique_ptr<ClockParts> MakeClock(int number, const Locale& locale);
    // The parts of clock `number`, or nullptr.
    ClockParts* ClockOf(int number) const;
    // The clock the settings window has chosen (the first when it is gone).
    int ChosenNumber() const { return ClockOf(chosenClock_) ? chosenClock_ : 1; }
    ClockParts* ChosenClock() const { return ClockOf(ChosenNumber()); }
    // Every clock's window and its number, the first clock's first.
    template <typename Action>
    void ForEachClock(Action&& action);
    // Runs `action` on the parts of one window, when that window exists.
    template <typename Action>
    void WithParts(DisplayWindowId window, Action&& action);

    ProgramState& state_;
    KeyValueStore& store_;
    HWND owner_;
    TForm2* settings_ = nullptr;
    GdiTextMeasurer measurer_;
    Win32Desktop desktop_;
    Win32TimeSource time_;
    ForegroundHook foregroundHook_;
    DisplayTicker ticker_;  // outlives the windows it ticks
    std::unique_ptr<Parts<TForm1>> clock_;
    std::map<int, std::unique_ptr<ClockParts>> extraClocks_;  // by number
    int chosenClock_ = 1;
    std::unique_ptr<Parts<TForm3>> countdown_;
    std::unique_ptr<Parts<TForm4>> calendar_;
    std::unique_ptr<DayPopup> dayPopup_;  // the calendar's day window
    std::function<void()> spokenListener_;
};

}  // namespace zentrova::platform
