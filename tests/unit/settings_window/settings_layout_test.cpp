#include "settings_window/settings_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace zentrova {
namespace {

using Names = std::vector<std::string_view>;

// Tab visits each page as it is read, every label just before the control
// it names (so "Clock face" before "Tower", "Countdown face" before "Oval").
TEST(SettingsLayoutTest, EachPageIsVisitedInReadingOrder) {
    struct Row {
        SettingsPage page;
        Names order;
    };
    const Row rows[] = {
        {SettingsPage::Clock,
         {"StaticText26", "ComboBox14", "Button7", "Button8", "StaticText1", "TrackBar1", "StaticText3", "TrackBar3",
          "StaticText2", "TrackBar2", "StaticText4", "CheckBox3", "CheckBox5", "StaticText5", "ComboBox1",
          "StaticText6", "ComboBox2", "StaticText24", "ComboBox11", "StaticText7", "ComboBox3", "CheckBox4",
          "StaticText22", "ComboBox10", "StaticText23", "Edit1", "CheckBox22", "CheckBox23", "CheckBox1", "CheckBox6",
          "CheckBox2"}},
        {SettingsPage::Countdown,
         {"StaticText8", "TrackBar4", "StaticText10", "TrackBar6", "StaticText9", "TrackBar5", "StaticText11",
          "CheckBox9", "StaticText12", "ComboBox4", "Button5", "Button6", "StaticText25", "ComboBox12",
          "CheckBox20", "StaticText13", "ComboBox5", "CheckBox8", "CheckBox10", "CheckBox11", "CheckBox21"}},
        {SettingsPage::Calendar,
         {"StaticText14", "TrackBar7", "StaticText16", "TrackBar9", "StaticText15", "TrackBar8", "StaticText19",
          "CheckBox15", "StaticText17", "ComboBox6", "StaticText26", "ComboBox13", "StaticText18", "ComboBox7",
          "CheckBox16", "CheckBox12", "CheckBox14", "CheckBox13"}},
        {SettingsPage::General,
         {"CheckBox18", "CheckBox19", "StaticText20", "ComboBox8", "StaticText21", "ComboBox9", "CheckBox17",
          "StaticText27", "ComboBox15"}},
    };
    for (const Row& row : rows) EXPECT_EQ(PageReadingOrder(row.page), row.order) << static_cast<int>(row.page);
}

// A reader names each slider and list by its label; check boxes and
// buttons carry their own captions, and a box under a group's label takes
// that label only as the first of the group.
TEST(SettingsLayoutTest, SlidersAndListsAreNamedByTheirLabels) {
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"TrackBar1", "Size"},        {"TrackBar3", "Transparent"}, {"TrackBar2", "Skin"},
        {"ComboBox1", "Time format"}, {"ComboBox2", "Date format"}, {"ComboBox3", "Font name"},
        {"TrackBar6", "Transparent"}, {"ComboBox4", "Title"},       {"ComboBox7", "Font name"},
        {"ComboBox11", "Stay"},       {"ComboBox12", "Stay"},       {"ComboBox13", "Stay"},
        {"CheckBox3", "Clock face"},  {"CheckBox5", ""},            {"CheckBox9", "Countdown face"},
        {"Button5", ""},              {"CheckBox4", ""},            {"Button1", ""},
        {"ComboBox10", "Time zone"},  {"Edit1", "Label"},           {"ComboBox14", "Clock"},
        {"Button7", ""},              {"ComboBox8", "Week starts"},
        {"ComboBox9", "Week numbers"},     {"CheckBox17", ""},
    };
    for (const auto& [control, label] : rows) EXPECT_EQ(ControlLabel(control), label) << control;
}

// Whatever the tables hold: every control of the page once, the window's
// own buttons on no page, and no label last with nothing after it to name.
TEST(SettingsLayoutTest, TheOrderHoldsEveryControlOfThePageOnce) {
    for (SettingsPage page :
         {SettingsPage::Clock, SettingsPage::Countdown, SettingsPage::Calendar, SettingsPage::General}) {
        std::multiset<std::string_view> expected;
        const auto add = [&](const auto& entries) {
            for (const auto& entry : entries) {
                if (entry.page == page) expected.insert(entry.name);
            }
        };
        add(SettingsLabels());
        add(SettingsSliders());
        add(SettingsCheckBoxes());
        add(SettingsLists());
        add(SettingsEdits());
        for (const ButtonEntry& button : SettingsButtons()) {
            if (button.onPage && button.page == page) expected.insert(button.name);
        }
        const Names order = PageReadingOrder(page);
        EXPECT_EQ(std::multiset<std::string_view>(order.begin(), order.end()), expected);
        ASSERT_FALSE(order.empty());
        EXPECT_FALSE(order.back().starts_with("StaticText")) << order.back();
    }
}

}  // namespace
}  // namespace zentrova
