#include "face/stay_order.h"

#include <gtest/gtest.h>

#include <optional>

#include "face_fakes.h"

namespace zentrova {
namespace {

using testing::Front;

const RectI kPrimary{0, 0, 1920, 1080};
const RectI kSecond{1920, 0, 3200, 1024};
const RectI kBoth{0, 0, 3200, 1080};  // the virtual screen the desktop spans

// Only the desktop brought in front of the other windows (Show desktop)
// lifts a window on the desktop; whatever is in front, a window on top stays
// on top and an ordinary window stays ordinary.
TEST(StayOrder, FollowsTheDesktopLayoutsOfEachWindowsVersion) {
    const auto over = ZOrder::OverDesktop;
    const auto lifted = ZOrder::UnderTopmost;
    ForegroundWindow cloaked = Front("Progman", kBoth, true, true);
    cloaked.cloaked = true;
    ForegroundWindow own = Front("ZentrovaSettings", kPrimary);
    own.ownProcess = true;
    const struct {
        const char* what;
        ForegroundWindow front;
        RectI monitor;
        bool fullScreen;
        std::optional<ZOrder> onDesktop;
    } cases[] = {
        {"nothing in front", ForegroundWindow{}, kPrimary, false, over},
        {"an editor", Front("Notepad", {100, 100, 900, 700}), kPrimary, false, over},
        {"a full-screen video", Front("VideoPlayer", kPrimary), kPrimary, true, over},
        // A folder window holds a folder view as well, but is no desktop.
        {"File Explorer maximised", Front("CabinetWClass", {-8, -8, 1928, 1048}, true, true), kPrimary, false, over},
        // Windows 10 and 11 before 24H2: the icons in Progman, or in a
        // WorkerW once the shell split the desktop for the wallpaper; Show
        // desktop raises a WorkerW holding them. Windows+M minimises the
        // rest, so nothing visible lies under the desktop: as a click on it.
        {"10/11: desktop clicked or Windows+M", Front("Progman", kBoth, true), kPrimary, false, over},
        {"10/11: desktop clicked, icons in a WorkerW", Front("WorkerW", kBoth, true), kPrimary, false, over},
        {"10/11: Show desktop", Front("WorkerW", kBoth, true, true), kPrimary, false, lifted},
        {"10/11: Show desktop, host on primary only", Front("WorkerW", kPrimary, true, true), kSecond, false, over},
        {"10/11: the wallpaper's WorkerW", Front("WorkerW", kBoth, false, true), kPrimary, false, over},
        // 24H2: the icons and the wallpaper's WorkerW are children of
        // Progman, which Show desktop raises itself.
        {"24H2: desktop clicked", Front("Progman", kBoth, true), kSecond, false, over},
        {"24H2: Show desktop, second monitor", Front("Progman", kBoth, true, true), kSecond, false, lifted},
        {"24H2: Show desktop, cloaked", cloaked, kPrimary, false, over},
        {"the shown desktop reported full screen", Front("Progman", kBoth, true, true), kPrimary, true, over},
        {"our own window", own, kPrimary, false, std::nullopt},
    };
    for (const auto& c : cases) {
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
