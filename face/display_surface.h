#pragma once
// What a display window's logic needs of its on-screen window, and what the
// on-screen window reports back. The platform implements the surface; the
// clock, countdown and calendar windows implement the events.

#include <string>

#include "face/frame.h"
#include "face/geometry.h"
#include "face/stay_order.h"

namespace zentrova {

enum class MouseButton { Left, Right, Middle, Other };
enum class PopupCommand { Settings, Close, Remove };

class DisplaySurface {
public:
    virtual ~DisplaySurface() = default;
    virtual void SetClientSize(SizeI size) = 0;
    virtual PointI Position() const = 0;  // left, top in screen pixels
    // The DPI of the monitor the window stands on (96 where the system has
    // no per-monitor DPI).
    virtual int Dpi() const = 0;
    virtual void MoveTo(PointI leftTop) = 0;
    virtual void SetVisible(bool visible) = 0;
    // Hides the window while a full-screen program covers its monitor and
    // shows it again, without the focus, when `aside` is false. The
    // visibility SetVisible gave it is kept: a window hidden by the settings
    // stays hidden.
    virtual void StepAside(bool aside) = 0;
    // Puts the window in that place among the other windows. In
    // ZOrder::OverDesktop it also keeps that place: it neither comes up when
    // clicked nor takes the focus.
    virtual void SetZOrder(ZOrder order) = 0;
    // Renders the frame and pushes it at the window's current position.
    virtual void Push(const Frame& frame) = 0;
    // Opens the window's "Settings"/"Close" menu at a screen point; the chosen
    // command arrives through DisplayEvents::OnPopupCommand.
    virtual void ShowPopupMenu(PointI screen) = 0;
    // The window's ticks come every `delayMs` from now on (the first one
    // `delayMs` after this call); asking for the period already set keeps
    // the ticks where they are.
    virtual void ScheduleTicks(int delayMs) = 0;
    // As ScheduleTicks, but the timer is set afresh even for the period
    // already set, so the next tick comes `delayMs` from now.
    virtual void RestartTicks(int delayMs) = 0;
    // The window's value as a screen reader reads it (its name is its
    // caption); listening readers are told that it changed.
    virtual void SetSpokenValue(const std::string& value) = 0;
    // Said once by a screen reader without being asked.
    virtual void Announce(const std::string& text) = 0;
};

class DisplayEvents {
public:
    virtual ~DisplayEvents() = default;
    virtual void OnTimer() = 0;
    virtual void OnMouseDown(MouseButton button, PointI client) = 0;
    virtual void OnMouseMove() = 0;
    virtual void OnMouseUp(MouseButton button) = 0;
    // The wheel turned by `delta` (WHEEL_DELTA a notch, positive away from
    // the user) over the window.
    virtual void OnMouseWheel(int delta) { (void)delta; }
    virtual void OnKeyDown(int virtualKey) = 0;
    virtual void OnPopupCommand(PopupCommand command) = 0;
    // The window now stands on a monitor of another DPI.
    virtual void OnDpiChanged(int dpi) = 0;
    // Monitors were added, removed or changed.
    virtual void OnDisplayChange() = 0;
    // The tip shown while the pointer rests at a client point; none by default.
    virtual std::string TipAt(PointI client) const {
        (void)client;
        return {};
    }
    // Another window came to the front.
    virtual void OnForegroundChange() = 0;
};

}  // namespace zentrova
