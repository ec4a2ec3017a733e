#pragma once
// The clock window's logic: time and date texts in the chosen formats, the
// face sized to them, a frame once per second, Escape ends the program.

#include <optional>
#include <string>

#include "clock/clock_face.h"
#include "clock/date_time_format.h"
#include "clock/locale.h"
#include "clock/time_zone.h"
#include "face/display_window.h"
#include "face/face_planes.h"
#include "settings/settings.h"

namespace zentrova {

class TForm1 : public DisplayWindow {
public:
    // The platform has made the window layered before FormCreate runs.
    TForm1(DisplayContext context, Settings& settings, Locale locale, PositionSink& positionSink);
    // A clock after the first: its own Clock values, and the program's
    // settings for what all windows share.
    TForm1(DisplayContext context, Settings& clock, const Settings& program, Locale locale,
           PositionSink& positionSink);

    // Creation: placement and velocity, Dial, the first frame, then shown or
    // hidden per ClockShow.
    void FormCreate();
    // Face preparation, called again by the settings window after a change
    // of any clock setting: formats, texts, size, skin and planes. Pushes no
    // frame; the next tick draws the new face.
    void Dial();
    // Builds the frame from the prepared face and the current texts and pushes it.
    void Draw();
    // The user's regional settings changed: the names, separators and
    // pictures are replaced and the face prepared anew with them.
    void ChangeLocale(Locale locale);
    // The rules of ClockZone, or nothing for local time; the next Dial
    // prepares the face for the zone's time and its label.
    void SetZone(std::optional<TimeZoneRules> zone) { zone_ = std::move(zone); }
    // The time the clock shows: the zone's, or `localNow` for local time.
    LocalTime ClockTime(const LocalTime& localNow) const;

    void OnKeyDown(int virtualKey) override;

    // The chosen patterns; empty for an "As in Windows" entry or none yet.
    const std::string& TimeFormat() const { return timeFormat_.pattern; }
    const std::string& DateFormat() const { return dateFormat_.pattern; }
    const std::string& TimeText() const { return texts_.time; }
    const std::string& DateText() const { return texts_.date; }
    const std::string& WeekdayText() const { return texts_.weekday; }
    const std::string& ClockText() const { return clockText_; }
    Rgb SkinTextColor() const { return skinTextColor_; }
    const FacePlanes& Planes() const { return planes_; }

    std::string SpokenValue() const override;

protected:
    void Rebuild() override { Dial(); }
    // The tick's redraw when the second has changed: fresh texts, then Draw.
    void Refresh(const LocalTime& now) override;

private:
    void ChooseFormats();
    // The texts for the moment `localNow` is on the local clock.
    void FormatTexts(const LocalTime& localNow);

    Settings& clockSettings_;  // this clock's values (the base keeps the motion ones)
    Locale locale_;
    std::optional<TimeZoneRules> zone_;
    DateTimeFormat timeFormat_;
    DateTimeFormat dateFormat_;
    ClockTexts texts_;
    std::string clockText_;
    FacePlanes planes_;
    Rgb skinTextColor_;
    bool night_ = false;  // the night cue is on and it is night in the clock's zone
};

}  // namespace zentrova
