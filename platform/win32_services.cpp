#include "platform/win32_services.h"

#include <algorithm>

#include "face/dpi_scale.h"
#include "platform/foreground_window.h"
#include "platform/wide_text.h"
#include "platform/win32_handles.h"

namespace zentrova::platform {

namespace {

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM list) {
    if (!rect) return TRUE;
    auto& monitors = *reinterpret_cast<std::vector<RectI>*>(list);
    const RectI monitor{rect->left, rect->top, rect->right, rect->bottom};
    // The primary first, so that it wins ties: the one whose corner is the
    // desktop's origin.
    if (monitor.left == 0 && monitor.top == 0)
        monitors.insert(monitors.begin(), monitor);
    else
        monitors.push_back(monitor);
    return TRUE;
}

std::vector<RectI> ReadMonitors() {
    std::vector<RectI> monitors;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty()) monitors.push_back({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    return monitors;
}

}  // namespace

// Every display window asks for its monitor on each tick, while monitors
// change only with the display settings. Asking the system each time would
// cost round trips to the window system (under Wine several server requests
// per call), most of the idle program's CPU; the list is therefore kept.
// Every top-level window hears of most changes at once (WM_DISPLAYCHANGE),
// but not of all: Wine sends nothing when an output is switched off. So the
// list is read again once a second, in one call listing every monitor's
// rectangle, and replaced only when it differs (a caller may still hold the
// list it was given).
std::span<const RectI> Win32Desktop::Monitors() const {
    constexpr ULONGLONG kReadAgainMs = 1000;
    const ULONGLONG now = GetTickCount64();
    if (monitors_.empty() || now - monitorsReadAt_ >= kReadAgainMs) {
        monitorsReadAt_ = now;
        std::vector<RectI> current = ReadMonitors();
        if (current != monitors_) monitors_ = std::move(current);
    }
    return monitors_;
}

// The three windows tick within the same millisecond; one look serves them
// all, and a new window in front makes the next call look again.
ForegroundWindow Win32Desktop::Foreground() const {
    constexpr ULONGLONG kForegroundFreshMs = 200;
    const ULONGLONG now = GetTickCount64();
    if (!foregroundKnown_ || now - foregroundReadAt_ >= kForegroundFreshMs) {
        foreground_ = ReadForegroundWindow();
        foregroundKnown_ = true;
        foregroundReadAt_ = now;
    }
    return foreground_;
}

PointI Win32Desktop::CursorPos() const {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

ClickLimits Win32Desktop::Clicks() const {
    return {GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG), static_cast<int>(GetDoubleClickTime())};
}

namespace {

LocalTime FromSystemTime(const SYSTEMTIME& t) {
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

}  // namespace

LocalTime Win32TimeSource::Now() const {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return FromSystemTime(t);
}

LocalTime Win32TimeSource::UtcNow() const {
    SYSTEMTIME t{};
    GetSystemTime(&t);
    return FromSystemTime(t);
}

std::int64_t Win32TimeSource::Milliseconds() const { return static_cast<std::int64_t>(GetTickCount64()); }

ClockSeededRandom::ClockSeededRandom() {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    engine_.seed(static_cast<std::uint32_t>(counter.QuadPart ^ (counter.QuadPart >> 32) ^ GetTickCount()));
}

int ClockSeededRandom::Next(int bound) {
    if (bound <= 1) return 0;
    return std::uniform_int_distribution<int>(0, bound - 1)(engine_);
}

namespace {

// The extent of `text` in a font of character height `emPixels` on a
// screen-compatible canvas. A memory canvas made without the screen's own
// context is just as compatible and spares a round trip to the window
// system (under Wine, a server request) for every text measured: dozens at
// start.
SizeI TextExtent(const std::string& family, int emPixels, bool bold, const std::string& text) {
    UniqueDc dc(CreateCompatibleDC(nullptr));
    if (!dc) return {};
    const std::wstring face = Widen(FirstCodePoints(family, LF_FACESIZE - 1));
    UniqueFont font(CreateFontW(-std::max(emPixels, 1), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
    ScopedSelect select(dc.get(), font.get());
    SIZE size{};
    const std::wstring wide = Widen(text);
    GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    if (text.empty()) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc.get(), &metrics);
        size.cy = metrics.tmHeight;
    }
    return {size.cx, size.cy};
}

}  // namespace

SizeI GdiTextMeasurer::Measure(const std::string& family, int points, const std::string& text) {
    // At 96 DPI, not the screen's: the window scales the result by the DPI
    // of its own monitor, which may differ from the screen's.
    constexpr int kPointsPerInch = 72;
    return RunsExtent(family, MulDiv(std::max(points, 1), kDesignDpi, kPointsPerInch), false, text);
}

SizeI GdiTextMeasurer::MeasurePixels(const std::string& family, int emPixels, bool bold, const std::string& text) {
    return RunsExtent(family, emPixels, bold, text);
}

// A family GDI+ lacks is drawn in the first-run font; characters the family
// lacks in one that has them. A dialog's text, which GDI draws, is in one
// family, as GDI maps it.
SizeI GdiTextMeasurer::RunsExtent(const std::string& family, int emPixels, bool bold, const std::string& text) {
    if (drawnBy_ == DrawnBy::Gdi) return TextExtent(fallback_.FamilyFor(family, text), emPixels, bold, text);
    SizeI extent;
    for (const FontRun& run : fallback_.DrawnRunsFor(family, text)) {
        const SizeI part = TextExtent(run.family, emPixels, bold, run.text);
        extent.width += part.width;
        extent.height = std::max(extent.height, part.height);
    }
    if (text.empty()) extent = TextExtent(fallback_.DrawnFamilyFor(family, text), emPixels, bold, text);
    return extent;
}

}  // namespace zentrova::platform
