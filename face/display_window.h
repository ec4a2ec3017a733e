#pragma once
// What the clock, countdown and calendar windows share: the tick that
// redraws when the second changes and then moves the window (every 30 ms
// while it moves, once a second at rest), the mouse handling and the popup
// menu's commands.

#include <functional>
#include <optional>
#include <utility>

#include "face/display_surface.h"
#include "face/dpi_scale.h"
#include "face/face_planes.h"
#include "face/fit_frame_text.h"
#include "face/frame.h"
#include "face/services.h"
#include "face/skin.h"
#include "face/stay_order.h"
#include "face/tick_period.h"
#include "face/window_motion.h"
#include "face/working_bitmap.h"

namespace zentrova {

// Everything a display window uses from outside itself.
struct DisplayContext {
    DisplaySurface& surface;
    TextMeasurer& measurer;
    Desktop& desktop;
    RandomSource& random;
    TimeSource& time;
    ShellActions& shell;
    const SkinSet& skins;
    WorkingBitmaps& bitmaps;
};

// Writes a still window's new resting position (its own key and values).
class PositionSink {
public:
    virtual ~PositionSink() = default;
    virtual void WritePosition() = 0;
};

// The window's motion settings, living in the process-wide settings.
struct MotionSettings {
    bool& go;
    int& left;
    int& top;
    PositionSink& sink;
    // Step aside, motionless, while a full-screen program covers the
    // window's monitor.
    const bool& hideFullScreen;
    // Where the window stays among the others (a StayMode as stored).
    const int& stay;
};

class DisplayWindow : public DisplayEvents {
public:
    DisplayWindow(DisplayContext context, MotionSettings motion);

    void OnTimer() override;
    void OnMouseDown(MouseButton button, PointI client) override;
    void OnMouseMove() override;
    void OnMouseUp(MouseButton button) override;
    void OnKeyDown(int virtualKey) override;
    void OnPopupCommand(PopupCommand command) override;
    // Rebuilds the face at the new scale; the position stays.
    void OnDpiChanged(int dpi) override;
    // Reads the monitors again and ticks soon, so a window left on no
    // monitor starts creeping back at once.
    void OnDisplayChange() override;
    // Looks at once whether the new window in front covers this one's
    // monitor; the tick looks again each second, for a window that goes
    // full screen without changing places. A window on the desktop also
    // puts itself back in its place, and keeps looking for a moment, since
    // Show desktop raises the desktop only just after making it the
    // foreground window. (The shell restarting comes here too: the desktop's
    // windows are new.)
    void OnForegroundChange() override;

    // A setting the tick reads has changed (or the face was prepared anew):
    // the next tick comes within 30 ms rather than at the next second.
    void Wake() { context_.surface.ScheduleTicks(kDisplayTimerMs); }
    // Hands the time to `listener` on every tick that finds a new second,
    // whether the window is shown, hidden or stepped aside: the program's
    // own once-a-second work rides the windows' ticks rather than waking
    // it on a timer of its own.
    void OnNewSecond(std::function<void(const LocalTime&)> listener) { secondListener_ = std::move(listener); }
    // The system's clock jumped (a resume from sleep, a change of the clock,
    // the time zone or daylight saving time): ticks at once, redrawing
    // whatever the second, and sets the ticks going afresh from now, since
    // a timer that slept with the machine can come late.
    void CatchUp() { Tick(true); }

    WindowMotion& Motion() { return motion_; }
    const WindowMotion& Motion() const { return motion_; }
    SizeI FaceSize() const { return faceSize_; }
    DpiScale Scale() const { return scale_; }
    // A new resting position, stored at once (the first start's fitting).
    void PlaceAt(PointI leftTop);
    // A fresh wander velocity at the window's scale.
    void DrawVelocity() { motion_.DrawVelocity(context_.random, scale_.Factor()); }
    TimeOfDay LastTime() const { return last_; }
    bool SteppedAside() const { return steppedAside_; }
    // The order last asked of the surface, if any.
    std::optional<ZOrder> CurrentZOrder() const { return zOrder_; }
    // What a screen reader hears as the window's value, from the texts the
    // last Refresh formatted.
    virtual std::string SpokenValue() const = 0;

protected:
    // Placement at the saved position, the scale of the monitor there and
    // the first velocity (creation).
    void PlaceAtSavedPosition();
    // The window's face preparation (Dial, CountForm, CalendarForm).
    virtual void Rebuild() = 0;
    // Face preparation clears the remembered time so the next tick redraws,
    // and brings that tick near.
    void ForgetLastTime() {
        last_ = {};
        Wake();
    }
    // Sets the face size (clamped) and the window's client size.
    void SetFaceSize(SizeI size, SizeI capacity);
    // Formats the window's texts for `now` and draws a frame.
    virtual void Refresh(const LocalTime& now) = 0;
    // Fits frame_'s texts into their rectangles and pushes it: the one way
    // a window's frame reaches its surface.
    void PushFrame();
    // Runs on a left press before the drag starts.
    virtual void OnLeftPress(PointI /*client*/) {}
    // Runs when the left button comes up after a press on the window.
    virtual void OnLeftRelease() {}

    DisplayContext context_;
    MotionSettings settings_;
    WindowMotion motion_;
    SizeI faceSize_{1, 1};
    DpiScale scale_;  // handed to every face preparation
    TimeOfDay last_;
    Frame frame_;  // reused from frame to frame to avoid reallocating pixels

private:
    FrameTextFitter fitter_;
    // `catchingUp`: redraw even in the same second, and restart the ticks.
    void Tick(bool catchingUp);
    // Hides or shows the window as the window in front covers `monitor` or
    // not; true while it is hidden that way.
    bool StepAsideFor(const RectI& monitor, std::span<const RectI> monitors);
    // One step of wandering or of the still creep; true when the window moved.
    bool Move(const RectI& monitor);
    // Asks the surface for the order the stay mode gives with the window in
    // front when it differs from the last one asked, or, for a window on the
    // desktop, after a change in front. True while the window keeps looking
    // after such a change (its ticks then come at the short period).
    bool KeepStay(const RectI& monitor, std::span<const RectI> monitors);

    std::function<void(const LocalTime&)> secondListener_;
    std::optional<ZOrder> zOrder_;
    bool frontChanged_ = false;
    // Short ticks left to look at the window in front after it changed.
    int settleTicks_ = 0;

    bool steppedAside_ = false;
    // Hands a changed spoken value to the surface, at most once a second: a
    // change within the second already told waits for the next refresh.
    void TellSpokenValue(TimeOfDay time);

    std::string spoken_;
    TimeOfDay spokenAt_;
    bool spokenOnce_ = false;
};

}  // namespace zentrova
