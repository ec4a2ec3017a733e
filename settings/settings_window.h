#pragma once
// The settings window's logic: its creation runs the program's start-up, its
// tray callback and menu implement the tray icon's behaviour, and its buttons
// save or dismiss.

#include "face/services.h"
#include "settings/key_value_store.h"
#include "settings/settings.h"
#include "settings/settings_window_host.h"

namespace zentrova {

// Mouse messages that the shell reports in the tray callback's lParam.
inline constexpr unsigned kTrayLeftButtonUp = 514;      // WM_LBUTTONUP
inline constexpr unsigned kTrayLeftDoubleClick = 515;   // WM_LBUTTONDBLCLK
inline constexpr unsigned kTrayRightButtonUp = 517;     // WM_RBUTTONUP

class TForm2 {
public:
    TForm2(Settings& settings, KeyValueStore& store, SettingsWindowHost& host, TimeSource& time,
           DisplayWindowFactory& displays);

    // Start-up, in order: load (and on a first run write the defaults),
    // place, show on a first run, mark started, tray icon, CountText, the
    // display windows, then the controls.
    void FormCreate();

    void TrayCallback(unsigned mouseMessage);
    void OptionsClick();      // tray menu "Settings"
    void Close1Click();       // tray menu "Close"
    void FormClose();         // close box: hide, icon back
    void Button2Click();      // Cancel: as the close box
    void Button1Click();      // Save
    void ShowFromDisplayMenu();  // a display window's "Settings" item

    bool FirstRun() const { return firstRun_; }

private:
    void HideToTray();

    Settings& settings_;
    KeyValueStore& store_;
    SettingsWindowHost& host_;
    TimeSource& time_;
    DisplayWindowFactory& displays_;
    bool firstRun_ = false;
};

}  // namespace zentrova
