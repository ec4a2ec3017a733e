// The countdown list's add and delete dialogs keep the list in memory, the
// settings window's title list and the stored list in step.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "language/texts.h"
#include "../settings_window/settings_window_fakes.h"
#include "../settings/store_test_support.h"
#include "app/program_names.h"
#include "settings/date_time.h"
#include "settings/value_codec.h"

namespace zentrova {
namespace {

using test::FakeList;
using test::kCountTitlePath;
using test::Numbered;
using test::SettingsWindowRig;
using test::StoredDouble;
using test::StoredDword;
using test::StoredString;

const double kDay = EncodeDate(2026, 12, 20);
const double kNoon = EncodeTime(12, 0, 0);

// A started program whose stored list holds `titles`, with `selected` chosen.
struct ListRig : SettingsWindowRig {
    ListRig(const std::vector<std::string>& titles, int selected) {
        store = test::FirstRunStore();
        for (std::size_t i = 0; i < titles.size(); ++i) {
            store.PutString(kCountTitlePath, Numbered("Count", static_cast<int>(i)), titles[i]);
            store.PutDouble(kCountTitlePath, Numbered("CountDate", static_cast<int>(i)), kDay + static_cast<double>(i));
            store.PutDouble(kCountTitlePath, Numbered("CountTime", static_cast<int>(i)), kNoon);
            // As a version before yearly events wrote them.
            store.Remove(kCountTitlePath, Numbered("CountYearly", static_cast<int>(i)));
            store.Remove(kCountTitlePath, Numbered("CountRepeat", static_cast<int>(i)));
        }
        store.PutDword(kCountTitlePath, "CountMax", static_cast<int>(titles.size()));
        store.PutDword(kCountTitlePath, "CountIndex", selected);
        form.FormCreate();
        store.ClearJournal();
        displays.calls.clear();
    }
    FakeList& titleList() { return controls().List("ComboBox4"); }
    std::vector<std::string> Titles() const {
        std::vector<std::string> out;
        for (int i = 0; i < settings.CountMax; ++i) out.push_back(settings.CountList[i].title);
        return out;
    }
    std::vector<std::string> StoredTitles() const {
        std::vector<std::string> out;
        for (int i = 0; i < kCountSlots; ++i)
            if (auto title = StoredString(store, kCountTitlePath, Numbered("Count", i))) out.push_back(*title);
        return out;
    }
    void Delete() {
        controls().Press("Button6");
        dialogs.deletes.back().dialog->OKBtnClick();
    }
};

// The dialog does not block the settings window: whatever is selected when
// OK is pressed, it deletes the entry it names, and the selected entry stays
// selected.
TEST(DeleteDialog, RemovesTheSelectedEntryAndSelectsTheOneBefore) {
    struct Case {
        int selected;
        std::vector<std::string> left;
        int selectedAfter;
        int chosenAfterOpening = -1;
    };
    const Case cases[] = {
        {1, {"Alpha", "Gamma"}, 0},    {0, {"Beta", "Gamma"}, 0},
        {2, {"Alpha", "Beta"}, 1},     {1, {"Alpha", "Gamma"}, 1, 2},
        {1, {"Alpha", "Gamma"}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.selected << " then " << c.chosenAfterOpening);
        ListRig rig({"Alpha", "Beta", "Gamma"}, c.selected);
        rig.controls().Press("Button6");
        const std::string named = rig.settings.CountList[c.selected].title;
        EXPECT_EQ(rig.dialogs.deletes.back().view.text, "Selected \"" + named + " \"");
        if (c.chosenAfterOpening >= 0) {
            rig.titleList().UserChoose(c.chosenAfterOpening);
            rig.displays.calls.clear();
        }
        rig.dialogs.deletes.back().dialog->OKBtnClick();
        EXPECT_EQ(rig.Titles(), c.left);
        EXPECT_EQ(rig.settings.CountIndex, c.selectedAfter);
        EXPECT_EQ(rig.settings.CountMax, 2);
        EXPECT_EQ(rig.settings.CountText, c.left[c.selectedAfter]);
        EXPECT_EQ(rig.titleList().Items().size(), 2u);
        EXPECT_EQ(rig.titleList().SelectedIndex(), c.selectedAfter);
        // Every line: title, date, time; Alpha, Beta and Gamma fall a day apart.
        std::vector<std::string> lines;
        for (const std::string& title : c.left) {
            const int day = 20 + (title == "Beta" ? 1 : title == "Gamma" ? 2 : 0);
            lines.push_back(title + "  12/" + std::to_string(day) + "/2026  12:00:00 PM");
        }
        EXPECT_EQ(rig.titleList().Items(), lines);

        EXPECT_EQ(rig.StoredTitles(), c.left);
        for (const char* prefix : {"Count", "CountDate", "CountTime"})
            EXPECT_FALSE(rig.store.Get(kCountTitlePath, Numbered(prefix, 2))) << prefix;
        EXPECT_EQ(StoredDword(rig.store, kCountTitlePath, "CountIndex"), c.selectedAfter);
        EXPECT_EQ(StoredDword(rig.store, kCountTitlePath, "CountMax"), 2);
        EXPECT_EQ(rig.displays.calls, (std::vector<std::string>{"rebuild countdown"}));
        EXPECT_TRUE(rig.dialogs.deletes.back().view.closed);
    }
}

TEST(DeleteDialog, MovedEntryKeepsItsDateAndTimeInTheStore) {
    ListRig rig({"Alpha", "Beta", "Gamma"}, 0);
    rig.Delete();
    EXPECT_EQ(StoredDouble(rig.store, kCountTitlePath, "CountDate1"), kDay + 2);
    EXPECT_EQ(rig.settings.CountList[0].date, kDay + 1);
}

TEST(DeleteDialog, ASingleEntryStaysAndTheStoreLosesIndexOne) {
    ListRig rig({"Alpha"}, 0);
    rig.store.PutString(kCountTitlePath, "Count1", "left over");
    rig.Delete();
    EXPECT_EQ(rig.Titles(), (std::vector<std::string>{"Alpha"}));
    EXPECT_EQ(StoredDword(rig.store, kCountTitlePath, "CountMax"), 1);
    EXPECT_EQ(rig.StoredTitles(), (std::vector<std::string>{"Alpha"}));
}

// Beta moved up when Alpha went; the first dialog still finds it. A second
// dialog for Beta then finds it gone, deletes nothing and says so.
TEST(DeleteDialog, FindsItsEntryWhereItMovedAndDeletesNothingOnceItIsGone) {
    ListRig rig({"Alpha", "Beta", "Gamma"}, 1);
    rig.controls().Press("Button6");
    rig.controls().Press("Button6");
    rig.titleList().UserChoose(0);
    rig.controls().Press("Button6");
    rig.dialogs.deletes[2].dialog->OKBtnClick();  // Alpha
    EXPECT_EQ(rig.Titles(), (std::vector<std::string>{"Beta", "Gamma"}));

    rig.dialogs.deletes[0].dialog->OKBtnClick();  // Beta, now first
    EXPECT_EQ(rig.Titles(), (std::vector<std::string>{"Gamma"}));
    rig.store.ClearJournal();
    rig.displays.calls.clear();

    auto& late = rig.dialogs.deletes[1];
    late.dialog->OKBtnClick();
    EXPECT_EQ(rig.Titles(), (std::vector<std::string>{"Gamma"}));
    EXPECT_EQ(rig.host.calls.back(), "message:" + std::string(Tr(TextId::CountEntryGone)));
    EXPECT_EQ(rig.store.WriteCount(), 0u);
    EXPECT_TRUE(rig.displays.calls.empty());
    EXPECT_TRUE(late.view.closed);
}

// The whole text on up to two lines: a long title is cut with an ellipsis,
// the frame around it never. Each character is 8 pixels wide here.
TEST(DeleteDialog, NamesTheWholeTitleOnTwoLinesAndTheEntrysDate) {
    test::EmWideMeasurer measurer;
    const FontChoice font{"Microsoft Sans Serif", 8, false};
    const std::string framed = "Selected \"Christmas Countdown \"";  // 31 characters
    EXPECT_EQ(FittedSelectedEntryText("Christmas Countdown", font, 31 * 8, measurer), framed);
    EXPECT_EQ(FittedSelectedEntryText("Christmas Countdown", font, 30 * 8, measurer),
              "Selected \"Christmas\nCountdown \"");
    EXPECT_EQ(FittedSelectedEntryText("Christmas Countdown at home", font, 14 * 8, measurer),
              "Selected \"Chri\nstmas Cou... \"");

    // Two entries of one title are told apart by their dates.
    ListRig rig({"New Year Countdown for the whole family", "New Year Countdown for the whole family"}, 1);
    rig.controls().Press("Button6");
    const test::FakeDeleteView& view = rig.dialogs.deletes.back().view;
    EXPECT_EQ(view.text, "Selected \"New Year Countdown for the whole family \"");
    EXPECT_EQ(view.when, "Monday, December 21, 2026 12:00 PM");
    rig.settings.CountIndex = 0;
    rig.controls().Press("Button6");
    EXPECT_EQ(rig.dialogs.deletes.back().view.when, "Sunday, December 20, 2026 12:00 PM");
}

TEST(DeleteDialog, CancelChangesNothing) {
    ListRig rig({"Alpha", "Beta"}, 1);
    rig.controls().Press("Button6");
    rig.dialogs.deletes.back().dialog->CancelBtnClick();
    EXPECT_TRUE(rig.dialogs.deletes.back().view.closed);
    EXPECT_EQ(rig.Titles(), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(rig.store.WriteCount(), 0u);
    EXPECT_TRUE(rig.displays.calls.empty());
}

// Started from "Add", or on a day chosen on the calendar.
TEST(AddDialog, StartsAtTheNextWholeHourWithAnEmptyTitle) {
    struct Case {
        LocalTime now;
        CivilDate date;
        TimeOfDay time;
        std::optional<CivilDate> chosen = {};
    };
    const Case cases[] = {
        {{2026, 12, 9, 15, 4, 5, 600}, {2026, 12, 9}, {16, 0, 0}},
        {{2026, 12, 9, 15, 0, 0, 0}, {2026, 12, 9}, {16, 0, 0}},
        {{2026, 12, 31, 23, 30, 0, 0}, {2027, 1, 1}, {0, 0, 0}},
        {{2028, 2, 28, 23, 0, 0, 0}, {2028, 2, 29}, {0, 0, 0}},
        {{2026, 12, 9, 15, 4, 5, 600}, {2027, 3, 1}, {16, 0, 0}, CivilDate{2027, 3, 1}},
        {{2026, 12, 31, 23, 30, 0, 0}, {2026, 12, 5}, {0, 0, 0}, CivilDate{2026, 12, 5}},
    };
    for (const Case& c : cases) {
        ListRig rig({"Alpha"}, 0);
        rig.time.now = c.now;
        if (c.chosen) rig.form.AddEventOn(c.chosen);
        else rig.controls().Press("Button5");
        const auto& view = rig.dialogs.adds.back().view;
        EXPECT_EQ(view.date, c.date) << c.now.day << " " << c.now.hour;
        EXPECT_EQ(view.time, c.time) << c.now.day << " " << c.now.hour;
        EXPECT_EQ(view.title, "");
    }
}

// "Every year" is stored beside the entry, kept when a delete rewrites the
// list, and read back; a store written before it existed reads as once.
TEST(AddDialog, AppendsDeltaSelectsItWritesItAndPointsTheCountdownAtIt) {
    ListRig rig({"Alpha", "Beta"}, 0);
    EXPECT_FALSE(rig.settings.CountList[1].repeat == CountRepeat::Year);
    for (const std::string& call : rig.host.calls) EXPECT_FALSE(call.starts_with("error:")) << call;
    rig.controls().Press("Button5");
    auto& add = rig.dialogs.adds.back();
    add.view.title = "Delta";
    add.view.date = {2027, 3, 14};
    add.view.time = {9, 26, 53};
    add.view.repeat = CountRepeat::Year;
    add.dialog->OKBtnClick();

    // The added line reads like the others: title, date, time.
    EXPECT_EQ(rig.titleList().Items(),
              (std::vector<std::string>{"Alpha  12/20/2026  12:00:00 PM", "Beta  12/21/2026  12:00:00 PM",
                                        "Delta  3/14/2027  9:26:53 AM"}));
    EXPECT_EQ(rig.titleList().SelectedIndex(), 2);
    EXPECT_EQ(rig.Titles(), (std::vector<std::string>{"Alpha", "Beta", "Delta"}));
    EXPECT_EQ(rig.settings.CountIndex, 2);
    EXPECT_EQ(rig.settings.CountText, "Delta");
    EXPECT_EQ(test::WrittenNames(rig.store, kCountTitlePath),
              (std::vector<std::string>{"Count2", "CountDate2", "CountTime2", "CountYearly2", "CountRepeat2",
                                        "CountIndex", "CountMax"}));
    EXPECT_EQ(StoredDouble(rig.store, kCountTitlePath, "CountDate2"), EncodeDate(2027, 3, 14));
    EXPECT_EQ(StoredDouble(rig.store, kCountTitlePath, "CountTime2"), EncodeTime(9, 26, 53));
    EXPECT_EQ(StoredDword(rig.store, kCountTitlePath, "CountYearly2"), 1);
    EXPECT_EQ(StoredDword(rig.store, kCountTitlePath, "CountRepeat2"), 3);
    EXPECT_EQ(StoredDword(rig.store, kCountTitlePath, "CountMax"), 3);
    EXPECT_EQ(rig.displays.calls, (std::vector<std::string>{"rebuild countdown"}));
    EXPECT_TRUE(add.view.closed);

    // The next start reads the new entry back.
    SettingsWindowRig later;
    later.store = rig.store;
    later.form.FormCreate();
    EXPECT_EQ(later.settings.CountText, "Delta");
    EXPECT_EQ(later.settings.CountMax, 3);
    EXPECT_TRUE(later.settings.CountList[2].repeat == CountRepeat::Year);
    EXPECT_FALSE(later.settings.CountList[0].repeat == CountRepeat::Year);

    // Alpha goes: Delta moves down with its flag, and Beta, stored before
    // events could repeat, moves as it was stored.
    rig.titleList().UserChoose(0);
    rig.Delete();
    EXPECT_EQ(StoredDword(rig.store, kCountTitlePath, "CountYearly1"), 1);
    EXPECT_FALSE(rig.store.Get(kCountTitlePath, "CountYearly0"));
    EXPECT_FALSE(rig.store.Get(kCountTitlePath, "CountYearly2"));
}

TEST(AddDialog, AnEmptyTitleAndAPastDateAreAccepted) {
    ListRig rig({"Alpha"}, 0);
    rig.controls().Press("Button5");
    auto& add = rig.dialogs.adds.back();
    add.view.date = {1999, 1, 1};
    add.dialog->OKBtnClick();
    EXPECT_EQ(rig.Titles(), (std::vector<std::string>{"Alpha", ""}));
    EXPECT_EQ(StoredString(rig.store, kCountTitlePath, "Count1"), "");
}

TEST(AddDialog, AFullListRefusesTheEntryAndStaysInStep) {
    ListRig rig({"A", "B", "C", "D", "E", "F", "G", "H", "I"}, 0);
    rig.controls().Press("Button5");
    rig.controls().Press("Button5");  // two dialogs opened while there is room
    rig.dialogs.adds[0].view.title = "J";
    rig.dialogs.adds[0].dialog->OKBtnClick();
    EXPECT_EQ(rig.settings.CountMax, 10);
    rig.store.ClearJournal();

    auto& late = rig.dialogs.adds[1];
    late.view.title = "K";
    late.dialog->OKBtnClick();
    EXPECT_EQ(rig.host.calls.back(), "message:" + std::string(Tr(TextId::CountListFull)));
    EXPECT_FALSE(late.view.closed);
    EXPECT_EQ(rig.settings.CountMax, 10);
    EXPECT_EQ(rig.titleList().Items().size(), 10u);
    EXPECT_EQ(rig.store.WriteCount(), 0u);
    EXPECT_EQ(rig.settings.CountList[10].title, "");

    rig.controls().Press("Button5");
    EXPECT_EQ(rig.dialogs.adds.size(), 2u);  // no third dialog while full
}

TEST(ListDialogs, AKeyThatCannotBeCreatedIsReportedOnceAndMemoryKeepsTheChange) {
    ListRig rig({"Alpha", "Beta"}, 1);
    rig.store.FailCreate(kCountTitlePath);
    rig.controls().Press("Button5");
    rig.dialogs.adds.back().view.title = "Delta";
    rig.dialogs.adds.back().dialog->OKBtnClick();
    rig.Delete();
    EXPECT_EQ(rig.Titles(), (std::vector<std::string>{"Alpha", "Beta"}));
    EXPECT_EQ(rig.settings.CountIndex, 1);
    EXPECT_EQ(rig.store.WriteCount(), 0u);
    std::vector<std::string> errors;
    for (const std::string& call : rig.host.calls)
        if (call.starts_with("error:")) errors.push_back(call);
    EXPECT_EQ(errors,
              std::vector<std::string>{"error:The event 'Delta' could not be saved yet; Zentrova will try again."});
}

TEST(ListDialogs, AValueThatCannotBeWrittenIsReported) {
    ListRig rig({"Alpha", "Beta"}, 1);
    rig.store.FailSet("CountTime2");
    rig.controls().Press("Button5");
    rig.dialogs.adds.back().dialog->OKBtnClick();
    EXPECT_EQ(rig.host.calls.back(), "error:The event '' could not be saved yet; Zentrova will try again.");
    EXPECT_EQ(rig.settings.CountMax, 3);
}

// A CountRepeat that cannot be used reads as CountYearly says and is
// reported; a delete that moves its entry keeps it exactly as stored.
TEST(CountRepeatStore, AnUnusableRepeatReadsAsTheYearlyFlagAndIsKept) {
    const auto dword = [](int value) {
        const auto bytes = EncodeDword(value);
        return StoredValue{ValueType::Dword, {bytes.begin(), bytes.end()}};
    };
    // What CountRepeat1 holds, then CountYearly1, the repeat read and whether it is reported.
    const std::tuple<const char*, StoredValue, int, CountRepeat, bool> cases[] = {
        {"monthly", dword(2), 0, CountRepeat::Month, false},
        {"missing, yearly", {}, 1, CountRepeat::Year, false},
        {"out of range, yearly", dword(4), 1, CountRepeat::Year, true},
        {"negative, once", dword(-1), 0, CountRepeat::Never, true},
        {"a string, yearly", {ValueType::String, {'2', 0}}, 1, CountRepeat::Year, true},
    };
    for (const auto& [name, repeat, yearly, read, reported] : cases) {
        SettingsWindowRig rig;
        rig.store = test::FirstRunStore();
        rig.store.PutDword(kCountTitlePath, "CountYearly1", yearly);
        if (repeat.type != ValueType::None) rig.store.Put(kCountTitlePath, "CountRepeat1", repeat);
        else rig.store.Remove(kCountTitlePath, "CountRepeat1");
        rig.form.FormCreate();
        EXPECT_EQ(rig.settings.CountList[1].repeat, read) << name;
        const auto tells = [](const std::string& call) { return call.find("'CountRepeat1'") != std::string::npos; };
        EXPECT_EQ(std::ranges::any_of(rig.host.calls, tells), reported) << name;

        rig.controls().List("ComboBox4").UserChoose(0);
        rig.controls().Press("Button6");
        rig.dialogs.deletes.back().dialog->OKBtnClick();
        const auto kept = rig.store.Get(kCountTitlePath, "CountRepeat0");
        EXPECT_EQ(kept.has_value(), repeat.type != ValueType::None) << name;
        EXPECT_EQ(kept.value_or(StoredValue{}).data, repeat.data) << name;
    }
}

}  // namespace
}  // namespace zentrova
