#include "settings_window/settings_geometry.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "app/program_names.h"
#include "language/languages.h"
#include "settings_window/fit_to_text.h"

namespace zentrova {
namespace {

// The tab control's frame and a page's margin around the controls.
constexpr int kPageFrame = 12;
// Each tab's padding around its caption.
constexpr int kTabPadding = 14;
// A closed list's box, of the place whose height is the dropped-down list.
constexpr int kListBoxHeight = 22;

struct Fitter {
    TextMeasurer& measurer;
    DpiScale scale;
    std::string_view family;

    int Needed(std::string_view text, TextChrome chrome) const {
        return NeededWidth(measurer, scale, family, kSettingsFontPixels, text, chrome);
    }
};

template <typename Entry>
std::vector<ControlPlace> PlacesOf(std::span<const Entry> entries) {
    std::vector<ControlPlace> places;
    for (const Entry& entry : entries) places.push_back(entry.place);
    return places;
}

// One page's (or the window's bottom row's) controls, collected and grown
// together; `slots` says where each grown place goes back to.
struct RowSet {
    std::vector<TextRoom> rooms;
    std::vector<ControlPlace*> slots;

    void Add(const ControlPlace& place, int needed, ControlPlace& slot, int rowHeight = 0) {
        rooms.push_back({place, needed, rowHeight});
        slots.push_back(&slot);
    }
    int Grow() {
        const std::vector<ControlPlace> grown = GrowToText(rooms);
        int right = 0;
        for (std::size_t i = 0; i < grown.size(); ++i) {
            *slots[i] = grown[i];
            right = std::max(right, grown[i].left + grown[i].width);
        }
        return right;
    }
};

}  // namespace

std::vector<std::string_view> FixedItems(ListKind kind) {
    switch (kind) {
        case ListKind::TimeFormat: return TimeFormatLabels();
        case ListKind::DateFormat: return DateFormatLabels();
        case ListKind::FontName: return {FontNames().begin(), FontNames().end()};
        case ListKind::WeekStart: return WeekStartLabels();
        case ListKind::WeekNumbers: return WeekNumberLabels();
        case ListKind::Stay: return StayLabels();
        case ListKind::Language: return LanguageLabels();
        case ListKind::CountTitle:
        case ListKind::ClockZone:
        case ListKind::Clocks: break;  // filled from the settings or the system
    }
    return {};
}

std::vector<std::string_view> ItemsToFit(ListKind kind) {
    switch (kind) {
        case ListKind::WeekStart:
        case ListKind::WeekNumbers:
        case ListKind::Stay:
        case ListKind::Language: return FixedItems(kind);
        default: return {};
    }
}

SettingsGeometry SettingsLayoutGeometry(TextMeasurer& measurer, DpiScale scale, std::string_view family) {
    SettingsGeometry geometry{PlacesOf(SettingsLabels()), PlacesOf(SettingsSliders()), PlacesOf(SettingsCheckBoxes()),
                              PlacesOf(SettingsLists()),  PlacesOf(SettingsEdits()),   PlacesOf(SettingsButtons()),
                              kPagesPlace,                {kSettingsClientWidth, kSettingsClientHeight}};
    if (&CurrentLanguage() == &EnglishLanguage()) return geometry;

    const Fitter fit{measurer, scale, family};
    // Labels standing in one column grow together, so the controls they
    // name stay aligned.
    std::map<std::tuple<SettingsPage, int, int>, int> columns;
    for (const LabelEntry& label : SettingsLabels()) {
        int& widest = columns[{label.page, label.place.left, label.place.width}];
        widest = std::max(widest, fit.Needed(Tr(label.caption), TextChrome::Label));
    }

    int contentRight = 0;
    for (SettingsPage page :
         {SettingsPage::Clock, SettingsPage::Countdown, SettingsPage::Calendar, SettingsPage::General}) {
        RowSet rows;
        for (std::size_t i = 0; i < SettingsLabels().size(); ++i) {
            const LabelEntry& e = SettingsLabels()[i];
            if (e.page == page) rows.Add(e.place, columns[{e.page, e.place.left, e.place.width}], geometry.labels[i]);
        }
        for (std::size_t i = 0; i < SettingsSliders().size(); ++i) {
            if (SettingsSliders()[i].page == page) rows.Add(SettingsSliders()[i].place, 0, geometry.sliders[i]);
        }
        for (std::size_t i = 0; i < SettingsCheckBoxes().size(); ++i) {
            const CheckEntry& e = SettingsCheckBoxes()[i];
            if (e.page == page) rows.Add(e.place, fit.Needed(Tr(e.caption), TextChrome::CheckBox), geometry.checkBoxes[i]);
        }
        for (std::size_t i = 0; i < SettingsLists().size(); ++i) {
            const ListEntry& e = SettingsLists()[i];
            if (e.page != page) continue;
            int needed = 0;
            for (std::string_view item : ItemsToFit(e.kind)) needed = std::max(needed, fit.Needed(item, TextChrome::List));
            rows.Add(e.place, needed, geometry.lists[i], kListBoxHeight);
        }
        for (std::size_t i = 0; i < SettingsEdits().size(); ++i) {
            if (SettingsEdits()[i].page == page) rows.Add(SettingsEdits()[i].place, 0, geometry.edits[i]);
        }
        for (std::size_t i = 0; i < SettingsButtons().size(); ++i) {
            const ButtonEntry& e = SettingsButtons()[i];
            if (e.onPage && e.page == page)
                rows.Add(e.place, fit.Needed(Tr(e.caption), TextChrome::Button), geometry.buttons[i]);
        }
        contentRight = std::max(contentRight, rows.Grow());
    }

    int tabs = 0;
    for (TextId caption : kPageCaptions) tabs += fit.Needed(Tr(caption), TextChrome::Label) + kTabPadding;
    const int width = std::max({kSettingsClientWidth, contentRight + kPageFrame, tabs + kPageFrame});
    geometry.pages.width = width;
    geometry.client.width = width;

    // Below the pages: the first button keeps its place, the last its
    // distance from the window's right edge.
    for (std::size_t i = 0; i < SettingsButtons().size(); ++i) {
        const ButtonEntry& e = SettingsButtons()[i];
        if (e.onPage) continue;
        ControlPlace& place = geometry.buttons[i];
        const int needed = fit.Needed(Tr(e.caption), TextChrome::Button);
        const int right = place.left + place.width;
        place.width = std::max(place.width, needed);
        if (place.left > kSettingsClientWidth / 2) place.left = width - (kSettingsClientWidth - right) - place.width;
    }
    return geometry;
}

}  // namespace zentrova
