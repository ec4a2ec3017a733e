// Times the program's frame path (the face pixels handed to GDI+ as one
// scan-0 buffer, the texts drawn over them, the push with
// UpdateLayeredWindow) against a frame built the naive way, one
// GdipBitmapSetPixel per pixel, for the same clock face, on a real layered
// window. Prints milliseconds per frame for both and their ratio, then the
// program's own countdown and calendar frames at their largest sizes.
//
// Usage: frame_probe [FRAMES=20]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/largest_faces.h"
#include "calendar/calendar_window.h"
#include "clock/clock_window.h"
#include "clock/locale.h"
#include "countdown/countdown_window.h"
#include "platform/gdiplus_include.h"
#include "platform/gdiplus_objects.h"
#include "platform/gdiplus_session.h"
#include "platform/layered_window.h"
#include "platform/wide_text.h"
#include "platform/skin_resources.h"
#include "platform/win32_handles.h"
#include "platform/win32_services.h"
#include "settings/settings.h"

namespace zentrova::platform {
namespace {

using namespace Gdiplus::DllExports;
using largest_faces::IdleShell;
using largest_faces::LargestSettings;
using largest_faces::NoSink;
using largest_faces::SteppingTime;

// The real GDI measurement, optionally enlarged so the face fills the
// clock planes' whole capacity.
class ScaledMeasurer : public TextMeasurer {
public:
    explicit ScaledMeasurer(int scale) : scale_(scale) {}
    SizeI Measure(const std::string& family, int points, const std::string& text) override {
        SizeI size = gdi_.Measure(family, points, text);
        return {size.width * scale_, size.height * scale_};
    }
    // The drawn texts are in their fonts' own pixels: only faces are enlarged.
    SizeI MeasurePixels(const std::string& family, int emPixels, bool bold, const std::string& text) override {
        return gdi_.MeasurePixels(family, emPixels, bold, text);
    }

private:
    GdiTextMeasurer gdi_;
    int scale_;
};

class FixedRandom : public RandomSource {
public:
    int Next(int) override { return 0; }
};

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

template <typename DrawFrame>
double MsPerFrame(int frames, DrawFrame draw) {
    draw();  // the first frame loads fonts and warms the caches
    PumpMessages();
    double spent = 0;
    for (int i = 0; i < frames; ++i) {
        const double start = NowMs();
        draw();
        spent += NowMs() - start;
        PumpMessages();
    }
    return spent / frames;
}

// The face and text of the clock's frame, built pixel by pixel as a plain
// reading of the frame steps would: a W x H ARGB bitmap, one SetPixel per
// pixel, the text drawn over it, a GDI bitmap of it pushed to the window.
void NaiveClockFrame(const TForm1& clock, const Settings& settings, HWND window, HDC screenDc, HDC memoryDc) {
    const FacePlanes& planes = clock.Planes();
    const int width = planes.width;
    const int height = planes.height;
    gdip::Bitmap bitmap;
    bitmap.set_status(GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, bitmap.out()));
    if (!bitmap) return;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * width + x;
            const Gdiplus::ARGB color = (static_cast<std::uint32_t>(planes.alpha[i] & 0xFF) << 24) |
                                        (static_cast<std::uint32_t>(planes.red[i] & 0xFF) << 16) |
                                        (static_cast<std::uint32_t>(planes.green[i] & 0xFF) << 8) |
                                        static_cast<std::uint32_t>(planes.blue[i] & 0xFF);
            GdipBitmapSetPixel(bitmap.get(), x, y, color);
        }
    }
    {
        gdip::Graphics graphics;
        graphics.set_status(GdipGetImageGraphicsContext(bitmap.get(), graphics.out()));
        gdip::FontFamily family;
        const std::wstring name = Widen(settings.ClockFont);
        family.set_status(GdipCreateFontFamilyFromName(name.c_str(), nullptr, family.out()));
        gdip::Font font;
        if (family)
            font.set_status(GdipCreateFont(family.get(), static_cast<Gdiplus::REAL>(settings.ClockSize + 8),
                                           settings.ClockBorder ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular,
                                           Gdiplus::UnitPixel, font.out()));
        const Rgb text = clock.SkinTextColor();
        gdip::Brush brush;
        brush.set_status(GdipCreateSolidFill(0xFF000000u | (text.r << 16) | (text.g << 8) | text.b,
                                             reinterpret_cast<Gdiplus::GpSolidFill**>(brush.out())));
        gdip::StringFormat format;
        format.set_status(GdipCreateStringFormat(0, 0, format.out()));
        GdipSetStringFormatAlign(format.get(), Gdiplus::StringAlignmentCenter);
        GdipSetStringFormatLineAlign(format.get(), Gdiplus::StringAlignmentCenter);
        GdipSetTextRenderingHint(graphics.get(), Gdiplus::TextRenderingHintAntiAlias);
        const std::wstring line = Widen(clock.ClockText());
        Gdiplus::RectF layout(0, 0, static_cast<Gdiplus::REAL>(width), static_cast<Gdiplus::REAL>(height));
        if (font) GdipDrawString(graphics.get(), line.c_str(), -1, font.get(), &layout, format.get(), brush.get());
    }
    HBITMAP gdiBitmap = nullptr;
    GdipCreateHBITMAPFromBitmap(bitmap.get(), &gdiBitmap, 0);
    UniqueBitmap frameBitmap(gdiBitmap);
    if (!frameBitmap) return;
    ScopedSelect select(memoryDc, frameBitmap.get());
    POINT at{0, 0};
    SIZE size{width, height};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(window, screenDc, &at, &size, memoryDc, &source, 0, &blend, ULW_ALPHA);
}

struct Shared {
    Win32Desktop desktop;
    FixedRandom random;
    SteppingTime time;
    IdleShell shell;
    SkinSet skins;
    WorkingBitmaps bitmaps;
    NoSink sink;
    DisplayTicker ticker;
    Settings settings = LargestSettings();
};

void CompareClockFrames(Shared& shared, int scale, int frames) {
    LayeredWindow window("Frame probe clock", nullptr, shared.ticker);
    ScaledMeasurer measurer(scale);
    TForm1 clock(DisplayContext{window, measurer, shared.desktop, shared.random, shared.time, shared.shell,
                                shared.skins, shared.bitmaps},
                 shared.settings, EnglishUnitedStates(), shared.sink);
    window.Attach(clock);
    clock.FormCreate();
    const SizeI face = clock.FaceSize();

    const double ours = MsPerFrame(frames, [&] {
        shared.time.NextSecond();
        clock.OnTimer();
    });
    HDC screenDc = GetDC(nullptr);
    UniqueDc memoryDc(CreateCompatibleDC(screenDc));
    const double naive = MsPerFrame(frames, [&] {
        NaiveClockFrame(clock, shared.settings, window.Handle(), screenDc, memoryDc.get());
    });
    ReleaseDC(nullptr, screenDc);
    std::printf("clock %dx%d (%d pixels): frame path %.3f ms, SetPixel per pixel %.3f ms, ratio %.1f\n", face.width,
                face.height, face.width * face.height, ours, naive, naive / ours);
}

void TimeCountdownFrame(Shared& shared, int frames) {
    LayeredWindow window("Frame probe countdown", nullptr, shared.ticker);
    GdiTextMeasurer measurer;
    TForm3 countdown(DisplayContext{window, measurer, shared.desktop, shared.random, shared.time, shared.shell,
                                    shared.skins, shared.bitmaps},
                     shared.settings, shared.sink);
    window.Attach(countdown);
    countdown.FormCreate();
    const double ms = MsPerFrame(frames, [&] {
        shared.time.NextSecond();
        countdown.OnTimer();
    });
    std::printf("countdown %dx%d: frame path %.3f ms\n", countdown.FaceSize().width, countdown.FaceSize().height, ms);
}

void TimeCalendarFrame(Shared& shared, int frames) {
    LayeredWindow window("Frame probe calendar", nullptr, shared.ticker);
    GdiTextMeasurer measurer;
    TForm4 calendar(DisplayContext{window, measurer, shared.desktop, shared.random, shared.time, shared.shell,
                                   shared.skins, shared.bitmaps},
                    shared.settings, EnglishUnitedStates(), shared.sink);
    window.Attach(calendar);
    calendar.FormCreate();
    const double ms = MsPerFrame(frames, [&] {
        shared.time.NextSecond();
        calendar.OnTimer();
    });
    std::printf("calendar %dx%d (tile %d, 43 cells): frame path %.3f ms\n", calendar.FaceSize().width,
                calendar.FaceSize().height, calendar.Face().metrics.cell, ms);
}

int Run(int frames) {
    GdiplusSession gdiplus;
    if (!gdiplus.Started()) {
        std::printf("GDI+ did not start\n");
        return 1;
    }
    Shared shared;
    LoadSkins(shared.skins);
    CompareClockFrames(shared, 1, frames);
    CompareClockFrames(shared, 4, frames);
    TimeCountdownFrame(shared, frames);
    TimeCalendarFrame(shared, frames);
    std::fflush(stdout);
    return 0;
}

}  // namespace
}  // namespace zentrova::platform

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    return zentrova::platform::Run(frames);
}
