// The settings window's controls: what they show after start-up, what the
// start-up fill sets off, and what each change stores and asks of the
// display windows.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "app/program_names.h"
#include "language/language_test_support.h"
#include "language/texts.h"
#include "settings/clock_set.h"
#include "settings_window_fakes.h"
#include "settings/store_test_support.h"

namespace zentrova {
namespace {

using test::FakeCheckBox;
using test::FakeList;
using test::FakeSlider;
using test::kClockPath;
using test::kCountTitlePath;
using test::SettingsWindowRig;
using test::StoredDword;
using test::StoredString;

struct Started : ::testing::Test, SettingsWindowRig {
    void SetUp() override {
        form.FormCreate();
        displays.calls.clear();
        store.ClearJournal();
    }
};

// A later start over the store an earlier run left.
struct LaterStart : SettingsWindowRig {
    explicit LaterStart(const MemoryStore& earlier) {
        store = earlier;
        form.FormCreate();
    }
};

TEST_F(Started, FirstRunControlsShowTheFirstRunValues) {
    auto& c = controls();
    EXPECT_EQ(c.Slider("TrackBar1").Position(), 6);
    EXPECT_EQ(c.Slider("TrackBar4").Position(), 3);
    EXPECT_EQ(c.Slider("TrackBar7").Position(), 5);
    for (const char* skin : {"TrackBar2", "TrackBar5", "TrackBar8"}) EXPECT_EQ(c.Slider(skin).Position(), 9) << skin;
    for (const char* transparent : {"TrackBar3", "TrackBar6", "TrackBar9"})
        EXPECT_EQ(c.Slider(transparent).Position(), 0) << transparent;
    for (const char* font : {"ComboBox3", "ComboBox5", "ComboBox7"}) EXPECT_EQ(c.List(font).Text(), "Tahoma") << font;

    const std::vector<std::string> checked{"CheckBox1",  "CheckBox4",  "CheckBox6", "CheckBox8",
                                           "CheckBox10", "CheckBox12", "CheckBox16", "CheckBox17", "CheckBox18",
                                           "CheckBox20", "CheckBox21", "CheckBox22"};
    for (const auto& [name, box] : c.checkBoxes) {
        const bool expected = std::find(checked.begin(), checked.end(), name) != checked.end();
        EXPECT_EQ(box->Checked(), expected) << name;
    }
    EXPECT_EQ(c.List("ComboBox10").Text(), "Local time");
    EXPECT_EQ(c.Edit("Edit1").Text(), "");
    // Each format shows what it makes of now.
    EXPECT_EQ(c.List("ComboBox2").Text(), "Month Day: December 09");
    EXPECT_EQ(c.List("ComboBox1").Text(), "Hours:Minutes (12 hours am/pm): 10:00 AM");
    EXPECT_EQ(c.List("ComboBox6").Items().back(), "As in Windows (long): 10:00:00 AM");
    FakeList& titles = c.List("ComboBox4");
    ASSERT_EQ(titles.Items().size(), 2u);
    EXPECT_EQ(titles.SelectedIndex(), 0);
    EXPECT_EQ(titles.Text().rfind("Christmas Countdown  12/25/2026  ", 0), 0u) << titles.Text();
    EXPECT_EQ(titles.Items()[1], "New Year Countdown  1/1/2027  12:00:00 AM");
}

TEST_F(Started, OnlyTheCalendarFontListTakesTyping) {
    auto& c = controls();
    for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5", "ComboBox6",
                             "ComboBox8", "ComboBox9", "ComboBox10"})
        EXPECT_TRUE(c.List(name).ReadOnly()) << name;
    EXPECT_FALSE(c.List("ComboBox7").ReadOnly());
}

TEST(SettingsWindowFill, RunsTheHandlersOfChangedControlsAfterTheDisplayWindowsExist) {
    SettingsWindowRig rig;
    rig.form.FormCreate();
    // Sliders differing from their start positions and true flags each
    // act once; lists selected by the program act not at all.
    const std::vector<std::string> expected{
        "rebuild clock",     "rebuild clock",     "show clock",        "rebuild clock",    "rebuild clock",
        "rebuild clock",     "rebuild countdown", "show countdown",    "rebuild countdown", "rebuild countdown", "rebuild countdown",
        "show calendar",     "rebuild calendar",  "rebuild calendar",  "rebuild calendar", "rebuild calendar",
        "wake clock",        "wake countdown",    "wake calendar",  // "Hide over full-screen programs"
    };
    EXPECT_EQ(rig.displays.calls, expected);
}

TEST(SettingsWindowFill, ATrueGoClockDrawsAVelocityAndHiddenWindowsStayHidden) {
    MemoryStore earlier = test::FirstRunStore();
    earlier.PutDword(kClockPath, "ClockGo", 1);
    earlier.PutDword(kClockPath, "ClockShow", 0);
    LaterStart later(earlier);
    EXPECT_EQ(later.displays.Count("velocity"), 1);
    EXPECT_EQ(later.displays.Count("show clock"), 0);
    EXPECT_EQ(later.displays.Count("hide clock"), 0);  // the box starts unchecked: nothing changes
    EXPECT_FALSE(later.controls().CheckBox("CheckBox6").Checked());
}

TEST(SettingsWindowFill, StoredIndexOutsideTheItemsShowsNoSelectionAndIsKept) {
    MemoryStore earlier = test::FirstRunStore();
    earlier.PutDword(kClockPath, "TimeIndex", 7);
    LaterStart later(earlier);
    EXPECT_EQ(later.controls().List("ComboBox1").SelectedIndex(), -1);
    EXPECT_EQ(later.settings.TimeIndex, 7);
    later.form.Button1Click();
    EXPECT_EQ(StoredDword(later.store, kClockPath, "TimeIndex"), 7);
    later.controls().List("ComboBox1").UserChoose(2);
    EXPECT_EQ(later.settings.TimeIndex, 2);
}

TEST_F(Started, ChangesActAtOnceAndCancelKeepsThemUntilTheNextStart) {
    controls().Slider("TrackBar1").UserMove(7);
    controls().List("ComboBox10").UserChoose(4);
    controls().Edit("Edit1").UserType("Tokyo");
    using Clock = std::tuple<int, std::string, std::string>;
    const auto clock = [](const Settings& s) { return Clock{s.ClockSize, s.ClockZone, s.ClockZoneLabel}; };
    const Clock changed{7, "Tokyo Standard Time", "Tokyo"};
    EXPECT_EQ(clock(settings), changed);
    EXPECT_EQ(displays.calls, (std::vector<std::string>(3, "rebuild clock")));

    form.OptionsClick();
    form.Button2Click();
    EXPECT_FALSE(host.visible);
    EXPECT_TRUE(host.trayShown);
    EXPECT_EQ(clock(settings), changed);
    EXPECT_EQ(store.WriteCount(), 0u);
    EXPECT_EQ(clock(LaterStart(store).settings), (Clock{6, "", ""}));

    form.Button1Click();
    LaterStart saved(store);
    EXPECT_EQ(clock(saved.settings), changed);
    EXPECT_EQ(saved.controls().Edit("Edit1").Text(), "Tokyo");
}

// "Local time", then the zones west to east. A zone the system does not
// list shows as "Local time" and is kept until the user chooses.
TEST(SettingsWindowZone, ShowsTheStoredZoneAndStoresTheChosenOnesKeyName) {
    const std::vector<std::string> items{"Local time", "(UTC-08:00) Pacific", "(UTC) Coordinated Universal Time",
                                         "(UTC+00:00) London", "(UTC+09:00) Tokyo"};
    const std::tuple<const char*, int, int, const char*> rows[] = {
        // stored, shown item, chosen item, then stored
        {"", 0, 4, "Tokyo Standard Time"}, {"Tokyo Standard Time", 4, 0, ""},
        {"UTC", 2, 1, "Pacific Standard Time"}, {"Mars Standard Time", 0, 3, "GMT Standard Time"}};
    for (const auto& [stored, shown, chosen, after] : rows) {
        MemoryStore earlier = test::FirstRunStore();
        earlier.PutString(kClockPath, "ClockZone", stored);
        LaterStart later(earlier);
        // A start that leaves the window hidden does not read the zones;
        // its first showing does, once.
        FakeList& zones = later.controls().List("ComboBox10");
        EXPECT_TRUE(zones.Items().empty());
        later.form.OptionsClick();
        later.form.ShowFromDisplayMenu();
        EXPECT_EQ(later.zones.asked, 1);
        EXPECT_EQ(zones.Items(), items);
        EXPECT_EQ(zones.Text(), items[shown]) << stored;
        later.form.Button1Click();
        EXPECT_EQ(StoredString(later.store, kClockPath, "ClockZone"), stored);
        zones.UserChoose(chosen);
        EXPECT_EQ(later.settings.ClockZone, after) << stored;
    }
}

TEST_F(Started, SlidersClampAndRebuildOnceForEveryPositionPassed) {
    FakeSlider& size = controls().Slider("TrackBar4");
    size.UserMove(4);
    size.UserMove(5);
    size.UserMove(5);  // no change, no rebuild
    size.UserMove(99);
    EXPECT_EQ(settings.CountSize, 20);
    EXPECT_EQ(displays.Count("rebuild countdown"), 3);
    controls().Slider("TrackBar8").UserMove(0);
    EXPECT_EQ(settings.CalendarSkin, 1);
}

TEST_F(Started, ShowCountdownHidesAndShowsWithoutRebuilding) {
    FakeCheckBox& show = controls().CheckBox("CheckBox10");
    show.UserClick();
    EXPECT_FALSE(settings.CountShow);
    show.UserClick();
    EXPECT_TRUE(settings.CountShow);
    EXPECT_EQ(displays.calls, (std::vector<std::string>{"hide countdown", "show countdown"}));
}

TEST_F(Started, GoClockDrawsAVelocityBothWaysAndTheOtherGoBoxesDrawNone) {
    FakeCheckBox& go = controls().CheckBox("CheckBox2");
    go.UserClick();
    EXPECT_TRUE(settings.ClockGo);
    go.UserClick();
    EXPECT_FALSE(settings.ClockGo);
    EXPECT_EQ(displays.calls, (std::vector<std::string>{"velocity", "wake clock", "velocity", "wake clock"}));

    // Each Go box wakes its own window so that it starts moving at once.
    displays.calls.clear();
    controls().CheckBox("CheckBox11").UserClick();
    controls().CheckBox("CheckBox13").UserClick();
    EXPECT_TRUE(settings.CountGo);
    EXPECT_TRUE(settings.CalendarGo);
    EXPECT_EQ(displays.calls, (std::vector<std::string>{"wake countdown", "wake calendar"}));
}

TEST_F(Started, CheckBoxesStoreTheirFlagAndRebuildTheirPagesWindow) {
    struct Case {
        const char* box;
        bool Settings::*flag;
        const char* rebuild;
    };
    const Case cases[] = {
        {"CheckBox3", &Settings::ClockSky, "rebuild clock"},
        {"CheckBox5", &Settings::ClockRectOval, "rebuild clock"},
        {"CheckBox9", &Settings::CountRectOval, "rebuild countdown"},
        {"CheckBox14", &Settings::CalendarTimeShow, "rebuild calendar"},
        {"CheckBox15", &Settings::CalendarOval, "rebuild calendar"},
        {"CheckBox17", &Settings::CalendarEvents, "rebuild calendar"},  // on the General page
    };
    for (const Case& c : cases) {
        displays.calls.clear();
        const bool before = settings.*c.flag;
        controls().CheckBox(c.box).UserClick();
        EXPECT_EQ(settings.*c.flag, !before) << c.box;
        EXPECT_EQ(displays.calls, (std::vector<std::string>{c.rebuild})) << c.box;
    }
}

TEST_F(Started, TitleListChangesTheCountdownAtOnceAndSaveWritesOnlyCountIndex) {
    controls().List("ComboBox4").UserChoose(1);
    EXPECT_EQ(settings.CountIndex, 1);
    EXPECT_EQ(settings.CountText, "New Year Countdown");
    EXPECT_EQ(displays.calls, (std::vector<std::string>{"rebuild countdown"}));
    EXPECT_EQ(store.WriteCount(), 0u);

    form.Button1Click();
    EXPECT_EQ(test::WrittenNames(store, kCountTitlePath), (std::vector<std::string>{"CountIndex"}));
    EXPECT_EQ(StoredDword(store, kCountTitlePath, "CountIndex"), 1);
}

TEST_F(Started, NewRegionalSettingsRebuildTheTitleListKeepingTheSelection) {
    FakeList& titles = controls().List("ComboBox4");
    titles.UserChoose(1);
    displays.calls.clear();
    const std::size_t lines = titles.Items().size();
    locale.shortDatePicture = "dd.MM.yyyy";  // the locale the window was given, read again
    locale.longTimePicture = "HH:mm:ss";
    form.RegionalSettingsChanged();
    ASSERT_EQ(titles.Items().size(), lines);
    EXPECT_EQ(titles.Items()[1].rfind("New Year Countdown  01.01.", 0), 0u) << titles.Items()[1];
    EXPECT_EQ(titles.Items()[1].substr(titles.Items()[1].size() - 10), "  00:00:00");
    EXPECT_EQ(titles.SelectedIndex(), 1);
    EXPECT_EQ(settings.CountIndex, 1);
    EXPECT_TRUE(displays.calls.empty());  // the list's own handler did not run
}

TEST_F(Started, FontListsTakeTheChosenNameAndTheCalendarsTypedNameAsShown) {
    controls().List("ComboBox3").UserChoose(3);
    EXPECT_EQ(settings.ClockFont, "Courier New");
    EXPECT_FALSE(controls().List("ComboBox5").UserType("Wingdings"));
    EXPECT_EQ(settings.CountFont, "Tahoma");

    // What the field shows is what Save stores, a family the system lacks
    // included; the face draws it with the fallback.
    displays.calls.clear();
    FakeList& calendarFont = controls().List("ComboBox7");
    for (const char* typed : {"V", "Verdana", "No Such Family"}) {
        ASSERT_TRUE(calendarFont.UserType(typed));
        EXPECT_EQ(settings.CalendarFont, calendarFont.Text());
    }
    EXPECT_EQ(displays.Count("rebuild calendar"), 3);
}

TEST_F(Started, FormatListsStoreTheChosenIndex) {
    controls().List("ComboBox2").UserChoose(12);
    controls().List("ComboBox6").UserChoose(3);
    EXPECT_EQ(settings.DateIndex, 12);
    EXPECT_EQ(settings.CalendarTimeIndex, 3);
    EXPECT_EQ(displays.calls, (std::vector<std::string>{"rebuild clock", "rebuild calendar"}));
}

TEST_F(Started, WeekListsShowAndStoreTheCalendarsWeek) {
    auto& c = controls();
    EXPECT_EQ(c.List("ComboBox8").Text(), "As in Windows");  // -1
    EXPECT_EQ(c.List("ComboBox9").Text(), "Off");
    c.List("ComboBox8").UserChoose(1);
    EXPECT_EQ(settings.CalendarWeekStart, 0);  // Monday
    c.List("ComboBox8").UserChoose(7);
    EXPECT_EQ(settings.CalendarWeekStart, 6);  // Sunday
    c.List("ComboBox9").UserChoose(1);
    EXPECT_EQ(settings.CalendarWeekNumbers, 1);
    EXPECT_EQ(displays.calls, (std::vector<std::string>(3, "rebuild calendar")));
}

// A new place among the windows needs no new face: the window is only woken
// so that its next tick takes the place.
TEST_F(Started, StayListsStoreEachWindowsPlace) {
    const std::tuple<const char*, int Settings::*, const char*> cases[] = {
        {"ComboBox11", &Settings::ClockStay, "wake clock"}, {"ComboBox12", &Settings::CountStay, "wake countdown"},
        {"ComboBox13", &Settings::CalendarStay, "wake calendar"}};
    for (const auto& [list, stay, wake] : cases) {
        displays.calls.clear();
        EXPECT_EQ(controls().List(list).Text(), "On top");
        controls().List(list).UserChoose(2);
        EXPECT_EQ(settings.*stay, 2) << list;
        EXPECT_EQ(displays.calls, (std::vector<std::string>{wake})) << list;
    }
}

TEST_F(Started, SaveErrorIsShownAndTheOtherValuesAreWritten) {
    store.FailSet("ClockSkin");
    settings.ClockSkin = 3;
    settings.ClockSize = 12;
    form.Button1Click();
    EXPECT_EQ(host.calls.back(), "error:Failed to set data for 'ClockSkin'");
    // Save writes what the user changed; the value that failed awaits the next write.
    EXPECT_EQ(test::WrittenNames(store, kClockPath), std::vector<std::string>{"ClockSize"});
}

TEST_F(Started, EveryPressOfAddOrDeleteOpensAnotherDialog) {
    controls().Press("Button5");
    controls().Press("Button5");
    controls().Press("Button6");
    EXPECT_EQ(dialogs.adds.size(), 2u);
    EXPECT_EQ(dialogs.deletes.size(), 1u);
}

TEST(SettingsWindowLayout, ControlsLieInsideTheWindowAndNamesAreUnique) {
    std::vector<std::string_view> names;
    auto inside = [](const ControlPlace& p, int height) {
        return p.left >= 0 && p.top >= 0 && p.left + p.width <= kSettingsClientWidth && p.top + height <= kSettingsClientHeight;
    };
    for (const auto& s : SettingsSliders()) {
        names.push_back(s.name);
        EXPECT_TRUE(inside(s.place, s.place.height)) << s.name;
        EXPECT_TRUE(s.start >= s.minimum && s.start <= s.maximum) << s.name;
    }
    for (const auto& s : SettingsCheckBoxes()) {
        names.push_back(s.name);
        EXPECT_TRUE(inside(s.place, s.place.height)) << s.name;
    }
    for (const auto& s : SettingsLists()) {
        names.push_back(s.name);
        EXPECT_TRUE(inside(s.place, 24)) << s.name;
    }
    for (const auto& s : SettingsEdits()) {
        names.push_back(s.name);
        EXPECT_TRUE(inside(s.place, s.place.height)) << s.name;
    }
    for (const auto& s : SettingsButtons()) {
        names.push_back(s.name);
        EXPECT_TRUE(inside(s.place, s.place.height)) << s.name;
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
    EXPECT_EQ(names.size(), 9u + 22u + 15u + 1u + 6u);
    EXPECT_EQ(FontNames().size(), 14u);
    EXPECT_EQ(DateFormatLabels().back(), "As in Windows (long)");
}

// The Clock page edits the chosen clock; Add copies its look beside it,
// Remove asks, then deletes that clock's key alone.
TEST_F(Started, AddedClockTakesTheChosenLookOnLocalTimeAndThePageEditsIt) {
    auto& c = controls();
    c.Edit("Edit1").UserType("Home");
    c.Slider("TrackBar2").UserMove(12);
    EXPECT_FALSE(c.Button("Button8").Enabled());  // the first clock stays
    displays.calls.clear();

    c.Press("Button7");
    EXPECT_EQ(displays.calls.front(), "add clock 2 beside 1");
    EXPECT_EQ(form.ChosenClock(), 2);
    EXPECT_EQ(displays.chosenClock, 2);
    EXPECT_EQ(c.List("ComboBox14").Items(), (std::vector<std::string>{"Clock 1: Home", "Clock 2: Local"}));
    EXPECT_EQ(c.List("ComboBox14").SelectedIndex(), 1);
    EXPECT_TRUE(c.Button("Button8").Enabled());
    EXPECT_EQ(c.Edit("Edit1").Text(), "");
    EXPECT_EQ(c.Slider("TrackBar2").Position(), 12);
    // Whole in the store at once, before any Save.
    EXPECT_EQ(StoredDword(store, test::ClockPath(2), "ClockSkin"), 12);
    EXPECT_EQ(StoredString(store, test::ClockPath(2), "ClockZoneLabel"), "");

    c.Edit("Edit1").UserType("Tokyo");
    c.Slider("TrackBar1").UserMove(20);
    EXPECT_EQ(ClockValues(settings, 2)->ClockZoneLabel, "Tokyo");
    EXPECT_EQ(ClockValues(settings, 2)->ClockSize, 20);
    EXPECT_EQ(settings.ClockZoneLabel, "Home");
    EXPECT_EQ(settings.ClockSize, 6);
    EXPECT_EQ(c.List("ComboBox14").Items()[1], "Clock 2: Tokyo");

    c.List("ComboBox14").UserChoose(0);
    EXPECT_EQ(c.Edit("Edit1").Text(), "Home");
    EXPECT_EQ(c.Slider("TrackBar1").Position(), 6);
    EXPECT_EQ(ClockValues(settings, 2)->ClockSize, 20);  // filling the page wrote nothing across

    form.Button1Click();
    LaterStart later(store);
    EXPECT_EQ(ClockValues(later.settings, 2)->ClockZoneLabel, "Tokyo");
    EXPECT_EQ(later.controls().List("ComboBox14").Items().size(), 2u);
}

TEST(SettingsWindowClocks, RemoveAsksFirstAndDeletesOnlyThatClocksKey) {
    // Confirmed, the key's deletion fails, removed.
    for (const auto& [confirmed, deleteFails, removed] : {std::tuple{false, false, false}, {true, true, false},
                                                           {true, false, true}}) {
        SettingsWindowRig rig;
        rig.form.FormCreate();
        rig.controls().Press("Button7");
        rig.controls().Press("Button7");
        rig.controls().List("ComboBox14").UserChoose(1);
        rig.host.confirms = confirmed;
        if (deleteFails) rig.store.FailCreate(test::ClockPath(2));
        rig.store.ClearJournal();
        rig.controls().Press("Button8");

        EXPECT_EQ(rig.host.calls.back().rfind(deleteFails ? "error:" : "confirm:Remove Clock 2: Local?", 0), 0u)
            << rig.host.calls.back();
        EXPECT_EQ(rig.store.HasKey(test::ClockPath(2)), !removed);
        EXPECT_EQ(ClockValues(rig.settings, 2) != nullptr, !removed);
        EXPECT_EQ(rig.displays.Count("remove clock 2"), removed ? 1 : 0);
        EXPECT_EQ(rig.form.ChosenClock(), removed ? 1 : 2);
        EXPECT_TRUE(rig.store.HasKey(test::ClockPath(3)));
        EXPECT_EQ(rig.store.WriteCount(), 0u);
    }
}

TEST_F(Started, AClocksMenuOpensTheClockPageOnThatClockAndANinthIsRefused) {
    for (int i = 0; i < 7; ++i) controls().Press("Button7");
    EXPECT_EQ(ClockNumbers(settings).size(), 8u);
    controls().Press("Button7");
    EXPECT_EQ(host.calls.back(), "message:" + std::string(Tr(TextId::ClocksFull)));

    form.ShowClock(4);
    EXPECT_EQ(form.ChosenClock(), 4);
    EXPECT_EQ(controls().List("ComboBox14").SelectedIndex(), 3);
    EXPECT_TRUE(host.visible);
    EXPECT_NE(std::find(host.calls.begin(), host.calls.end(), "page 0"), host.calls.end());

    // A clock's menu "Remove this clock" asks about that clock.
    form.RemoveClock(6);
    EXPECT_EQ(host.calls.back().rfind("confirm:Remove Clock 6: Local?", 0), 0u) << host.calls.back();
    EXPECT_EQ(ClockValues(settings, 6), nullptr);
    EXPECT_EQ(form.ChosenClock(), 1);
}

// Another copy of the program hides and moves clock 2, removes clock 3 and
// adds clock 4: each window follows, and the page keeps editing clock 2.
TEST_F(Started, ClocksTheOtherCopyStoredShowAtOnce) {
    controls().Press("Button7");
    controls().Press("Button7");
    controls().List("ComboBox14").UserChoose(1);
    displays.calls.clear();
    store.PutDword(test::ClockPath(2), "ClockShow", 0);
    store.PutDword(test::ClockPath(2), "ClockLeft", 40);
    store.RemoveKey(test::ClockPath(3));
    test::CopyClockKey(store, 4);
    form.StoreChanged();

    for (const auto& [call, count] : {std::pair{"remove clock 3", 1}, {"add stored clock 4", 1}, {"place clock 2", 1},
                                      {"show clock 2", 0}, {"place clock", 0}, {"hide clock", 0}})
        EXPECT_EQ(displays.Count(call), count) << call;
    EXPECT_GE(displays.Count("hide clock 2"), 1);
    EXPECT_EQ(std::pair(ClockValues(settings, 2)->ClockLeft, ClockNumbers(settings)),
              std::pair(40, std::vector{1, 2, 4}));
    EXPECT_EQ(controls().List("ComboBox14").Items().size(), 3u);
    EXPECT_EQ(std::tuple(form.ChosenClock(), displays.chosenClock, controls().CheckBox("CheckBox6").Checked()),
              std::tuple(2, 2, false));

    // The chosen clock gone, the page edits the first.
    store.RemoveKey(test::ClockPath(2));
    form.StoreChanged();
    EXPECT_EQ(std::pair(form.ChosenClock(), displays.chosenClock), std::pair(1, 1));
}

// The language list: a choice speaks at once in every window, Save keeps
// its tag, and "As in Windows" follows Windows' languages.
TEST_F(Started, ALanguageChoiceSpeaksAtOnceAndSaveKeepsItsTag) {
    test::ScopedLanguage english(EnglishLanguage());
    FakeList& languages = controls().List(std::string(kLanguageList));
    ASSERT_EQ(languages.Items().size(), Languages().size() + 1);
    EXPECT_EQ(languages.Items()[0], "As in Windows");
    EXPECT_EQ(languages.Items()[2], "Deutsch");
    EXPECT_EQ(languages.SelectedIndex(), 0);

    languages.UserChoose(2);
    EXPECT_EQ(CurrentLanguage().tag, "de-DE");
    EXPECT_EQ(host.calls.back(), "language de-DE");
    EXPECT_EQ(displays.Count("language"), 1);
    // The lists of words are German now, their choices kept.
    const FakeList& stay = controls().List("ComboBox12");
    EXPECT_EQ(stay.Items(), (std::vector<std::string>{"Immer im Vordergrund", "Zwischen den Fenstern", "Auf dem Desktop"}));
    EXPECT_EQ(stay.SelectedIndex(), settings.CountStay);
    EXPECT_EQ(controls().List("ComboBox1").Items()[4].rfind("Wie in Windows (kurz): ", 0), 0u);
    EXPECT_EQ(languages.SelectedIndex(), 2);

    form.Button1Click();
    EXPECT_EQ(StoredString(store, test::kGeneralPath, "Language"), "de-DE");
    // Nothing else the choice touched is written: stored values are the
    // same in every language.
    for (const auto& operation : store.Journal())
        EXPECT_TRUE(operation.name == "Language" || operation.name == "CountIndex") << operation.name;

    host.displayLanguages = {"ja-JP"};
    languages.UserChoose(0);
    EXPECT_EQ(CurrentLanguage().tag, "ja-JP");
    EXPECT_EQ(settings.Language, "");
}

}  // namespace
}  // namespace zentrova
