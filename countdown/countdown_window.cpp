#include "countdown/countdown_window.h"

#include <cstddef>
#include <utility>

#include "countdown/countdown_face.h"
#include "countdown/countdown_layout.h"
#include "countdown/countdown_spoken_text.h"
#include "countdown/event_repeat.h"

namespace zentrova {

TForm3::TForm3(DisplayContext context, Settings& settings, PositionSink& positionSink)
    : DisplayWindow(context, MotionSettings{settings.CountGo, settings.CountLeft, settings.CountTop, positionSink,
                                                   settings.HideFullScreen, settings.CountStay}),
      options_(settings) {
    fieldTexts_ = CountdownLabelWords();
}

void TForm3::FormCreate() {
    PlaceAtSavedPosition();
    CountForm();
    // The creation frame is drawn before any tick has read the clock; read
    // it here so that frame already shows the right time left.
    now_ = NowFields(context_.time.Now());
    CountDraw();
    context_.surface.SetVisible(options_.CountShow);
}

void TForm3::CountForm() {
    ForgetLastTime();
    aheadKnown_ = false;
    SetFaceSize(CountdownFaceSize(context_.measurer, options_.CountSize, options_.CountRectOval, scale_),
                scale_.Pixels(kCountPlaneCapacity));
    PrepareFace(context_.skins, options_.CountSkin, faceSize_,
                CountdownFaceShape(options_.CountRectOval, options_.CountSky), options_.CountTransparent,
                context_.bitmaps.skin, planes_, textColor_);
    // CountText, the font and the face size change only with a preparation
    // (and the passed mark once an event passes), so the title is fitted
    // then rather than measured every second.
    FitTitle();
}

void TForm3::FitTitle() {
    const CountdownFonts fonts = MakeCountdownFonts(options_.CountFont, options_.CountSize, options_.CountBorder, scale_);
    FittedText title =
        FitCountdownTitle(options_.CountText, passed_, CountdownLayoutFor(faceSize_, options_.CountRectOval),
                          faceSize_, CountdownFaceShape(options_.CountRectOval, options_.CountSky), fonts.label,
                          context_.measurer);
    shownTitle_ = std::move(title.text);
    titleFont_ = title.font;
    labelWords_ = CountdownLabelWords();
    wordFont_ = FitLabelWords(CountdownLayoutFor(faceSize_, options_.CountRectOval), labelWords_, fonts.label,
                              context_.measurer);
}

void TForm3::CountDraw() {
    frame_.width = planes_.width;
    frame_.height = planes_.height;
    BuildFramePixels(planes_, frame_.pixels);

    // SelectedEntry keeps a CountIndex from an edited store inside the list.
    const CountEntry& entry = options_.SelectedEntry();
    const CountdownFields stored = DecodeTarget(entry.date, entry.time);
    monthLength_ = zentrova::MonthLength(now_);
    // A repeating event, once passed, counts to its next occurrence.
    event_ = NextOccurrence(stored, entry.repeat, now_);
    // event_ is already the next occurrence.
    const CountdownReading reading = ReadCountdown(now_, event_, CountRepeat::Never);
    target_ = ApplyBorrows(event_, now_, monthLength_);
    fieldTexts_ = CountdownNumberTexts(reading.fields);
    if (reading.passed != passed_) {
        passed_ = reading.passed;
        FitTitle();
    }
    const bool ahead = CountdownAhead(now_, event_);
    if (aheadKnown_ && ahead_ && !ahead) context_.surface.Announce(CountdownReachedText(options_.CountText));
    ahead_ = ahead;
    aheadKnown_ = true;

    const CountdownFonts fonts = MakeCountdownFonts(options_.CountFont, options_.CountSize, options_.CountBorder, scale_);
    frame_.textColor = textColor_;
    frame_.textOpacity = static_cast<float>(FaceOpacity(options_.CountTransparent));
    frame_.fonts = {titleFont_, fonts.number, wordFont_};
    frame_.tiles.clear();
    frame_.ops.clear();
    const SizeI face{frame_.width, frame_.height};
    const CountdownLayout layout = CountdownLayoutFor(face, options_.CountRectOval);
    for (DrawText& item :
         CountdownTextItems(layout, shownTitle_, labelWords_, fieldTexts_, kCountLabelFontIndex, kCountWordFontIndex,
                            kCountNumberFontIndex)) {
        frame_.ops.emplace_back(std::move(item));
    }
    PushFrame();
}

std::string TForm3::SpokenValue() const {
    return CountdownSpokenValue(options_.CountText, now_, event_);
}

void TForm3::Refresh(const LocalTime& now) {
    now_ = NowFields(now);
    CountDraw();
}

}  // namespace zentrova
