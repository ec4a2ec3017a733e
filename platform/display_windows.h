#pragma once
// Creates and owns the three display windows: the clock, the countdown and
// the calendar, each a layered window on screen with its logic in the core.

#include <windows.h>

#include "app/program_state.h"
#include "settings/key_value_store.h"
#include "settings/settings_window.h"
#include "settings/settings_window_host.h"

namespace zentrova::platform {

class DisplayWindows final : public DisplayWindowFactory {
public:
    DisplayWindows(ProgramState& state, KeyValueStore& store, SettingsWindowHost& settingsHost, HWND owner);
    void AttachSettings(TForm2& settings) { settings_ = &settings; }

    void CreateDisplayWindows() override;

private:
    ProgramState& state_;
    KeyValueStore& store_;
    SettingsWindowHost& settingsHost_;
    HWND owner_;
    TForm2* settings_ = nullptr;
};

}  // namespace zentrova::platform
