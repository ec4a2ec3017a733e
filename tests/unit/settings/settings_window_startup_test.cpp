// Start-up through the settings window's creation, and the tray icon's
// behaviour, against an in-memory store and a recording host.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/memory_store.h"
#include "settings/settings_window.h"

namespace zentrova {
namespace {

constexpr char kRoot[] = "\\Software\\Zentrova";

class RecordingHost : public SettingsWindowHost {
public:
    std::vector<std::string> calls;
    PointI movedTo;
    bool visible = false;
    bool trayShown = false;
    PointI cursor{700, 740};

    SizeI OuterSize() const override { return {406, 346}; }
    SizeI ScreenSize() const override { return {1024, 768}; }
    PointI CursorPos() const override { return cursor; }
    void MoveTo(PointI p) override { movedTo = p; calls.push_back("move"); }
    void ShowInFront() override { visible = true; calls.push_back("show"); }
    void Hide() override { visible = false; calls.push_back("hide"); }
    void AddTrayIcon() override { trayShown = true; calls.push_back("tray+"); }
    void DeleteTrayIcon() override { trayShown = false; calls.push_back("tray-"); }
    void RunTrayMenu(PointI at) override { calls.push_back("menu@" + std::to_string(at.x) + "," + std::to_string(at.y)); }
    void ShowError(const std::string& text) override { calls.push_back("error:" + text); }
    void EndMessageLoop() override { calls.push_back("quit"); }
};

class FixedTime : public TimeSource {
public:
    LocalTime Now() const override { return {2026, 12, 9, 10, 0, 0, 0}; }
};

class RecordingDisplays : public DisplayWindowFactory {
public:
    explicit RecordingDisplays(RecordingHost& host, const Settings& settings) : host_(host), settings_(settings) {}
    void CreateDisplayWindows() override { host_.calls.push_back("displays:" + settings_.CountText); }

private:
    RecordingHost& host_;
    const Settings& settings_;
};

struct StartupFixture : ::testing::Test {
    MemoryStore store;
    Settings settings;
    RecordingHost host;
    FixedTime time;
    RecordingDisplays displays{host, settings};
    TForm2 form{settings, store, host, time, displays};
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

TEST_F(StartupFixture, LaterRunStaysHiddenWithTrayIcon) {
    form.FormCreate();
    host.calls.clear();
    Settings again;
    RecordingDisplays secondDisplays{host, again};
    TForm2 second{again, store, host, time, secondDisplays};
    second.FormCreate();
    EXPECT_FALSE(second.FirstRun());
    const std::vector<std::string> expected{"move", "tray+", "displays:Christmas Countdown"};
    EXPECT_EQ(host.calls, expected);
}

TEST_F(StartupFixture, LoadErrorIsShownAndStartUpGoesOn) {
    form.FormCreate();
    store.PutString("\\Software\\Zentrova\\Clock", "ClockSize", "six");
    host.calls.clear();
    Settings again;
    RecordingDisplays secondDisplays{host, again};
    TForm2 second{again, store, host, time, secondDisplays};
    second.FormCreate();
    ASSERT_FALSE(host.calls.empty());
    EXPECT_EQ(host.calls.front(), "error:Invalid data type for 'ClockSize'");
    EXPECT_EQ(host.calls.back(), "displays:Christmas Countdown");
    EXPECT_EQ(again.ClockSize, 6);  // fell back to its first-run value
}

TEST_F(StartupFixture, SelectedTitleIsSetBeforeTheDisplayWindowsExist) {
    form.FormCreate();
    store.PutDword("\\Software\\Zentrova\\Countdown\\CountTitle", "CountIndex", 1);
    host.calls.clear();
    Settings again;
    RecordingDisplays secondDisplays{host, again};
    TForm2 second{again, store, host, time, secondDisplays};
    second.FormCreate();
    EXPECT_EQ(host.calls.back(), "displays:New Year Countdown");
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
