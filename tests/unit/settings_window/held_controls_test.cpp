// The settings window's stand-in controls: they keep the controls' contract
// while held, hand their state to the real controls without running a
// handler, and pass everything on afterwards.

#include "settings_window/held_controls.h"

#include <gtest/gtest.h>

#include "settings_window_fakes.h"

namespace zentrova {
namespace {

using test::FakeButton;
using test::FakeCheckBox;
using test::FakeEdit;
using test::FakeList;
using test::FakeSlider;

constexpr SliderEntry kSlider{"Slider", SettingsPage::Clock, {}, 1, 10, 4, nullptr};

TEST(HeldControls, KeepTheContractWhileHeld) {
    int runs = 0;
    const ControlHandler count = [&] { ++runs; };
    HeldSlider slider(kSlider.minimum, kSlider.maximum, kSlider.start, count);
    slider.SetPosition(4);  // the current position: nothing runs
    slider.SetPosition(99);
    EXPECT_EQ(slider.Position(), 10);
    HeldCheckBox box(count);
    box.SetChecked(false);
    box.SetChecked(true);
    EXPECT_EQ(runs, 2);

    HeldList list({"a", "b"}, count);
    list.Append("c");
    list.Select(2);
    EXPECT_EQ(list.Text(), "c");
    list.Select(3);  // outside the items: no selection, an empty field
    EXPECT_EQ(list.SelectedIndex(), -1);
    EXPECT_EQ(list.Text(), "");
    list.Select(0);
    list.Clear();
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_EQ(list.SelectedIndex(), -1);
    EXPECT_EQ(runs, 2);  // no list change of the program's runs anything
}

TEST(HeldControls, HandTheirStateToTheRealControlsQuietlyAndPassOnAfterwards) {
    int runs = 0;
    const ControlHandler count = [&] { ++runs; };
    HeldSlider slider(kSlider.minimum, kSlider.maximum, kSlider.start, count);
    HeldCheckBox box(count);
    HeldList list({"a", "b", "c"}, count);
    HeldEdit edit(count);
    HeldButton button(count);
    slider.SetPosition(7);
    box.SetChecked(true);
    list.Select(1);
    list.SetText("typed");
    list.SetReadOnly(true);
    edit.SetText("Event");
    button.SetEnabled(false);
    runs = 0;

    FakeSlider liveSlider(kSlider, slider.LiveHandler());
    FakeCheckBox liveBox(box.LiveHandler());
    FakeList liveList({}, list.LiveHandler());
    FakeEdit liveEdit(edit.LiveHandler());
    FakeButton liveButton(button.LiveHandler());
    slider.GoLive(liveSlider);
    box.GoLive(liveBox);
    list.GoLive(liveList);
    edit.GoLive(liveEdit);
    button.GoLive(liveButton);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(liveSlider.Position(), 7);
    EXPECT_TRUE(liveBox.Checked());
    EXPECT_EQ(liveList.Items(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(liveList.SelectedIndex(), 1);
    EXPECT_EQ(liveList.Text(), "typed");
    EXPECT_TRUE(liveList.ReadOnly());
    EXPECT_EQ(liveEdit.Text(), "Event");
    EXPECT_FALSE(liveButton.Enabled());

    // From now on the real controls answer, and the user's changes reach
    // the logic's handlers once each.
    slider.SetPosition(2);
    list.Append("d");
    EXPECT_EQ(liveSlider.Position(), 2);
    EXPECT_EQ(list.ItemCount(), 4);
    liveBox.UserClick();
    liveList.UserChoose(3);
    liveButton.SetEnabled(true);
    liveButton.UserClick();
    EXPECT_EQ(runs, 4);
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(list.Text(), "d");
}

}  // namespace
}  // namespace zentrova
