#pragma once
// A display window on screen: borderless, in the place among the other
// windows its logic asks for (on top at first), layered with
// per-pixel alpha, with the timer its logic paces, mouse and key routing to
// that logic, and the "Settings"/"Close" popup menu. Shared by all three
// display windows.

#include <functional>
#include <optional>

#include "face/display_surface.h"
#include "face/tick_period.h"
#include "platform/accessible_value.h"
#include "platform/display_ticker.h"
#include "platform/system_contrast.h"
#include "platform/frame_renderer.h"
#include "platform/pointer_tip.h"
#include "platform/win32_handles.h"
#include "platform/window_base.h"

namespace zentrova::platform {

class LayeredWindow final : public WindowBase, public DisplaySurface {
public:
    // Creates the window hidden and makes it layered (a refusal is shown in
    // a message box with the system's text, and the window carries on).
    LayeredWindow(const char* caption, HWND owner, DisplayTicker& ticker);
    ~LayeredWindow() override;

    void Attach(DisplayEvents& events) { events_ = &events; }
    // Runs after the spoken value has changed.
    void OnSpokenChange(std::function<void()> listener) { spokenListener_ = std::move(listener); }
    // Starts the ticks at the period the logic last asked for; they run
    // until the window goes, shown or not.
    void StartTimer();
    // The menu offers "Remove this clock" before "Close" (the clocks after the first).
    void OfferRemove() { offersRemove_ = true; }

    // DisplaySurface
    void SetClientSize(SizeI size) override;
    PointI Position() const override;
    int Dpi() const override;
    void MoveTo(PointI leftTop) override;
    void SetVisible(bool visible) override;
    void StepAside(bool aside) override;
    void SetZOrder(ZOrder order) override;
    void Push(const Frame& frame) override;
    void ShowPopupMenu(PointI screen) override;
    void ScheduleTicks(int delayMs) override;
    void RestartTicks(int delayMs) override;
    void SetSpokenValue(const std::string& value) override;
    void Announce(const std::string& text) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void MouseDown(MouseButton button, LPARAM lParam);
    void MouseUp(MouseButton button);
    bool OnDesktop() const { return zOrder_ == ZOrder::OverDesktop || zOrder_ == ZOrder::UnderTopmost; }
    // Shown when the settings show it and nothing full screen covers it.
    bool ShouldShow() const { return shownBySettings_ && !steppedAside_; }
    void ApplyVisibility();
    // Renders the frame in the screen's contrast colours and pushes it.
    void Render(const Frame& frame);
    // High contrast turned on or off, or its colours changed: the next frame
    // is shown afresh in the new colours.
    void FollowContrast();
    bool offersRemove_ = false;

    DisplayEvents* events_ = nullptr;
    HDC screenDc_ = nullptr;   // GetDC(no window), kept for the window's life
    UniqueDc memoryDc_;        // holds the current frame bitmap while it is pushed
    LayeredTarget target_;
    FrameRenderer renderer_;
    SizeI size_{1, 1};
    PointerTip tip_{nullptr};
    DisplayTicker& ticker_;
    int tickClient_ = 0;  // the ticker's number for the window; 0 until its ticks start
    int tickMs_ = kDisplayTimerMs;
    bool shownBySettings_ = false;
    bool steppedAside_ = false;
    ZOrder zOrder_ = ZOrder::Topmost;
    // True while SetZOrder moves the window: the only changes of its place
    // a window on the desktop lets through.
    bool placing_ = false;
    AccessibleValue spoken_{nullptr};
    std::function<void()> spokenListener_;
    // The system's colours while high contrast is on, read again when the
    // system's settings or colours change; every frame is then shown in them.
    std::optional<ContrastColours> contrast_;
    Frame contrastFrame_;  // reused from frame to frame
    // A hidden window's frames would reach nobody, and under Wine each push
    // costs some twenty server requests: the latest is held instead and
    // pushed as the window shows again. Empty while the window shows.
    std::optional<Frame> heldFrame_;
};

// Tells the display windows of this thread when another window comes to the
// front, so that they step aside for a full-screen program at once rather
// than on their next tick. Kept for the program's run.
class ForegroundHook {
public:
    ForegroundHook();

private:
    UniqueWinEventHook hook_;
};

}  // namespace zentrova::platform
