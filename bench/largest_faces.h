#pragma once
// The largest faces of the three display windows and the quiet services
// around them, shared by the native benchmarks and the Windows frame probe.

#include "face/display_window.h"
#include "face/services.h"
#include "settings/date_time.h"
#include "settings/settings.h"

namespace zentrova::largest_faces {

class SteppingTime : public TimeSource {
public:
    // Wednesday 30 September 2026, the longest weekday and month names, at
    // 12:59:59 PM, the widest 12-hour time.
    LocalTime Now() const override { return now; }
    LocalTime UtcNow() const override { return now; }
    void NextSecond() { now.second = (now.second + 1) % 60; }
    LocalTime now{2026, 9, 30, 12, 59, 59, 0};
};

class IdleShell : public ShellActions {
public:
    void ShowSettingsWindow() override {}
    void EndProgram() override {}
};

class NoSink : public PositionSink {
public:
    void WritePosition() override {}
};

// The largest settings of every window: clock size 50 with the weekday,
// month, day and year on one line and the 12-hour time with seconds;
// countdown and calendar size 20 with the time footer shown.
inline Settings LargestSettings() {
    Settings s;
    s.ClockSize = 50;
    s.ClockSkin = 9;
    s.ClockTransparent = 10;
    s.TimeIndex = 1;
    s.DateIndex = 8;
    s.ClockFont = "Tahoma";
    s.DateShow = true;
    s.ClockShow = true;
    s.ClockBorder = true;
    s.CountSize = 20;
    s.CountSkin = 9;
    s.CountTransparent = 10;
    s.CountFont = "Tahoma";
    s.CountShow = true;
    s.CountBorder = true;
    s.CountMax = 2;
    s.CountList[0] = {"Christmas Countdown", EncodeDate(2026, 12, 25), 0.0};
    s.CountList[1] = {"New Year Countdown", EncodeDate(2027, 1, 1), 0.0};
    s.CountIndex = 0;
    s.CountText = s.CountList[0].title;
    s.CalendarSize = 20;
    s.CalendarSkin = 9;
    s.CalendarTransparent = 10;
    s.CalendarTimeIndex = 1;
    s.CalendarFont = "Tahoma";
    s.CalendarShow = true;
    s.CalendarTimeShow = true;
    s.CalendarBold = true;
    s.ClockLeft = s.CountLeft = s.CalendarLeft = 100;
    s.ClockTop = s.CountTop = s.CalendarTop = 100;
    return s;
}

}  // namespace zentrova::largest_faces
