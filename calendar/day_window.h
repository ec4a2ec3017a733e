#pragma once
// The small window a click on a calendar day opens: its lines (the day's
// events with their times, or "No events", then the line that adds an
// event on that day), its size at the calendar's scale, where it stands
// beside the day, and when the pointer has left it long enough to close.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "clock/locale.h"
#include "face/dpi_scale.h"
#include "face/geometry.h"
#include "settings/date_time.h"
#include "settings/settings.h"

namespace zentrova {

struct DayWindowContent {
    CivilDate day;
    std::string caption;             // the day's weekday and date, its name for readers
    std::vector<std::string> lines;  // the events or "No events", then the add line
    int AddLine() const { return static_cast<int>(lines.size()) - 1; }
};

// The events falling on `day` (repeats included) in the order of their
// times, each as its time and title.
DayWindowContent DayWindowContentFor(const Settings& settings, CivilDate day, const Locale& locale);

// The long time picture without its seconds ("h:mm:ss tt" gives "h:mm tt").
std::string WithoutSeconds(std::string_view timePicture);

// Design sizes at 96 DPI.
inline constexpr std::string_view kDayWindowFont = "Microsoft Sans Serif";
inline constexpr int kDayWindowFontPixels = 15;
inline constexpr int kDayWindowLineHeight = 20;
inline constexpr int kDayWindowPadding = 6;   // each side of the widest line
inline constexpr int kDayWindowMinWidth = 150;
inline constexpr int kDayWindowMaxWidth = 420;
inline constexpr int kDayWindowGap = 4;      // between the day and the window

// The window's outer size for `lines` lines the widest of which is
// `widestLine` pixels at `scale` (measured in the scaled font).
SizeI DayWindowSize(int widestLine, int lines, DpiScale scale);

// Where the window's top-left goes: right of the day's cell, else left of
// it, its top level with the cell's, all of it kept on `monitor`.
PointI PlaceBesideDay(const RectI& dayCell, SizeI size, const RectI& monitor, DpiScale scale);

// The window on screen, which the platform provides.
class DayWindowHost {
public:
    virtual ~DayWindowHost() = default;
    // Shows `content` beside `dayCell` (screen pixels) at the calendar's
    // `scale`, replacing what the window showed.
    virtual void Open(const DayWindowContent& content, const RectI& dayCell, DpiScale scale) = 0;
    virtual void Close() = 0;
};

// Closes the window once the pointer has stayed outside it (and the
// calendar) for a second.
class PointerAway {
public:
    static constexpr std::int64_t kCloseAfterMs = 1000;
    // The pointer is `inside` or not at `nowMs`; true when the window closes.
    bool Update(bool inside, std::int64_t nowMs);

private:
    std::optional<std::int64_t> leftAt_;
};

}  // namespace zentrova
