// Every size a window decides is its 96-DPI size scaled once by the DPI of
// its monitor: faces, fonts, capacities, the settings window and dialogs.

#include "face/dpi_scale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <span>

#include "calendar/calendar_face.h"
#include "clock/clock_face.h"
#include "countdown/count_dialog_layout.h"
#include "countdown/countdown_face.h"
#include "face_fakes.h"
#include "settings/first_run.h"
#include "settings_window/scaled_place.h"
#include "settings_window/settings_layout.h"

namespace zentrova {
namespace {

constexpr int kDpis[] = {96, 120, 144, 192};  // 100, 125, 150 and 200 %

// Advances that are no multiple of 4, so that scaled sizes fall on fractions.
class OddMeasurer : public TextMeasurer {
public:
    SizeI Measure(const std::string&, int points, const std::string& text) override {
        return {static_cast<int>(text.size()) * (points + 3) + 1, points * 2 + 1};
    }
};

TEST(DpiScale, PixelsRoundHalvesToEvenAndKeepDesignSizesAt96) {
    struct Case {
        int dpi, design, pixels;
    } cases[] = {
        {96, 13, 13},    {120, 13, 16},  // 16.25
        {144, 13, 20},   // 19.5 goes to the even 20
        {144, 15, 22},   // 22.5 goes to the even 22
        {192, 13, 26},   {120, 2, 2},     // 2.5 -> 2
        {144, 1601, 2402}, {192, 1601, 3202}, {192, 401, 802},
        {0, 50, 50},     {-5, 50, 50},  // no DPI counts as 96
        {144, -4, -6},
    };
    for (const Case& c : cases) EXPECT_EQ(DpiScale{c.dpi}.Pixels(c.design), c.pixels) << c.dpi << " " << c.design;
    EXPECT_EQ(DpiScale{192}.Pixels(kClockFaceCapacity), (SizeI{3202, 802}));
    EXPECT_DOUBLE_EQ(DpiScale{144}.Factor(), 1.5);
}

TEST(ScaledFaces, ClockAndCountdownAreTheir96DpiSizesScaledOnce) {
    OddMeasurer measurer;
    Settings settings;
    settings.ClockSize = 6;
    settings.DateShow = true;
    settings.ClockFont = "Arial";
    const ClockTexts texts{"10:00 AM", "May 17", "Friday"};
    const SizeI clock96 = ClockFaceSize(settings, texts, measurer);
    const SizeI count96 = CountdownFaceSize(measurer, 3, false);
    const SizeI oval96 = CountdownFaceSize(measurer, 3, true);
    for (int dpi : kDpis) {
        const DpiScale scale{dpi};
        EXPECT_EQ(ClockFaceSize(settings, texts, measurer, scale), scale.Pixels(clock96)) << dpi;
        EXPECT_EQ(ClockDrawingFont(settings, scale).emPixels, scale.Pixels(14)) << dpi;
        EXPECT_EQ(CountdownFaceSize(measurer, 3, false, scale), scale.Pixels(count96)) << dpi;
        EXPECT_EQ(CountdownFaceSize(measurer, 3, true, scale), scale.Pixels(oval96)) << dpi;
        const CountdownFonts fonts = MakeCountdownFonts("Arial", 3, true, scale);
        EXPECT_EQ(fonts.label.emPixels, scale.Pixels(11)) << dpi;
        EXPECT_EQ(fonts.number.emPixels, scale.Pixels(15)) << dpi;  // 11 x 1.4 = 15.4 at 96
    }
}

TEST(ScaledFaces, CalendarWidthScalesAndHeightCellAndCapacityFollowWithinAPixel) {
    testing::FakeMeasurer measurer;
    const CalendarMetrics at96 = MeasureCalendar(measurer, 5);
    for (int dpi : kDpis) {
        const DpiScale scale{dpi};
        const CalendarMetrics metrics = MeasureCalendar(measurer, 5, scale);
        EXPECT_EQ(metrics.width, scale.Pixels(at96.width)) << dpi;
        EXPECT_LE(std::abs(metrics.height - at96.height * scale.Factor()), 1.0) << dpi;
        EXPECT_LE(std::abs(metrics.cell - at96.cell * scale.Factor()), 1.0) << dpi;
        // The largest face keeps its cells within the scaled tile capacity.
        const CalendarMetrics largest = MetricsForHeaderWidth(100000, scale);
        EXPECT_EQ(largest.cell, scale.Pixels(kTileCapacity)) << dpi;
        EXPECT_EQ(CalendarFaceCapacity(scale), (SizeI{largest.width, largest.height})) << dpi;
    }
}

bool Overlap(const ControlPlace& a, const ControlPlace& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// Labels, sliders, check boxes and buttons of one page (the lists' places
// are their dropped-down heights, which cover other controls by design).
std::vector<ControlPlace> PlacesOnPage(SettingsPage page) {
    std::vector<ControlPlace> places;
    for (const LabelEntry& e : SettingsLabels())
        if (e.page == page) places.push_back(e.place);
    for (const SliderEntry& e : SettingsSliders())
        if (e.page == page) places.push_back(e.place);
    for (const CheckEntry& e : SettingsCheckBoxes())
        if (e.page == page) places.push_back(e.place);
    for (const ButtonEntry& e : SettingsButtons())
        if (e.onPage && e.page == page) places.push_back(e.place);
    return places;
}

TEST(ScaledSettingsWindow, ControlsOverlapAtNoScaleWhereTheyDoNotAt96AndStayInside) {
    for (int dpi : kDpis) {
        const DpiScale scale{dpi};
        const SizeI client = SettingsClientSize(scale);
        EXPECT_EQ(client, scale.Pixels(SizeI{400, 320}));
        const ControlPlace pages = ScaledPlace(kPagesPlace, scale);
        for (SettingsPage page :
         {SettingsPage::Clock, SettingsPage::Countdown, SettingsPage::Calendar, SettingsPage::General}) {
            const std::vector<ControlPlace> places = PlacesOnPage(page);
            for (std::size_t i = 0; i < places.size(); ++i) {
                const ControlPlace scaled = ScaledPlace(places[i], scale);
                EXPECT_LE(scaled.left + scaled.width, pages.width) << dpi;
                EXPECT_LE(scaled.top + scaled.height, pages.height) << dpi;
                for (std::size_t j = i + 1; j < places.size(); ++j) {
                    EXPECT_EQ(Overlap(scaled, ScaledPlace(places[j], scale)), Overlap(places[i], places[j]))
                        << dpi << " controls " << i << " and " << j;
                }
            }
        }
        for (const ButtonEntry& e : SettingsButtons()) {
            if (e.onPage) continue;
            const ControlPlace scaled = ScaledPlace(e.place, scale);
            EXPECT_LE(scaled.top + scaled.height, client.height) << dpi << " " << e.name;
        }
    }
}

TEST(ScaledDialogs, ControlsStayInsideTheScaledClientWithTheBorderScaled) {
    for (const DialogLayout* layout : {&AddDialogLayout(), &DeleteDialogLayout()}) {
        for (int dpi : kDpis) {
            const DpiScale scale{dpi};
            const SizeI client = DialogClientSize(*layout, scale);
            EXPECT_EQ(client, scale.Pixels(SizeI{layout->client.width + 2 * layout->border,
                                                 layout->client.height + 2 * layout->border}));
            for (const DialogControlEntry& control : layout->controls) {
                const ControlPlace place = DialogControlPlace(*layout, control, scale);
                EXPECT_EQ(place.left, scale.Pixels(control.place.left + layout->border)) << control.name;
                EXPECT_GE(place.top, scale.Pixels(layout->border)) << control.name;
                EXPECT_LE(place.left + place.width, client.width) << dpi << " " << control.name;
                EXPECT_LE(place.top + place.height, client.height) << dpi << " " << control.name;
            }
        }
    }
}

// At 150 % the first-run windows stand as they do at 100 %: the clock half
// the (scaled) settings window right of the calendar, the countdown below
// the clock by the scaled step.
TEST(ScaledFirstRun, PositionsFollowTheScaledSettingsWindow) {
    for (int dpi : kDpis) {
        const DpiScale scale{dpi};
        const SizeI outer{scale.Pixels(406), scale.Pixels(346)};
        const FirstRunContext context{2026, {1920, 1080}, outer, scale};
        auto at = [&](DisplayWindowId window, Edge edge) {
            return FirstRunPosition(ComputedPosition{window, edge}, context, 6);
        };
        EXPECT_EQ(at(DisplayWindowId::Clock, Edge::Left) - at(DisplayWindowId::Calendar, Edge::Left), outer.width / 2);
        EXPECT_EQ(at(DisplayWindowId::Countdown, Edge::Top) - at(DisplayWindowId::Clock, Edge::Top),
                  scale.Pixels(30));
        EXPECT_EQ(at(DisplayWindowId::Clock, Edge::Top), at(DisplayWindowId::Calendar, Edge::Top));
    }
}

}  // namespace
}  // namespace zentrova
