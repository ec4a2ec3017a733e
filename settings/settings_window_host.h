#pragma once
// What the settings window's logic needs of its on-screen window, the tray
// and the application around it. The platform implements it; tests fake it.

#include <string>

#include "face/geometry.h"

namespace zentrova {

class SettingsWindowHost {
public:
    virtual ~SettingsWindowHost() = default;
    virtual SizeI OuterSize() const = 0;   // the settings window with its frame
    virtual SizeI ScreenSize() const = 0;  // primary screen
    virtual PointI CursorPos() const = 0;
    virtual void MoveTo(PointI leftTop) = 0;
    virtual void ShowInFront() = 0;  // visible and brought to the front
    virtual void Hide() = 0;
    virtual void AddTrayIcon() = 0;
    virtual void DeleteTrayIcon() = 0;
    // Opens the tray menu at a screen point and waits until it closes; the
    // chosen item comes back through the window's OptionsClick/Close1Click.
    virtual void RunTrayMenu(PointI at) = 0;
    virtual void ShowError(const std::string& text) = 0;
    virtual void EndMessageLoop() = 0;
};

// Creates the clock, countdown and calendar windows, in that order.
class DisplayWindowFactory {
public:
    virtual ~DisplayWindowFactory() = default;
    virtual void CreateDisplayWindows() = 0;
};

}  // namespace zentrova
