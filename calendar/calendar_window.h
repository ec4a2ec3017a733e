#pragma once
// The calendar window: the month grid on skin tiles, redrawn each second,
// turned with its two arrows or the wheel, back to today's month by its
// footer or by itself, a day's events shown at a click on the day, dragged
// or wandering like the other windows.

#include "calendar/calendar_face.h"
#include "calendar/calendar_state.h"
#include "calendar/day_window.h"
#include "clock/locale.h"
#include "face/display_window.h"
#include "settings/settings.h"

namespace zentrova {

class TForm4 : public DisplayWindow {
public:
    // `positionSink` writes CalendarLeft and CalendarTop when a still
    // window comes to rest at a new place.
    TForm4(DisplayContext context, Settings& settings, Locale locale, PositionSink& positionSink);

    // Placement, today's month, the face and a first frame, then shown or
    // hidden by CalendarShow.
    void FormCreate();
    // Face building after any calendar setting changes; draws nothing, the
    // next tick does.
    void CalendarForm();
    // Composes the frame from the prepared tiles and pushes it.
    void CalendarDraw();
    // The user's regional settings changed: the month names and separators
    // are replaced and the face built anew with them.
    void ChangeLocale(Locale locale);

    // The window a click on a day opens; without one a click opens nothing.
    void AttachDayWindow(DayWindowHost& dayWindow) { dayWindow_ = &dayWindow; }

    // The titles of the countdown events on the day under the pointer.
    std::string TipAt(PointI client) const override;
    // A notch down turns to the next month, a notch up to the previous.
    void OnMouseWheel(int delta) override;

    const CalendarState& State() const { return state_; }
    const CalendarFace& Face() const { return face_; }

    std::string SpokenValue() const override;

protected:
    void Rebuild() override { CalendarForm(); }
    void Refresh(const LocalTime& now) override;
    // The arrow squares turn the month before the drag starts.
    void OnLeftPress(PointI client) override;
    // A click (not a drag) on the footer shows today's month; on a day, it
    // opens the day window.
    void OnLeftRelease() override;

private:
    void Draw(const LocalTime& now);
    MonthLayout Layout() const;
    // Turns the month by `months` (negative back), rebuilds, tells readers.
    void Turn(int months);
    // The shown month changed at the user's hand.
    void ShowTurned();
    void OpenDayWindow(int day, const MonthLayout& layout);

    Settings& options_;
    Locale locale_;
    CalendarState state_;
    CalendarFace face_;
    WheelNotches wheel_;
    DayWindowHost* dayWindow_ = nullptr;
    // The last left press: where on the face and on the screen, and when.
    PointI pressClient_;
    PointI pressScreen_;
    std::int64_t pressMs_ = 0;
};

}  // namespace zentrova
