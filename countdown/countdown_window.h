#pragma once
// The countdown window: the selected entry's title and, under it, the time
// left until the entry's date and time, as years, months, days, hours,
// minutes and seconds, each under its label word.

#include <array>
#include <string>

#include "countdown/remaining_time.h"
#include "face/display_window.h"
#include "face/face_planes.h"
#include "face/geometry.h"
#include "settings/settings.h"

namespace zentrova {

class TForm3 : public DisplayWindow {
public:
    // `positionSink` writes CountLeft and CountTop when a still window has
    // come to rest somewhere new.
    TForm3(DisplayContext context, Settings& settings, PositionSink& positionSink);

    // Placement and first velocity, face, first frame, then shown or hidden
    // by CountShow.
    void FormCreate();
    // Face preparation: size from the label words, skin, planes. Call it
    // after changing a countdown face setting, the selection or the list;
    // the next tick draws the new face, title and target.
    void CountForm();
    // One frame: remaining time, face pixels, texts, push.
    void CountDraw();

    // State of the last frame.
    const CountdownFields& Now() const { return now_; }
    const CountdownFields& Target() const { return target_; }  // after the borrows
    int MonthLength() const { return monthLength_; }
    // The six label words until the first frame, then its six numbers.
    const std::array<std::string, 6>& FieldTexts() const { return fieldTexts_; }
    Rgb SkinTextColor() const { return textColor_; }
    const FacePlanes& Planes() const { return planes_; }
    // CountText as the frames draw it: on one line, smaller and then cut
    // with an ellipsis when too long for it, marked once the event has passed.
    const std::string& ShownTitle() const { return shownTitle_; }
    bool Passed() const { return passed_; }

    std::string SpokenValue() const override;

protected:
    void Rebuild() override { CountForm(); }
    // Fits CountText to the face as it now is, marked when `passed_`.
    void FitTitle();
    void Refresh(const LocalTime& now) override;

private:
    Settings& options_;
    FacePlanes planes_;
    Rgb textColor_;
    CountdownFields now_;
    CountdownFields target_;
    int monthLength_ = 0;
    CountdownFields event_;  // the selected entry's date and time, unborrowed
    // Whether the last frame's event lay ahead; unknown after CountForm, so
    // choosing a passed entry announces nothing.
    bool aheadKnown_ = false;
    bool ahead_ = false;
    std::array<std::string, 6> fieldTexts_;
    std::string shownTitle_;
    FontChoice titleFont_;  // the label font, or smaller for a long title
    // The label words in the current language and the font they fit in.
    std::array<std::string, 6> labelWords_;
    FontChoice wordFont_;
    bool passed_ = false;
};

}  // namespace zentrova
