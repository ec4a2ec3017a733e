#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "countdown/count_dialog_layout.h"
#include "language/language_test_support.h"
#include "settings_window/fit_to_text.h"
#include "settings_window/settings_geometry.h"
#include "text/utf.h"

namespace zentrova {
namespace {

using test::ScopedLanguage;

// Each character three fifths of the em wide, as a proportional font's
// average; at 144 DPI the em is 1.5 times as wide.
class AverageWidthMeasurer final : public TextMeasurer {
public:
    SizeI Measure(const std::string&, int pixels, const std::string& text) override {
        return {static_cast<int>(Utf8ToUtf16(text).size()) * pixels * 3 / 5, pixels};
    }
};

TEST(GrowToText, AControlGrowsAndWhatStandsRightOfItMovesOver) {
    const std::vector<TextRoom> rooms{
        {{8, 10, 74, 17}, 120},   // a label whose text needs 120
        {{84, 8, 190, 220}, 0, 22},  // the list it names, on its row
        {{282, 8, 100, 220}, 0, 22}, // a list further right on the row
        {{8, 40, 74, 17}, 0},     // a label on the next row stays
        {{90, 40, 50, 17}, 60},   // with 6 of slack before nothing
    };
    const std::vector<ControlPlace> grown = GrowToText(rooms);
    EXPECT_EQ(grown[0], (ControlPlace{8, 10, 120, 17}));
    EXPECT_EQ(grown[1], (ControlPlace{130, 8, 190, 220}));  // the gap of 2 kept
    EXPECT_EQ(grown[2], (ControlPlace{326, 8, 100, 220}));  // its gap of 8 shrunk to 6
    EXPECT_EQ(grown[3], rooms[3].place);
    EXPECT_EQ(grown[4], (ControlPlace{90, 40, 60, 17}));
}

TEST(SettingsGeometry, EnglishKeepsTheTablesPlaces) {
    AverageWidthMeasurer measurer;
    const SettingsGeometry geometry = SettingsLayoutGeometry(measurer, DpiScale{144});
    for (std::size_t i = 0; i < SettingsLabels().size(); ++i) EXPECT_EQ(geometry.labels[i], SettingsLabels()[i].place);
    for (std::size_t i = 0; i < SettingsLists().size(); ++i) EXPECT_EQ(geometry.lists[i], SettingsLists()[i].place);
    EXPECT_EQ(geometry.client, (SizeI{400, 320}));
}

struct Placed {
    std::string name;
    ControlPlace place;
    int needed;
};

bool Overlap(const ControlPlace& a, const ControlPlace& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// Every text fits its control, no two controls of a page overlap, and all
// lie inside the window.
void ExpectFits(const std::vector<Placed>& controls, int clientWidth, const std::string& where) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Placed& a = controls[i];
        EXPECT_LE(a.needed, a.place.width) << where << " " << a.name;
        EXPECT_LE(a.place.left + a.place.width, clientWidth) << where << " " << a.name;
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(Overlap(a.place, controls[j].place)) << where << " " << a.name << " / " << controls[j].name;
    }
}

// The pseudo language is accented and 40 % longer than English: every
// page and dialog at both scales.
TEST(SettingsGeometry, PseudoLanguageTextsFitEverywhere) {
    ScopedLanguage pseudo(PseudoLanguage());
    AverageWidthMeasurer measurer;
    constexpr int kListBox = 22;
    for (int dpi : {96, 144}) {
        const DpiScale scale{dpi};
        const auto needed = [&](std::string_view text, TextChrome chrome) {
            return NeededWidth(measurer, scale, kSettingsFontFamily, kSettingsFontPixels, text, chrome);
        };
        const SettingsGeometry geometry = SettingsLayoutGeometry(measurer, scale);
        EXPECT_GT(geometry.client.width, 400);
        for (SettingsPage page :
             {SettingsPage::Clock, SettingsPage::Countdown, SettingsPage::Calendar, SettingsPage::General}) {
            std::vector<Placed> controls;
            for (std::size_t i = 0; i < SettingsLabels().size(); ++i) {
                const LabelEntry& e = SettingsLabels()[i];
                if (e.page == page)
                    controls.push_back({std::string(e.name), geometry.labels[i], needed(Tr(e.caption), TextChrome::Label)});
            }
            for (std::size_t i = 0; i < SettingsCheckBoxes().size(); ++i) {
                const CheckEntry& e = SettingsCheckBoxes()[i];
                if (e.page == page)
                    controls.push_back(
                        {std::string(e.name), geometry.checkBoxes[i], needed(Tr(e.caption), TextChrome::CheckBox)});
            }
            for (std::size_t i = 0; i < SettingsLists().size(); ++i) {
                const ListEntry& e = SettingsLists()[i];
                if (e.page != page) continue;
                int widest = 0;
                for (std::string_view item : ItemsToFit(e.kind)) widest = std::max(widest, needed(item, TextChrome::List));
                ControlPlace box = geometry.lists[i];
                box.height = kListBox;
                controls.push_back({std::string(e.name), box, widest});
            }
            for (std::size_t i = 0; i < SettingsButtons().size(); ++i) {
                const ButtonEntry& e = SettingsButtons()[i];
                if (e.onPage && e.page == page)
                    controls.push_back({std::string(e.name), geometry.buttons[i], needed(Tr(e.caption), TextChrome::Button)});
            }
            ExpectFits(controls, geometry.client.width, "page " + std::to_string(static_cast<int>(page)) + " at " +
                                                            std::to_string(dpi));
        }
        std::vector<Placed> bottom;
        for (std::size_t i = 0; i < SettingsButtons().size(); ++i) {
            const ButtonEntry& e = SettingsButtons()[i];
            if (!e.onPage) bottom.push_back({std::string(e.name), geometry.buttons[i], needed(Tr(e.caption), TextChrome::Button)});
        }
        ExpectFits(bottom, geometry.client.width, "buttons at " + std::to_string(dpi));

        for (const DialogLayout* layout : {&AddDialogLayout(), &DeleteDialogLayout()}) {
            const DialogPlaces places = FitDialogToText(*layout, measurer, scale);
            std::vector<Placed> controls;
            for (std::size_t i = 0; i < layout->controls.size(); ++i) {
                const DialogControlEntry& c = layout->controls[i];
                const bool button = c.kind == DialogControlKind::OkButton || c.kind == DialogControlKind::CancelButton;
                const int text = c.text ? NeededWidth(measurer, scale, layout->fontFamily, layout->fontPixels,
                                                      Tr(*c.text), button ? TextChrome::Button : TextChrome::Label)
                                        : 0;
                controls.push_back({std::string(c.name), places.controls[i], text});
            }
            ExpectFits(controls, places.client.width, std::string(layout->controls.front().name) + " dialog");
        }
    }
}

}  // namespace
}  // namespace zentrova
