#include "face/stay_order.h"

#include <gtest/gtest.h>

#include <optional>

namespace zentrova {
namespace {

const RectI kPrimary{0, 0, 1920, 1080};
const RectI kSecond{1920, 0, 3200, 1024};
const RectI kBoth{0, 0, 3200, 1080};  // the virtual screen the desktop spans

// A window in front of another program's, visible, of `className`.
ForegroundWindow Front(const char* className, RectI window) {
    ForegroundWindow front;
    front.exists = true;
    front.visible = true;
    front.className = className;
    front.window = window;
    front.client = window;
    return front;
}

// The desktop's icon host in front, raised over the other windows or not.
ForegroundWindow IconHost(const char* className, bool raised, RectI window = kBoth) {
    ForegroundWindow front = Front(className, window);
    front.desktopOrShell = std::string_view(className) == "Progman";
    front.holdsDesktopIcons = true;
    front.aboveOtherWindows = raised;
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
    RectI monitor;
    bool fullScreen;
    std::optional<ZOrder> onDesktop;  // what a window on the desktop asks for
};

// Only the desktop brought in front of the other windows lifts a window on
// the desktop; whatever is in front, a window on top stays on top and an
// ordinary window stays ordinary.
TEST(StayOrder, FollowsTheDesktopLayoutsOfEachWindowsVersion) {
    const auto over = ZOrder::OverDesktop;
    const auto lifted = ZOrder::UnderTopmost;
    const Case cases[] = {
        {"nothing in front", ForegroundWindow{}, kPrimary, false, over},
        {"an editor in front", Front("Notepad", {100, 100, 900, 700}), kPrimary, false, over},
        {"a full-screen video", Front("VideoPlayer", kPrimary), kPrimary, true, over},
        // File Explorer holds a folder view as well, but it is no desktop.
        {"File Explorer maximised", With(Front("CabinetWClass", {-8, -8, 1928, 1048}), [](auto& f) {
             f.holdsDesktopIcons = true;
             f.aboveOtherWindows = true;
         }), kPrimary, false, over},

        // Windows 10 and Windows 11 before 24H2: the icons in Progman, or in
        // a WorkerW once the shell has split the desktop for the wallpaper;
        // Show desktop raises a WorkerW holding them.
        // (Windows+M minimises the rest, so nothing visible lies under the
        // desktop: as a click on it.)
        {"10, 11: desktop clicked or Windows+M, icons in Progman", IconHost("Progman", false), kPrimary, false, over},
        {"10, 11: desktop clicked, icons in a WorkerW", IconHost("WorkerW", false), kPrimary, false, over},
        {"10, 11: Show desktop", IconHost("WorkerW", true), kPrimary, false, lifted},
        {"10, 11: Show desktop, window on the second monitor", IconHost("WorkerW", true), kSecond, false, lifted},
        {"10, 11: Show desktop, host on the primary alone", IconHost("WorkerW", true, kPrimary), kSecond, false,
         over},
        {"10, 11: the wallpaper's WorkerW, no icons", With(IconHost("WorkerW", true), [](auto& f) {
             f.holdsDesktopIcons = false;
         }), kPrimary, false, over},

        // 24H2: the icons and the wallpaper's WorkerW are children of
        // Progman, which Show desktop raises itself.
        {"24H2: desktop clicked", IconHost("Progman", false), kPrimary, false, over},
        {"24H2: Show desktop", IconHost("Progman", true), kPrimary, false, lifted},
        {"24H2: Show desktop, second monitor", IconHost("Progman", true), kSecond, false, lifted},
        {"24H2: Show desktop while cloaked", With(IconHost("Progman", true), [](auto& f) { f.cloaked = true; }),
         kPrimary, false, over},

        {"the shown desktop reported as full screen", IconHost("Progman", true), kPrimary, true, over},
        {"our own window in front", With(Front("ZentrovaSettings", kPrimary), [](auto& f) {
             f.ownProcess = true;
         }), kPrimary, false, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DecideZOrder(StayMode::OnDesktop, c.front, c.monitor, c.fullScreen), c.onDesktop);
        EXPECT_EQ(DecideZOrder(StayMode::OnTop, c.front, c.monitor, c.fullScreen), ZOrder::Topmost);
        EXPECT_EQ(DecideZOrder(StayMode::AmongWindows, c.front, c.monitor, c.fullScreen), ZOrder::Normal);
    }
}

TEST(StayOrder, StoredValuesOutsideTheModesStayOnTop) {
    const StayMode modes[] = {StayMode::OnTop, StayMode::OnTop, StayMode::AmongWindows, StayMode::OnDesktop,
                              StayMode::OnTop};
    for (int stored = -1; stored <= 3; ++stored) EXPECT_EQ(StayModeOf(stored), modes[stored + 1]) << stored;
}

}  // namespace
}  // namespace zentrova
