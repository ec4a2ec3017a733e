#include "face/full_screen.h"

#include <gtest/gtest.h>

#include <vector>

namespace zentrova {
namespace {

const RectI kLeftMonitor{0, 0, 1920, 1080};
const RectI kRightMonitor{1920, 0, 3200, 1024};
const std::vector<RectI> kMonitors{kLeftMonitor, kRightMonitor};

// A visible borderless window of someone else's exactly filling `rect`.
ForegroundWindow Borderless(RectI rect) {
    ForegroundWindow front;
    front.exists = true;
    front.window = rect;
    front.client = rect;
    front.className = "VideoPlayer";
    front.visible = true;
    return front;
}

// A framed window with its client area at `client` and a frame around it.
ForegroundWindow Framed(RectI client) {
    ForegroundWindow front = Borderless({client.left - 8, client.top - 31, client.right + 8, client.bottom + 8});
    front.client = client;
    front.framed = true;
    return front;
}

template <typename Change>
ForegroundWindow With(ForegroundWindow front, Change change) {
    change(front);
    return front;
}

struct Case {
    const char* what;
    ForegroundWindow front;
    bool coversLeft;
    bool coversRight;
};

TEST(FullScreen, DecidesForEachMonitorFromTheWindowInFront) {
    const ForegroundWindow cover = Borderless(kLeftMonitor);
    const Case cases[] = {
        {"nothing in front", ForegroundWindow{}, false, false},
        {"borderless, exactly the monitor", cover, true, false},
        {"borderless, larger than the monitor", Borderless({-10, -10, 1930, 1090}), true, false},
        {"borderless, one pixel short at the bottom", Borderless({0, 0, 1920, 1079}), false, false},
        {"borderless, one pixel short at the left", Borderless({1, 0, 1920, 1080}), false, false},
        {"borderless, on the second monitor", Borderless(kRightMonitor), false, true},
        {"borderless, across both monitors", Borderless({0, 0, 3200, 1080}), true, true},
        // Maximised above a taskbar: the frame hangs 8 pixels past the
        // monitor but the client area stops at the caption and the taskbar.
        {"maximised, frame past the monitor", With(Framed({0, 23, 1920, 1040}), [](auto& f) {
             f.window = {-8, -8, 1928, 1048};
         }), false, false},
        // Maximised with the taskbar hidden: the frame covers the monitor.
        {"maximised, no taskbar", With(Framed({0, 23, 1920, 1080}), [](auto& f) {
             f.window = {-8, -8, 1928, 1088};
         }), false, false},
        {"framed, client area on the monitor", Framed(kLeftMonitor), true, false},
        {"desktop by class", With(cover, [](auto& f) { f.className = "Progman"; }), false, false},
        {"desktop behind the icons", With(cover, [](auto& f) { f.className = "WorkerW"; }), false, false},
        {"taskbar", With(cover, [](auto& f) { f.className = "Shell_TrayWnd"; }), false, false},
        {"desktop by handle", With(cover, [](auto& f) { f.desktopOrShell = true; }), false, false},
        {"our own window", With(cover, [](auto& f) { f.ownProcess = true; }), false, false},
        {"cloaked", With(cover, [](auto& f) { f.cloaked = true; }), false, false},
        {"invisible", With(cover, [](auto& f) { f.visible = false; }), false, false},
        {"minimised", With(cover, [](auto& f) { f.minimised = true; }), false, false},
        {"Direct3D full screen on the second monitor", With(Framed({2000, 100, 2600, 600}), [](auto& f) {
             f.notification = UserNotificationState::FullScreenDirect3D;
         }), false, true},
        {"presentation mode, window on the first monitor", With(Framed({100, 100, 600, 600}), [](auto& f) {
             f.notification = UserNotificationState::PresentationMode;
         }), true, false},
        {"Direct3D reported while the desktop is in front", With(cover, [](auto& f) {
             f.className = "Progman";
             f.notification = UserNotificationState::FullScreenDirect3D;
         }), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CoversMonitor(c.front, kLeftMonitor, kMonitors), c.coversLeft);
        EXPECT_EQ(CoversMonitor(c.front, kRightMonitor, kMonitors), c.coversRight);
    }
}

}  // namespace
}  // namespace zentrova
