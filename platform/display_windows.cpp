#include "platform/display_windows.h"

namespace zentrova::platform {

DisplayWindows::DisplayWindows(ProgramState& state, KeyValueStore& store, SettingsWindowHost& settingsHost,
                               HWND owner)
    : state_(state), store_(store), settingsHost_(settingsHost), owner_(owner) {}

void DisplayWindows::CreateDisplayWindows() {
    // The display windows are created here, in this order: the clock (the
    // application's main window: closing it ends the program), the
    // countdown, the calendar.
}

}  // namespace zentrova::platform
