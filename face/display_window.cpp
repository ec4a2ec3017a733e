#include "face/display_window.h"

namespace zentrova {

DisplayWindow::DisplayWindow(DisplayContext context, MotionSettings motion)
    : context_(context), settings_(motion) {}

void DisplayWindow::OnTimer() { Tick(false); }

void DisplayWindow::Tick(bool catchingUp) {
    const LocalTime now = context_.time.Now();
    const TimeOfDay time{now.hour, now.minute, now.second};
    if (catchingUp || time != last_) Refresh(now);

    const SizeI screen = context_.desktop.ScreenSize();
    bool moving = settings_.go || motion_.dragging;
    if (settings_.go) {
        context_.surface.MoveTo(motion_.WanderTick(faceSize_, screen, context_.random));
    } else {
        const PointI position = context_.surface.Position();
        const WindowMotion::StillStep step =
            motion_.StillTick(position, faceSize_, screen, PointI{settings_.left, settings_.top});
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
    }
    last_ = time;
    const int delay = moving ? kDisplayTimerMs : RestingTickDelay(now.millisecond);
    if (catchingUp) {
        context_.surface.RestartTicks(delay);
    } else {
        context_.surface.ScheduleTicks(delay);
    }
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

void DisplayWindow::OnMouseUp(MouseButton /*button*/) { motion_.MouseUp(); }

void DisplayWindow::OnKeyDown(int /*virtualKey*/) {}

void DisplayWindow::OnPopupCommand(PopupCommand command) {
    switch (command) {
    case PopupCommand::Settings:
        context_.shell.ShowSettingsWindow();
        break;
    case PopupCommand::Close:
        context_.shell.EndProgram();
        break;
    }
}

void DisplayWindow::PlaceAtSavedPosition() {
    const PointI saved{settings_.left, settings_.top};
    context_.surface.MoveTo(saved);
    motion_.Place(saved);
    motion_.DrawVelocity(context_.random);
}

void DisplayWindow::SetFaceSize(SizeI size, SizeI capacity) {
    faceSize_ = ClampFaceSize(size, capacity);
    context_.surface.SetClientSize(faceSize_);
}

}  // namespace zentrova
