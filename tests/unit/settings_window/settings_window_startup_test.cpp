// Start-up through the settings window's creation, and the tray icon's
// behaviour, against an in-memory store and a recording host.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/start_with_windows.h"
#include "settings/value_codec.h"
#include "settings_window_fakes.h"

namespace zentrova {
namespace {

constexpr char kRoot[] = "\\Software\\Zentrova";

using test::SettingsWindowRig;

struct StartupFixture : ::testing::Test, SettingsWindowRig {};

// A later start of the program over the store the first one left.
struct LaterStart : SettingsWindowRig {
    explicit LaterStart(const MemoryStore& earlier) { store = earlier; }
};

TEST_F(StartupFixture, FirstRunShowsWindowAddsTrayAndCreatesDisplaysInOrder) {
    form.FormCreate();
    EXPECT_TRUE(form.FirstRun());
    const std::vector<std::string> expected{"move", "show", "tray+", "displays:Christmas Countdown"};
    EXPECT_EQ(host.calls, expected);
    EXPECT_EQ(host.movedTo, (PointI{309, 298}));
    EXPECT_EQ(settings.Start_1, 1);
    auto start = store.Get(kRoot, "Start_1");
    ASSERT_TRUE(start);
    EXPECT_EQ(start->data, (std::vector<std::uint8_t>{1, 0, 0, 0}));
}

// The first start moves only the windows whose first-run place does not
// fit (here a calendar tall enough to reach the settings window), and
// stores where they went; later starts leave the stored places alone.
TEST_F(StartupFixture, FirstRunPlacesAfreshOnlyWhatDoesNotFit) {
    form.FormCreate();
    EXPECT_EQ(displays.Count("place clock") + displays.Count("place countdown") + displays.Count("place calendar"), 0);

    SettingsWindowRig tall;
    tall.displays.faceSizes[2] = {182, 300};
    tall.form.FormCreate();
    EXPECT_EQ(tall.displays.Count("place calendar"), 1);
    EXPECT_EQ(tall.displays.Count("place clock") + tall.displays.Count("place countdown"), 0);
    // Beside the settings window (at 309, 298), on the screen.
    const PointI at = tall.displays.placedAt[2];
    EXPECT_TRUE(at.x + 182 <= 309 || at.y + 300 <= 298) << at.x << "," << at.y;
    EXPECT_TRUE(at.x >= 0 && at.y >= 0 && at.y + 300 <= 768) << at.x << "," << at.y;

    LaterStart later(store);
    later.displays.faceSizes[2] = {182, 300};
    later.form.FormCreate();
    EXPECT_EQ(later.displays.Count("place calendar"), 0);
}

TEST_F(StartupFixture, LaterRunStaysHiddenWithTrayIcon) {
    form.FormCreate();
    LaterStart second(store);
    second.form.FormCreate();
    EXPECT_FALSE(second.form.FirstRun());
    const std::vector<std::string> expected{"move", "tray+", "displays:Christmas Countdown"};
    EXPECT_EQ(second.host.calls, expected);
}

TEST_F(StartupFixture, LoadErrorIsShownAndStartUpGoesOn) {
    form.FormCreate();
    store.PutString("\\Software\\Zentrova\\Clock", "ClockSize", "six");
    LaterStart second(store);
    second.form.FormCreate();
    ASSERT_FALSE(second.host.calls.empty());
    EXPECT_EQ(second.host.calls.front(), "error:Invalid data type for 'ClockSize'");
    EXPECT_EQ(second.host.calls.back(), "displays:Christmas Countdown");
    EXPECT_EQ(second.settings.ClockSize, 6);  // fell back to its first-run value
    EXPECT_EQ(second.controls().Slider("TrackBar1").Position(), 6);
}

TEST_F(StartupFixture, SelectedTitleIsSetBeforeTheDisplayWindowsExist) {
    form.FormCreate();
    store.PutDword("\\Software\\Zentrova\\Countdown\\CountTitle", "CountIndex", 1);
    LaterStart second(store);
    second.form.FormCreate();
    EXPECT_EQ(second.host.calls.back(), "displays:New Year Countdown");
}

struct TrayTable : StartupFixture {
    void SetUp() override {
        form.FormCreate();
        host.calls.clear();
    }
};

TEST_F(TrayTable, LeftClickAndDoubleClickDeleteTheIconAndShowTheWindow) {
    for (unsigned message : {kTrayLeftButtonUp, kTrayLeftDoubleClick}) {
        host.AddTrayIcon();
        host.visible = false;
        form.TrayCallback(message);
        EXPECT_FALSE(host.trayShown) << message;
        EXPECT_TRUE(host.visible) << message;
    }
}

TEST_F(TrayTable, RightClickOpensTheMenuAtTheCursor) {
    form.TrayCallback(kTrayRightButtonUp);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"menu@700,740"}));
}

TEST_F(TrayTable, MenuShowsStartWithWindowsAsTheRunKeyHasIt) {
    form.TrayCallback(kTrayRightButtonUp);
    EXPECT_FALSE(host.menuStartWithWindows);
    store.PutString(kRunKeyPath, kRunValueName, "\"C:\\z.exe\"");
    form.TrayCallback(kTrayRightButtonUp);
    EXPECT_TRUE(host.menuStartWithWindows);
}

// The tray item and the General tab's box turn the same entry over, and
// the box always shows what the entry holds.
TEST_F(TrayTable, StartWithWindowsTurnsTheEntryOverAndLeavesWindowAndIcon) {
    CheckControl& box = form.CheckBox(kStartWithWindowsBox);
    EXPECT_FALSE(box.Checked());
    form.StartWithWindowsClick();
    auto value = store.Get(kRunKeyPath, kRunValueName);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->data, EncodeString("\"" + host.programPath + "\""));
    EXPECT_TRUE(box.Checked());
    form.StartWithWindowsClick();
    EXPECT_FALSE(store.Get(kRunKeyPath, kRunValueName));
    EXPECT_FALSE(box.Checked());
    box.SetChecked(true);
    EXPECT_TRUE(StartsWithWindows(store));
    box.SetChecked(false);
    EXPECT_FALSE(StartsWithWindows(store));
    EXPECT_TRUE(host.calls.empty());
    EXPECT_TRUE(host.trayShown);

    // Turned on elsewhere (the installer): the box shows it when the window
    // is shown.
    store.PutString(kRunKeyPath, kRunValueName, "\"C:\\z.exe\"");
    form.OptionsClick();
    EXPECT_TRUE(box.Checked());
}

TEST_F(TrayTable, StartWithWindowsThatCannotBeWrittenIsReported) {
    store.FailSet(kRunValueName);
    form.StartWithWindowsClick();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"error:Failed to set data for 'Zentrova'"}));
    EXPECT_FALSE(StartsWithWindows(store));
    // The box checked by the user goes back to what the entry holds.
    CheckControl& box = form.CheckBox(kStartWithWindowsBox);
    box.SetChecked(true);
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(host.calls.size(), 2u);
}

TEST_F(TrayTable, OtherMouseMessagesAreIgnored) {
    for (unsigned message : {512u, 513u, 516u, 518u, 519u}) form.TrayCallback(message);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(TrayTable, CloseBoxAndCancelHideAndBringTheIconBack) {
    form.OptionsClick();
    form.FormClose();
    EXPECT_TRUE(host.trayShown);
    EXPECT_FALSE(host.visible);
    form.OptionsClick();
    form.Button2Click();
    EXPECT_TRUE(host.trayShown);
    EXPECT_FALSE(host.visible);
}

TEST_F(TrayTable, DisplayMenuShowsTheWindowAndLeavesTheIcon) {
    form.ShowFromDisplayMenu();
    EXPECT_TRUE(host.visible);
    EXPECT_TRUE(host.trayShown);
}

TEST_F(TrayTable, TrayCloseDeletesTheIconAndEndsTheLoop) {
    form.Close1Click();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"tray-", "quit"}));
}

TEST_F(TrayTable, SaveLeavesWindowAndIconAsTheyAre) {
    host.visible = true;
    form.Button1Click();
    EXPECT_TRUE(host.calls.empty());
    EXPECT_TRUE(host.visible);
    EXPECT_TRUE(host.trayShown);
}

}  // namespace
}  // namespace zentrova
