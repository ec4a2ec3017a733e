#include "platform/win32_services.h"

#include <algorithm>

#include "platform/win32_handles.h"

namespace zentrova::platform {

// Every display window asks for the screen size on each 30 ms tick, while
// it changes only with the display settings. Each GetSystemMetrics call can
// cost a round trip to the window system (under Wine three server requests
// to check the display configuration), which was most of the program's idle
// CPU; a reading is therefore kept for a second.
SizeI Win32Desktop::ScreenSize() const {
    constexpr DWORD kMaxAgeMs = 1000;
    const DWORD now = GetTickCount();
    if (!screenRead_ || now - screenReadAt_ >= kMaxAgeMs) {
        screen_ = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        screenReadAt_ = now;
        screenRead_ = true;
    }
    return screen_;
}

PointI Win32Desktop::CursorPos() const {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

LocalTime Win32TimeSource::Now() const {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

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
// screen-compatible canvas.
SizeI TextExtent(const std::string& family, int emPixels, bool bold, const std::string& text) {
    ScreenDc screen;
    UniqueDc dc(CreateCompatibleDC(screen.get()));
    if (!dc) return {};
    UniqueFont font(CreateFontA(-std::max(emPixels, 1), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, family.substr(0, LF_FACESIZE - 1).c_str()));
    ScopedSelect select(dc.get(), font.get());
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    if (text.empty()) {
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc.get(), &metrics);
        size.cy = metrics.tmHeight;
    }
    return {size.cx, size.cy};
}

}  // namespace

SizeI GdiTextMeasurer::Measure(const std::string& family, int points, const std::string& text) {
    ScreenDc screen;
    const int pixels = MulDiv(std::max(points, 1), GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
    return TextExtent(family, pixels, false, text);
}

SizeI GdiTextMeasurer::MeasurePixels(const std::string& family, int emPixels, bool bold, const std::string& text) {
    return TextExtent(family, emPixels, bold, text);
}

}  // namespace zentrova::platform
