// What moving the program's three display windows costs by itself: three
// layered windows of the program's own kind and default sizes, owned by a
// hidden application window as the program's are, each shown with one
// translucent frame and then moved one to two pixels on every 30 ms tick,
// bouncing off the screen's edges, with nothing drawn and no clock read.
// The resource measurement runs it beside the program to show how much of
// the wandering program's CPU time is the window system's cost of the moves
// themselves.
//
// Usage: moving_windows [SECONDS]   (ends by itself after SECONDS, default never)

#include <windows.h>

#include <cstdlib>
#include <memory>

#include "platform/application_window.h"
#include "platform/gdiplus_session.h"
#include "platform/layered_window.h"

namespace zentrova::platform {
namespace {

// Moves its window like a wandering display window, with fixed speeds.
class Mover final : public DisplayEvents {
public:
    Mover(LayeredWindow& window, SizeI screen, PointI start, PointI step)
        : window_(window), screen_(screen), at_(start), step_(step) {}

    void OnTimer() override {
        at_.x += step_.x;
        at_.y += step_.y;
        if (at_.x <= 0 || at_.x >= screen_.width - face_.width) step_.x = -step_.x;
        if (at_.y <= 0 || at_.y >= screen_.height - face_.height) step_.y = -step_.y;
        window_.MoveTo(at_);
    }
    void OnMouseDown(MouseButton, PointI) override {}
    void OnMouseMove() override {}
    void OnMouseUp(MouseButton) override {}
    void OnKeyDown(int) override {}
    void OnPopupCommand(PopupCommand) override { PostQuitMessage(0); }
    void OnDpiChanged(int) override {}
    void OnDisplayChange() override {}
    void OnForegroundChange() override {}

    void Show(SizeI face) {
        face_ = face;
        Frame frame;
        frame.width = face.width;
        frame.height = face.height;
        frame.pixels.assign(static_cast<std::size_t>(face.width) * face.height, 0xC0406080u);
        window_.MoveTo(at_);
        window_.SetClientSize(face);
        window_.Push(frame);
        window_.SetVisible(true);
    }

private:
    LayeredWindow& window_;
    SizeI screen_;
    PointI at_;
    PointI step_;
    SizeI face_{1, 1};
};

// The sizes of the program's clock, countdown and calendar at their
// default settings; starts in tenths of the screen.
struct Placement {
    const char* caption;
    SizeI face;
    PointI startTenths;
    PointI step;
};
constexpr Placement kPlacements[] = {
    {"Moving window 1", {231, 28}, {1, 1}, {1, 2}},
    {"Moving window 2", {230, 48}, {3, 5}, {2, 1}},
    {"Moving window 3", {202, 227}, {6, 2}, {1, 1}},
};

int Run(int seconds) {
    GdiplusSession gdiplus;
    if (!gdiplus.Started()) return 1;
    ApplicationWindow application;
    DisplayTicker ticker;
    const SizeI screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    std::unique_ptr<LayeredWindow> windows[3];
    std::unique_ptr<Mover> movers[3];
    for (int i = 0; i < 3; ++i) {
        const Placement& place = kPlacements[i];
        windows[i] = std::make_unique<LayeredWindow>(place.caption, application.Handle(), ticker);
        const PointI start{screen.width * place.startTenths.x / 10, screen.height * place.startTenths.y / 10};
        movers[i] = std::make_unique<Mover>(*windows[i], screen, start, place.step);
        windows[i]->Attach(*movers[i]);
        movers[i]->Show(place.face);
        windows[i]->StartTimer();
    }
    if (seconds > 0) SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000u, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        // The thread timer (no window) is the end of the run.
        if (message.message == WM_TIMER && message.hwnd == nullptr) break;
        DispatchMessageA(&message);
    }
    return 0;
}

}  // namespace
}  // namespace zentrova::platform

int main(int argc, char** argv) { return zentrova::platform::Run(argc > 1 ? std::atoi(argv[1]) : 0); }
