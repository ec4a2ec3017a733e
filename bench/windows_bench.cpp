// Face preparation and the per-second frame of the three display windows at
// their largest sizes, through the windows' own logic. Preparation runs on
// every settings change (a dragged slider calls it many times a second) and
// the frame once a second for as long as the program runs, so both must stay
// far below the 30 ms tick: a preparation under 10 ms, a frame's pixels under
// 1 ms.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <string>

#include "calendar/calendar_window.h"
#include "clock/clock_window.h"
#include "clock/locale.h"
#include "countdown/countdown_window.h"
#include "face/display_window.h"
#include "bench/largest_faces.h"
#include "settings/settings.h"

namespace zentrova {
namespace {

using largest_faces::IdleShell;
using largest_faces::LargestSettings;
using largest_faces::NoSink;
using largest_faces::SteppingTime;

// Metrics close to Tahoma's and Times New Roman's at 96 dpi: an average
// advance of 0.55 em and a line of 1.21 em, the em being points x 96 / 72.
class ProportionalMeasurer : public TextMeasurer {
public:
    explicit ProportionalMeasurer(double scale = 1.0) : scale_(scale) {}
    SizeI Measure(const std::string&, int points, const std::string& text) override {
        const double em = points * 96.0 / 72.0 * scale_;
        return Extent(em, text);
    }
    // A drawn text, in its font's own pixels: the scale enlarges faces only.
    SizeI MeasurePixels(const std::string&, int emPixels, bool, const std::string& text) override {
        return Extent(emPixels, text);
    }

private:
    static SizeI Extent(double em, const std::string& text) {
        return {static_cast<int>(std::lround(static_cast<double>(text.size()) * em * 0.55)),
                static_cast<int>(std::lround(em * 1.21))};
    }
    double scale_;
};

// Keeps nothing: what the platform does with a frame is measured by the
// frame probe of the Windows build.
class DiscardingSurface : public DisplaySurface {
public:
    void SetClientSize(SizeI) override {}
    PointI Position() const override { return position; }
    int Dpi() const override { return dpi; }
    void MoveTo(PointI leftTop) override { position = leftTop; }
    void SetVisible(bool) override {}
    void StepAside(bool) override {}
    void SetZOrder(ZOrder) override {}
    void Push(const Frame& frame) override { benchmark::DoNotOptimize(frame.pixels.data()); }
    void ShowPopupMenu(PointI) override {}
    void ScheduleTicks(int) override {}
    void RestartTicks(int) override {}
    void SetSpokenValue(const std::string&) override {}
    void Announce(const std::string&) override {}
    PointI position{100, 100};
    int dpi = kDesignDpi;
};

class FixedDesktop : public Desktop {
public:
    std::span<const RectI> Monitors() const override { return {&screen_, 1}; }
    PointI CursorPos() const override { return {}; }
    void DisplayChanged() override {}

private:
    RectI screen_{0, 0, 1920, 1080};
};

class CountingRandom : public RandomSource {
public:
    int Next(int bound) override { return (next_++) % bound; }

private:
    int next_ = 0;
};

// A photograph-like skin: every pixel different, so the stretch and the
// planes do real work.
SkinSet NoisySkins() {
    SkinSet skins;
    for (SkinImage& image : skins.images) {
        image.width = kSkinSide;
        image.height = kSkinSide;
        image.bgrx.resize(static_cast<std::size_t>(kSkinSide) * kSkinSide * 4);
        for (std::size_t i = 0; i < image.bgrx.size(); ++i) image.bgrx[i] = static_cast<std::uint8_t>(i * 37 + i / 560);
    }
    return skins;
}

struct Services {
    explicit Services(double measureScale = 1.0) : measurer(measureScale) {}
    DiscardingSurface surface;
    ProportionalMeasurer measurer;
    FixedDesktop desktop;
    CountingRandom random;
    SteppingTime time;
    IdleShell shell;
    SkinSet skins = NoisySkins();
    WorkingBitmaps bitmaps;
    NoSink sink;
    Settings settings = LargestSettings();

    DisplayContext Context() { return {surface, measurer, desktop, random, time, shell, skins, bitmaps}; }
};

std::string SizeLabel(SizeI size, const char* what) {
    return std::to_string(size.width) + "x" + std::to_string(size.height) + " " + what;
}

// Clock: Arg 0 the one-line face as measured, 1 the same with text metrics
// four times as large so the face fills the planes' whole capacity (the
// largest face preparation can ever have to fill at 96 DPI), 2 that face on
// a 200 % monitor, where the capacity doubles to 3202 x 802.
void BM_ClockDial(benchmark::State& state) {
    Services services(state.range(0) == 0 ? 1.0 : 4.0);
    if (state.range(0) == 2) services.surface.dpi = 2 * kDesignDpi;
    TForm1 clock(services.Context(), services.settings, EnglishUnitedStates(), services.sink);
    clock.FormCreate();
    for (auto _ : state) {
        clock.Dial();
        benchmark::DoNotOptimize(clock.Planes().alpha.data());
    }
    state.SetLabel(SizeLabel(clock.FaceSize(), "one line, size 50"));
}
BENCHMARK(BM_ClockDial)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// One tick that redraws: fresh texts, the frame's pixels from the planes,
// the text items, then the motion step.
void BM_ClockSecond(benchmark::State& state) {
    Services services(state.range(0) == 0 ? 1.0 : 4.0);
    TForm1 clock(services.Context(), services.settings, EnglishUnitedStates(), services.sink);
    clock.FormCreate();
    for (auto _ : state) {
        services.time.NextSecond();
        clock.OnTimer();
    }
    state.SetLabel(SizeLabel(clock.FaceSize(), "one line, size 50"));
}
BENCHMARK(BM_ClockSecond)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_CountdownForm(benchmark::State& state) {
    Services services;
    services.settings.CountRectOval = state.range(0) == 1;
    TForm3 countdown(services.Context(), services.settings, services.sink);
    countdown.FormCreate();
    for (auto _ : state) {
        countdown.CountForm();
        benchmark::DoNotOptimize(countdown.Planes().alpha.data());
    }
    state.SetLabel(SizeLabel(countdown.FaceSize(), state.range(0) == 1 ? "oval, size 20" : "rectangle, size 20"));
}
BENCHMARK(BM_CountdownForm)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_CountdownSecond(benchmark::State& state) {
    Services services;
    TForm3 countdown(services.Context(), services.settings, services.sink);
    countdown.FormCreate();
    for (auto _ : state) {
        services.time.NextSecond();
        countdown.OnTimer();
    }
    state.SetLabel(SizeLabel(countdown.FaceSize(), "size 20"));
}
BENCHMARK(BM_CountdownSecond)->Unit(benchmark::kMicrosecond);

void BM_CalendarForm(benchmark::State& state) {
    Services services;
    services.settings.CalendarOval = state.range(0) == 1;
    TForm4 calendar(services.Context(), services.settings, EnglishUnitedStates(), services.sink);
    calendar.FormCreate();
    for (auto _ : state) {
        calendar.CalendarForm();
        benchmark::DoNotOptimize(calendar.Face().dayImage.argb.data());
    }
    state.SetLabel(SizeLabel(calendar.FaceSize(), state.range(0) == 1 ? "circle tiles, size 20" : "square tiles, size 20") +
                   ", tile " + std::to_string(calendar.Face().metrics.cell));
}
BENCHMARK(BM_CalendarForm)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The calendar's frame is a draw list over a transparent face: the tiles'
// composition happens in the platform's renderer, measured by the probe.
void BM_CalendarSecond(benchmark::State& state) {
    Services services;
    TForm4 calendar(services.Context(), services.settings, EnglishUnitedStates(), services.sink);
    calendar.FormCreate();
    for (auto _ : state) {
        services.time.NextSecond();
        calendar.OnTimer();
    }
    state.SetLabel(SizeLabel(calendar.FaceSize(), "size 20, time footer"));
}
BENCHMARK(BM_CalendarSecond)->Unit(benchmark::kMicrosecond);

// A tick without a new second: only the motion step, 33 times a second for
// each window while it wanders.
void BM_WanderTickWithoutRedraw(benchmark::State& state) {
    Services services;
    services.settings.ClockGo = true;
    TForm1 clock(services.Context(), services.settings, EnglishUnitedStates(), services.sink);
    clock.FormCreate();
    clock.OnTimer();
    for (auto _ : state) clock.OnTimer();
}
BENCHMARK(BM_WanderTickWithoutRedraw)->Unit(benchmark::kNanosecond);

}  // namespace
}  // namespace zentrova
