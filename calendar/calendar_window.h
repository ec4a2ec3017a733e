#pragma once
// The calendar window: the month grid on skin tiles, redrawn each second,
// paged with its two arrows, dragged or wandering like the other windows.

#include "calendar/calendar_face.h"
#include "calendar/calendar_state.h"
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

    const CalendarState& State() const { return state_; }
    const CalendarFace& Face() const { return face_; }

    std::string SpokenValue() const override;

protected:
    void Rebuild() override { CalendarForm(); }
    void Refresh(const LocalTime& now) override;
    // The arrow squares page the month before the drag starts.
    void OnLeftPress(PointI client) override;

private:
    void Draw(const LocalTime& now);

    Settings& options_;
    Locale locale_;
    CalendarState state_;
    CalendarFace face_;
};

}  // namespace zentrova
