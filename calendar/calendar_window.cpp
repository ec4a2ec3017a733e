#include "calendar/calendar_window.h"

#include <utility>

#include "calendar/calendar_events.h"
#include "calendar/month_grid.h"
#include "calendar/calendar_spoken_text.h"

namespace zentrova {

TForm4::TForm4(DisplayContext context, Settings& settings, Locale locale, PositionSink& positionSink)
    : DisplayWindow(context, MotionSettings{settings.CalendarGo, settings.CalendarLeft, settings.CalendarTop,
                                            positionSink, settings.HideFullScreen}),
      options_(settings),
      locale_(std::move(locale)) {}

void TForm4::FormCreate() {
    PlaceAtSavedPosition();
    StartCalendar(state_, context_.time.Now());
    CalendarForm();
    CalendarDraw();
    context_.surface.SetVisible(options_.CalendarShow);
}

void TForm4::CalendarForm() {
    SelectTimeFormat(state_, options_.CalendarTimeIndex, context_.time.Now(), locale_);
    ForgetLastTime();
    BuildCalendarFace(options_, context_.skins, context_.measurer, context_.bitmaps.cell, face_, scale_);
    SetFaceSize({face_.metrics.FaceWidth(), face_.metrics.height},
                CalendarFaceCapacity(scale_, face_.metrics.weekColumn != 0));
}

void TForm4::CalendarDraw() { Draw(context_.time.Now()); }

void TForm4::ChangeLocale(Locale locale) {
    locale_ = std::move(locale);
    CalendarForm();
}

// The base window calls this once the second has changed (or after a jump
// of the clock), so every call draws; today moves on with the date here.
void TForm4::Refresh(const LocalTime& now) {
    RefreshCalendar(state_, now, locale_);
    Draw(now);
}

std::string TForm4::TipAt(PointI client) const {
    if (!options_.CalendarEvents) return {};
    const MonthLayout layout = LayoutMonth(face_.metrics, state_.ShownYear, state_.ShownMonth, 0,
                                           CalendarWeekLayout(options_, locale_));
    const int day = DayAt(layout, client);
    return day == 0 ? std::string() : EventTitlesOn(options_, state_.ShownYear, state_.ShownMonth, day);
}

std::string TForm4::SpokenValue() const { return CalendarSpokenValue(state_, locale_); }

void TForm4::OnLeftPress(PointI client) {
    const ArrowHit hit = HitTestArrows(client, face_.metrics);
    if (hit.previous && PageBack(state_)) CalendarForm();
    if (hit.next && PageForward(state_)) CalendarForm();
}

// One reading of the clock serves the time text and the footer's date, so
// the two never straddle midnight.
void TForm4::Draw(const LocalTime& now) {
    const std::string footerDate = FooterDateText(now, options_.CalendarTimeShow, locale_);
    ComposeCalendarFrame(face_, state_, options_, footerDate, frame_, locale_);
    context_.surface.Push(frame_);
}

}  // namespace zentrova
