#include "platform/display_windows.h"

#include "app/program_names.h"
#include "app/tray_tip.h"
#include "platform/time_zones.h"
#include "platform/win32_locale.h"
#include "settings/settings_store.h"

namespace zentrova::platform {

void StorePositionSink::WritePosition() {
    (void)zentrova::WritePosition(store_, settings_, window_);
}

DisplayWindows::DisplayWindows(ProgramState& state, KeyValueStore& store, HWND owner)
    : state_(state), store_(store), owner_(owner) {}

DisplayWindows::~DisplayWindows() = default;

template <typename Logic>
DisplayContext DisplayWindows::ContextFor(Parts<Logic>& parts) {
    return DisplayContext{parts.surface, measurer_, desktop_, parts.random, time_, *this, state_.skins,
                          state_.bitmaps};
}

std::string DisplayWindows::TrayTip() const {
    const std::string time = clock_ ? clock_->logic->TimeText() : std::string();
    const std::string countdown = countdown_ ? countdown_->logic->SpokenValue() : std::string();
    return TrayTipText(time, countdown);
}

void DisplayWindows::CreateDisplayWindows() {
    Settings& settings = state_.settings;
    const Locale locale = UserLocale();

    // The clock first: it is the application's main window, and closing it
    // ends the program.
    clock_ = std::make_unique<Parts<TForm1>>(kClockCaption, owner_, store_, settings, DisplayWindowId::Clock);
    clock_->logic = std::make_unique<TForm1>(ContextFor(*clock_), settings, locale, clock_->sink);
    clock_->surface.Attach(*clock_->logic);
    clock_->logic->SetZone(ReadTimeZone(settings.ClockZone));
    clock_->surface.OnSpokenChange(spokenListener_);
    clock_->logic->FormCreate();
    clock_->surface.StartTimer();

    countdown_ = std::make_unique<Parts<TForm3>>(kCountdownCaption, owner_, store_, settings,
                                                 DisplayWindowId::Countdown);
    countdown_->logic = std::make_unique<TForm3>(ContextFor(*countdown_), settings, countdown_->sink);
    countdown_->surface.Attach(*countdown_->logic);
    countdown_->surface.OnSpokenChange(spokenListener_);
    countdown_->logic->FormCreate();
    countdown_->surface.StartTimer();

    calendar_ = std::make_unique<Parts<TForm4>>(kCalendarCaption, owner_, store_, settings,
                                                DisplayWindowId::Calendar);
    calendar_->logic = std::make_unique<TForm4>(ContextFor(*calendar_), settings, locale, calendar_->sink);
    calendar_->surface.Attach(*calendar_->logic);
    dayPopup_ = std::make_unique<DayPopup>(calendar_->surface.Handle(), [this](CivilDate day) {
        if (settings_) settings_->AddEventOn(day);
    });
    calendar_->logic->AttachDayWindow(*dayPopup_);
    calendar_->logic->FormCreate();
    calendar_->surface.StartTimer();
}

void DisplayWindows::Rebuild(DisplayWindowId window) {
    switch (window) {
        case DisplayWindowId::Clock:
            if (clock_) {
                // The zone may be among the changed settings.
                clock_->logic->SetZone(ReadTimeZone(state_.settings.ClockZone));
                clock_->logic->Dial();
            }
            break;
        case DisplayWindowId::Countdown:
            if (countdown_) countdown_->logic->CountForm();
            break;
        case DisplayWindowId::Calendar:
            if (calendar_) calendar_->logic->CalendarForm();
            break;
    }
}

template <typename Action>
void DisplayWindows::WithParts(DisplayWindowId window, Action&& action) {
    switch (window) {
        case DisplayWindowId::Clock:
            if (clock_) action(*clock_);
            break;
        case DisplayWindowId::Countdown:
            if (countdown_) action(*countdown_);
            break;
        case DisplayWindowId::Calendar:
            if (calendar_) action(*calendar_);
            break;
    }
}

void DisplayWindows::SetVisible(DisplayWindowId window, bool visible) {
    WithParts(window, [visible](auto& parts) { parts.surface.SetVisible(visible); });
}

void DisplayWindows::NewClockVelocity() {
    if (clock_) clock_->logic->DrawVelocity();
}

void DisplayWindows::Wake(DisplayWindowId window) {
    WithParts(window, [](auto& parts) { parts.logic->Wake(); });
}

SizeI DisplayWindows::FaceSize(DisplayWindowId window) const {
    switch (window) {
        case DisplayWindowId::Clock: return clock_ ? clock_->logic->FaceSize() : SizeI{};
        case DisplayWindowId::Countdown: return countdown_ ? countdown_->logic->FaceSize() : SizeI{};
        case DisplayWindowId::Calendar: return calendar_ ? calendar_->logic->FaceSize() : SizeI{};
    }
    return {};
}

void DisplayWindows::PlaceAt(DisplayWindowId window, PointI leftTop) {
    WithParts(window, [leftTop](auto& parts) { parts.logic->PlaceAt(leftTop); });
}

void DisplayWindows::CatchUp() {
    for (DisplayWindowId window : {DisplayWindowId::Clock, DisplayWindowId::Countdown, DisplayWindowId::Calendar})
        WithParts(window, [](auto& parts) { parts.logic->CatchUp(); });
}

// The countdown shows no regional text (its labels are fixed words), so its
// face stays as it is.
void DisplayWindows::ChangeLocale(const Locale& locale) {
    if (clock_) clock_->logic->ChangeLocale(locale);
    if (calendar_) calendar_->logic->ChangeLocale(locale);
}

void DisplayWindows::ShowSettingsWindow() {
    if (settings_) settings_->ShowFromDisplayMenu();
}

void DisplayWindows::EndProgram() {
    // Closing the main window ends the message loop; the tray icon and the
    // guard go as the program unwinds.
    PostQuitMessage(0);
}

}  // namespace zentrova::platform
