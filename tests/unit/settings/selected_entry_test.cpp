#include <gtest/gtest.h>

#include "settings/settings.h"
#include "store_test_support.h"

namespace zentrova {
namespace {

using test::Numbered;

TEST(SettingsSelectedEntry, NamesTheSlotOfCountIndexOrTheFirstOutsideTheList) {
    Settings settings;
    for (int i = 0; i < kCountSlots; ++i) settings.CountList[static_cast<std::size_t>(i)].title = Numbered("E", i);
    settings.CountMax = 3;
    struct Case {
        int index;
        const char* title;
    };
    for (Case c : {Case{0, "E0"}, Case{2, "E2"}, Case{3, "E0"}, Case{-1, "E0"}, Case{1000, "E0"}}) {
        settings.CountIndex = c.index;
        EXPECT_EQ(settings.SelectedEntry().title, c.title) << c.index;
    }
    settings.CountMax = 500;  // never beyond the slots
    settings.CountIndex = 10;
    EXPECT_EQ(settings.SelectedEntry().title, "E10");
    settings.CountIndex = 11;
    EXPECT_EQ(settings.SelectedEntry().title, "E0");
}

}  // namespace
}  // namespace zentrova
