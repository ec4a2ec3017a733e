#include "calendar/calendar_window.h"

#include <utility>

#include "calendar/calendar_events.h"
#include "calendar/month_grid.h"
#include "calendar/calendar_spoken_text.h"

namespace zentrova {

TForm4::TForm4(DisplayContext context, Settings& settings, Locale locale, PositionSink& positionSink)
    : DisplayWindow(context, MotionSettings{settings.CalendarGo, settings.CalendarLeft, settings.CalendarTop,
                                            positionSink, settings.HideFullScreen, settings.CalendarStay}),
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
    const std::uint16_t shownMonth = state_.ShownMonth;
    const std::uint16_t shownYear = state_.ShownYear;
    RefreshCalendar(state_, now, locale_);
    // A day window of a month no longer shown would mislead.
    if (dayWindow_ && (state_.ShownMonth != shownMonth || state_.ShownYear != shownYear)) dayWindow_->Close();
    Draw(now);
}

MonthLayout TForm4::Layout() const {
    return LayoutMonth(face_.metrics, state_.ShownYear, state_.ShownMonth, 0, CalendarWeekLayout(options_, locale_));
}

std::string TForm4::TipAt(PointI client) const {
    if (!options_.CalendarEvents) return {};
    const int day = DayAt(Layout(), client);
    return day == 0 ? std::string() : EventTitlesOn(options_, state_.ShownYear, state_.ShownMonth, day);
}

void TForm4::OnMouseWheel(int delta) {
    // Away from the user is up, the month before.
    if (const int notches = wheel_.Add(delta)) Turn(-notches);
}

std::string TForm4::SpokenValue() const { return CalendarSpokenValue(state_, locale_); }

void TForm4::OnLeftPress(PointI client) {
    pressClient_ = client;
    pressScreen_ = context_.desktop.CursorPos();
    pressMs_ = context_.time.Milliseconds();
    if (dayWindow_) dayWindow_->Close();
    const ArrowHit hit = HitTestArrows(client, face_.metrics);
    if (hit.previous) Turn(-1);
    if (hit.next) Turn(1);
}

void TForm4::OnLeftRelease() {
    const std::int64_t held = context_.time.Milliseconds() - pressMs_;
    if (!IsClick(pressScreen_, context_.desktop.CursorPos(), held, context_.desktop.Clicks())) return;
    const MonthLayout layout = Layout();
    const RectF& footer = layout.footer;
    if (pressClient_.y >= footer.y && pressClient_.y < footer.y + footer.height) {
        if (ShowTodaysMonth(state_)) ShowTurned();
        return;
    }
    if (const int day = DayAt(layout, pressClient_)) OpenDayWindow(day, layout);
}

void TForm4::Turn(int months) {
    if (TurnMonths(state_, months, context_.time.Now())) ShowTurned();
}

void TForm4::ShowTurned() {
    if (dayWindow_) dayWindow_->Close();
    CalendarForm();
    context_.surface.Announce(ShownMonthTitle(state_, locale_));
}

void TForm4::OpenDayWindow(int day, const MonthLayout& layout) {
    if (!dayWindow_) return;
    const RectF& cell = layout.days[static_cast<std::size_t>(day - 1)].rect;
    const PointI at = context_.surface.Position();
    const RectI onScreen{at.x + RoundHalfEven(cell.x), at.y + RoundHalfEven(cell.y),
                         at.x + RoundHalfEven(cell.x + cell.width), at.y + RoundHalfEven(cell.y + cell.height)};
    const CivilDate date{state_.ShownYear, state_.ShownMonth, day};
    dayWindow_->Open(DayWindowContentFor(options_, date, locale_), onScreen, scale_);
}

// One reading of the clock serves the time text and the footer's date, so
// the two never straddle midnight.
void TForm4::Draw(const LocalTime& now) {
    const std::string footerDate = FooterDateText(now, options_.CalendarTimeShow, locale_);
    ComposeCalendarFrame(face_, state_, options_, footerDate, frame_, locale_);
    PushFrame();
}

}  // namespace zentrova
