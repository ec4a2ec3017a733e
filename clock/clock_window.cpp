#include "clock/clock_window.h"

#include <utility>

#include "clock/clock_formats.h"
#include "clock/date_time_format.h"
#include "clock/clock_spoken_text.h"
#include "clock/zone_difference.h"

namespace zentrova {
namespace {

constexpr int kEscapeKey = 27;

}  // namespace

TForm1::TForm1(DisplayContext context, Settings& settings, Locale locale, PositionSink& positionSink)
    : TForm1(context, settings, settings, std::move(locale), positionSink) {}

TForm1::TForm1(DisplayContext context, Settings& clock, const Settings& program, Locale locale,
               PositionSink& positionSink)
    : DisplayWindow(context, MotionSettings{clock.ClockGo, clock.ClockLeft, clock.ClockTop, positionSink,
                                            program.HideFullScreen, clock.ClockStay}),
      clockSettings_(clock),
      locale_(std::move(locale)) {}

void TForm1::FormCreate() {
    PlaceAtSavedPosition();
    Dial();
    // Dial has formatted every text, ClockText included, so the first frame
    // already shows the whole line rather than waiting for the first tick.
    Draw();
    context_.surface.SetVisible(clockSettings_.ClockShow);
}

void TForm1::Dial() {
    ChooseFormats();
    FormatTexts(context_.time.Now());
    SetFaceSize(ClockFaceSize(clockSettings_, texts_, context_.measurer, scale_), scale_.Pixels(kClockFaceCapacity));
    const FaceShape shape = clockSettings_.ClockRectOval ? FaceShape::Oval : FaceShape::RoundedRect;
    PrepareFace(context_.skins, clockSettings_.ClockSkin, faceSize_, shape, clockSettings_.ClockTransparent,
                context_.bitmaps.skin, planes_, skinTextColor_);
    ForgetLastTime();
}

void TForm1::Draw() {
    frame_.width = faceSize_.width;
    frame_.height = faceSize_.height;
    BuildFramePixels(planes_, frame_.pixels);
    frame_.textColor = skinTextColor_;
    if (night_) DarkenForNight(frame_.pixels, frame_.textColor);
    frame_.textOpacity = static_cast<float>(FaceOpacity(clockSettings_.ClockTransparent));
    frame_.fonts.assign(1, ClockDrawingFont(clockSettings_, scale_));
    frame_.tiles.clear();
    frame_.ops.clear();
    for (DrawText& item : ClockTextItems(ClockLayoutFor(clockSettings_), texts_, clockText_, faceSize_)) {
        frame_.ops.emplace_back(std::move(item));
    }
    PushFrame();
}

std::string TForm1::SpokenValue() const {
    return ClockSpokenValue(texts_, clockSettings_.DateShow, clockSettings_.DateIndex);
}

void TForm1::ChangeLocale(Locale locale) {
    locale_ = std::move(locale);
    Dial();
}

LocalTime TForm1::ClockTime(const LocalTime& localNow) const {
    return zone_ ? ZoneTimeFromUtc(context_.time.UtcNow(), *zone_) : localNow;
}

void TForm1::OnKeyDown(int virtualKey) {
    if (virtualKey == kEscapeKey) context_.shell.EndProgram();
}

// The tick notices a new second on the local clock; another zone's second
// turns at the same moment, as zones differ by whole minutes.
void TForm1::Refresh(const LocalTime& now) {
    FormatTexts(now);
    Draw();
}

void TForm1::ChooseFormats() {
    // An index outside the table keeps the format chosen before.
    if (const auto time = TimeFormatAt(clockSettings_.TimeIndex)) timeFormat_ = time->Format();
    if (const auto date = DateFormatAt(clockSettings_.DateIndex)) dateFormat_ = date->Format();
}

void TForm1::FormatTexts(const LocalTime& localNow) {
    const LocalTime now = ClockTime(localNow);
    // Without any valid format yet (a bad index at the very first start) the
    // clock falls back on the system's own long time and short date rather
    // than showing nothing.
    texts_.time = timeFormat_.Empty() ? FormatRegional(RegionalFormat::LongTime, now, locale_)
                                      : FormatWith(timeFormat_, now, locale_);
    texts_.date = dateFormat_.Empty() ? FormatRegional(RegionalFormat::ShortDate, now, locale_)
                                      : FormatWith(dateFormat_, now, locale_);
    // The user's label stands before the time in every layout; it names
    // the zone, or the place of a clock on local time. A zone of its own
    // may add how far it is from local time.
    std::string before = clockSettings_.ClockZoneLabel;
    if (zone_ && clockSettings_.ClockDifference) {
        const std::string difference = ZoneDifferenceText(now, localNow);
        before = before.empty() ? difference : before + " " + difference;
    }
    if (!before.empty()) texts_.time = before + " " + texts_.time;
    night_ = clockSettings_.ClockNight && IsNightHour(now.hour);
    texts_.weekday = FormatDateTime(kWeekdayPattern, now, locale_);
    clockText_ = ComposeClockText(texts_, clockSettings_.DateIndex);
}

}  // namespace zentrova
