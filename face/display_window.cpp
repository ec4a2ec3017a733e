#include "face/display_window.h"

#include "face/full_screen.h"
#include "face/monitor_layout.h"

namespace zentrova {
namespace {

// How long a window on the desktop keeps looking at the window in front
// after it changed: Show desktop and its undo settle within a few hundred
// milliseconds.
constexpr int kStaySettleTicks = 600 / kDisplayTimerMs;

}  // namespace

DisplayWindow::DisplayWindow(DisplayContext context, MotionSettings motion)
    : context_(context), settings_(motion), fitter_(context.measurer) {}

void DisplayWindow::OnTimer() { Tick(false); }

void DisplayWindow::Tick(bool catchingUp) {
    const LocalTime now = context_.time.Now();
    const TimeOfDay time{now.hour, now.minute, now.second};

    // A wandering window's floating position tells its monitor without
    // asking the window.
    const PointI at = settings_.go ? PointI{RoundHalfEven(motion_.posX), RoundHalfEven(motion_.posY)}
                                   : context_.surface.Position();
    const std::span<const RectI> monitors = context_.desktop.Monitors();
    const RectI monitor = MonitorOf(monitors, RectI::At(at, faceSize_));
    const bool wasAside = steppedAside_;
    const bool aside = StepAsideFor(monitor, monitors);

    // Drawn while stepped aside too, and at once on coming back, so that
    // the window shows the current texts.
    if (catchingUp || time != last_ || (wasAside && !aside)) {
        Refresh(now);
        TellSpokenValue(time);
    }
    if ((catchingUp || time != last_) && secondListener_) secondListener_(now);
    // Out of the way of a full-screen program it neither wanders nor saves,
    // so it comes back where it was.
    const bool moving = !aside && Move(monitor);
    // Hidden, it has no place to keep until it comes back.
    const bool settling = !aside && KeepStay(monitor, monitors);

    last_ = time;
    const int delay = moving || settling ? kDisplayTimerMs : RestingTickDelay(now.millisecond);
    if (catchingUp) {
        context_.surface.RestartTicks(delay);
    } else {
        context_.surface.ScheduleTicks(delay);
    }
}

bool DisplayWindow::StepAsideFor(const RectI& monitor, std::span<const RectI> monitors) {
    const bool aside = settings_.hideFullScreen && !motion_.dragging &&
                       CoversMonitor(context_.desktop.Foreground(), monitor, monitors);
    if (aside != steppedAside_) {
        steppedAside_ = aside;
        context_.surface.StepAside(aside);
    }
    return aside;
}

bool DisplayWindow::KeepStay(const RectI& monitor, std::span<const RectI> monitors) {
    const StayMode mode = StayModeOf(settings_.stay);
    const bool onDesktop = mode == StayMode::OnDesktop;
    // Only a window on the desktop cares what is in front.
    const ForegroundWindow front = onDesktop ? context_.desktop.Foreground() : ForegroundWindow{};
    const std::optional<ZOrder> decided = DecideZOrder(mode, front, monitor, CoversMonitor(front, monitor, monitors));
    // An ordinary window is put in its place once and then left where the
    // user's clicks put it; a window on the desktop is put back after each
    // change in front, in case something raised it, unless it is to keep
    // its place (with nothing asked yet, its place is over the desktop).
    const ZOrder order = decided.value_or(zOrder_.value_or(ZOrder::OverDesktop));
    if (order != zOrder_ || (onDesktop && frontChanged_ && decided)) {
        context_.surface.SetZOrder(order);
        zOrder_ = order;
    }
    frontChanged_ = false;
    if (!onDesktop) settleTicks_ = 0;
    if (settleTicks_ == 0) return false;
    --settleTicks_;
    return true;
}

bool DisplayWindow::Move(const RectI& monitor) {
    if (settings_.go) {
        context_.surface.MoveTo(motion_.WanderTick(faceSize_, monitor, context_.random, scale_.Factor()));
        return true;
    }
    const PointI position = context_.surface.Position();
    const WindowMotion::StillStep step =
        motion_.StillTick(position, faceSize_, monitor, PointI{settings_.left, settings_.top});
    bool moving = motion_.dragging;
    if (step.position != position) {
        context_.surface.MoveTo(step.position);
        moving = true;
    }
    if (step.save) {
        settings_.left = step.position.x;
        settings_.top = step.position.y;
        settings_.sink.WritePosition();
        moving = true;
    }
    return moving;
}

void DisplayWindow::OnMouseDown(MouseButton button, PointI client) {
    const PointI cursor = context_.desktop.CursorPos();
    const WindowMotion::Press press = motion_.MouseDown(button, cursor, [&] { OnLeftPress(client); });
    // A drag saves where the window comes to rest on the ticks that follow.
    if (press == WindowMotion::Press::Drag) Wake();
    if (press == WindowMotion::Press::OpenMenu) context_.surface.ShowPopupMenu(motion_.dragAnchor);
}

void DisplayWindow::OnMouseMove() {
    const PointI cursor = context_.desktop.CursorPos();
    if (auto moved = motion_.MouseMove(cursor, context_.surface.Position())) context_.surface.MoveTo(*moved);
}

void DisplayWindow::OnMouseUp(MouseButton button) {
    const bool leftPressed = button == MouseButton::Left && motion_.dragging;
    motion_.MouseUp();
    if (leftPressed) OnLeftRelease();
}

void DisplayWindow::OnKeyDown(int /*virtualKey*/) {}

void DisplayWindow::OnPopupCommand(PopupCommand command) {
    switch (command) {
    case PopupCommand::Settings:
        context_.shell.ShowSettingsWindow();
        break;
    case PopupCommand::Close:
        context_.shell.EndProgram();
        break;
    case PopupCommand::Remove:
        context_.shell.RemoveThisWindow();
        break;
    }
}

void DisplayWindow::OnDpiChanged(int dpi) {
    const DpiScale scale{dpi};
    if (scale.Dpi() == scale_.Dpi()) return;
    // The wander speed keeps its size on the screen.
    const double ratio = scale.Factor() / scale_.Factor();
    motion_.velX *= ratio;
    motion_.velY *= ratio;
    scale_ = scale;
    Rebuild();
}

void DisplayWindow::OnDisplayChange() {
    context_.desktop.DisplayChanged();
    Wake();
}

void DisplayWindow::OnForegroundChange() {
    context_.desktop.ForegroundChanged();
    frontChanged_ = true;
    settleTicks_ = kStaySettleTicks;
    Tick(false);
}

void DisplayWindow::PlaceAtSavedPosition() {
    const PointI saved{settings_.left, settings_.top};
    context_.surface.MoveTo(saved);
    scale_ = DpiScale{context_.surface.Dpi()};
    motion_.Place(saved);
    DrawVelocity();
    // In its place before it is first shown, so that a window on the desktop
    // never shows on top.
    const std::span<const RectI> monitors = context_.desktop.Monitors();
    KeepStay(MonitorOf(monitors, RectI::At(saved, faceSize_)), monitors);
}

void DisplayWindow::PlaceAt(PointI leftTop) {
    settings_.left = leftTop.x;
    settings_.top = leftTop.y;
    context_.surface.MoveTo(leftTop);
    motion_.Place(leftTop);
    settings_.sink.WritePosition();
}

void DisplayWindow::SetFaceSize(SizeI size, SizeI capacity) {
    faceSize_ = ClampFaceSize(size, capacity);
    context_.surface.SetClientSize(faceSize_);
}

void DisplayWindow::PushFrame() {
    fitter_.Fit(frame_);
    context_.surface.Push(frame_);
}

void DisplayWindow::TellSpokenValue(TimeOfDay time) {
    if (spokenOnce_ && time == spokenAt_) return;
    std::string value = SpokenValue();
    if (spokenOnce_ && value == spoken_) return;
    spoken_ = std::move(value);
    spokenAt_ = time;
    spokenOnce_ = true;
    context_.surface.SetSpokenValue(spoken_);
}

}  // namespace zentrova
