#pragma once
// The system services behind the core's small interfaces.

#include <windows.h>

#include <random>
#include <vector>

#include "face/services.h"
#include "platform/font_fallback.h"

namespace zentrova::platform {

class Win32Desktop final : public Desktop {
public:
    // Read once and kept until the display changes: see the definition.
    std::span<const RectI> Monitors() const override;
    PointI CursorPos() const override;
    void DisplayChanged() override { monitors_.clear(); }
    // Looked at once for all three windows' ticks of a second.
    ForegroundWindow Foreground() const override;
    void ForegroundChanged() override { foregroundKnown_ = false; }
    ClickLimits Clicks() const override;

private:
    mutable std::vector<RectI> monitors_;  // the primary first
    mutable ULONGLONG monitorsReadAt_ = 0;
    mutable ForegroundWindow foreground_;
    mutable bool foregroundKnown_ = false;
    mutable ULONGLONG foregroundReadAt_ = 0;
};

class Win32TimeSource final : public TimeSource {
public:
    LocalTime Now() const override;
    LocalTime UtcNow() const override;
    std::int64_t Milliseconds() const override;
};

// Seeded from the system clock when made, as each display window does at
// its creation.
class ClockSeededRandom final : public RandomSource {
public:
    ClockSeededRandom();
    int Next(int bound) override;

private:
    std::mt19937 engine_;
};

// Measures text with GDI on a screen-compatible canvas, sizes in points at
// 96 DPI whatever the screen's DPI, in the family the text is drawn in. For
// text that GDI+ draws, a family GDI+ lacks is measured as the first-run font
// it is drawn in; text that GDI itself draws (a dialog's) is measured in the
// family as GDI maps it.
class GdiTextMeasurer final : public TextMeasurer {
public:
    enum class DrawnBy { GdiPlus, Gdi };
    explicit GdiTextMeasurer(DrawnBy drawnBy = DrawnBy::GdiPlus) : drawnBy_(drawnBy) {}
    SizeI Measure(const std::string& family, int points, const std::string& text) override;
    SizeI MeasurePixels(const std::string& family, int emPixels, bool bold, const std::string& text) override;

private:
    // The text's extent as its runs are drawn, side by side.
    SizeI RunsExtent(const std::string& family, int emPixels, bool bold, const std::string& text);
    DrawnBy drawnBy_;
    FontFallback fallback_;
};

}  // namespace zentrova::platform
