#include "platform/display_windows.h"

#include "app/program_names.h"
#include "app/tray_tip.h"
#include "face/beside_place.h"
#include "face/monitor_layout.h"
#include "platform/wide_text.h"
#include "platform/time_zones.h"
#include "platform/win32_locale.h"
#include "settings/clock_set.h"
#include "settings/settings_store.h"
#include "language/texts.h"

namespace zentrova::platform {

namespace {

// A clock's menu opens the settings window on that clock.
class ClockShell final : public ShellActions {
public:
    ClockShell(DisplayWindows& windows, int number) : windows_(windows), number_(number) {}
    void ShowSettingsWindow() override { windows_.ShowClockSettings(number_); }
    void EndProgram() override { windows_.EndProgram(); }
    void RemoveThisWindow() override { windows_.RemoveClockLater(number_); }

private:
    DisplayWindows& windows_;
    int number_;
};

// The clocks after the first are named for a screen reader by their label.
std::string ClockCaption(int number, const Settings& values) {
    if (number == 1) return kClockCaption;
    const std::string caption(Tr(TextId::CaptionClock));
    return values.ClockZoneLabel.empty() ? caption : caption + " " + values.ClockZoneLabel;
}

// Between a new clock and the one it stands beside, at 96 DPI.
constexpr int kBesideGap = 8;

}  // namespace

void StorePositionSink::WritePosition() {
    if (window_ == DisplayWindowId::Clock) (void)WriteClockPosition(store_, settings_, clock_);
    else (void)zentrova::WritePosition(store_, settings_, window_);
}

DisplayWindows::DisplayWindows(ProgramState& state, KeyValueStore& store, HWND owner)
    : state_(state), store_(store), owner_(owner) {}

DisplayWindows::~DisplayWindows() = default;

template <typename Logic>
DisplayContext DisplayWindows::ContextFor(Parts<Logic>& parts) {
    ShellActions& shell = parts.shell ? *parts.shell : *this;
    return DisplayContext{parts.surface, measurer_, desktop_, parts.random, time_, shell, state_.skins,
                          state_.bitmaps};
}

std::string DisplayWindows::TrayTip() const {
    std::vector<std::string> clocks;
    if (clock_) clocks.push_back(clock_->logic->TimeText());
    for (const auto& [number, parts] : extraClocks_) clocks.push_back(parts->logic->TimeText());
    const std::string countdown = countdown_ ? countdown_->logic->SpokenValue() : std::string();
    return TrayTipText(clocks, countdown);
}

std::unique_ptr<DisplayWindows::ClockParts> DisplayWindows::MakeClock(int number, const Locale& locale) {
    Settings& values = *ClockValues(state_.settings, number);
    auto parts = std::make_unique<ClockParts>(ClockCaption(number, values).c_str(), owner_, ticker_, store_,
                                              state_.settings, DisplayWindowId::Clock, number);
    parts->shell = std::make_unique<ClockShell>(*this, number);
    if (number != 1) parts->surface.OfferRemove();
    parts->logic = std::make_unique<TForm1>(ContextFor(*parts), values, state_.settings, locale, parts->sink);
    parts->surface.Attach(*parts->logic);
    parts->logic->SetZone(ReadTimeZone(values.ClockZone));
    parts->surface.OnSpokenChange(spokenListener_);
    parts->logic->FormCreate();
    parts->surface.StartTimer();
    return parts;
}

DisplayWindows::ClockParts* DisplayWindows::ClockOf(int number) const {
    if (number == 1) return clock_.get();
    auto found = extraClocks_.find(number);
    return found == extraClocks_.end() ? nullptr : found->second.get();
}

template <typename Action>
void DisplayWindows::ForEachClock(Action&& action) {
    if (clock_) action(*clock_);
    for (auto& [number, parts] : extraClocks_) action(*parts);
}

void DisplayWindows::AddClock(int number, int beside) {
    Settings* values = ClockValues(state_.settings, number);
    ClockParts* next = ClockOf(beside);
    if (!values || !next || extraClocks_.contains(number)) return;
    // Placed before the window is made, so that it shows where it stays.
    const RectI besideRect = RectI::At(next->surface.Position(), next->logic->FaceSize());
    std::vector<RectI> others;
    const auto collect = [&](auto& parts) { others.push_back(RectI::At(parts.surface.Position(), parts.logic->FaceSize())); };
    ForEachClock(collect);
    if (countdown_) collect(*countdown_);
    if (calendar_) collect(*calendar_);
    const RectI monitor = MonitorOf(desktop_.Monitors(), besideRect);
    const PointI at = PlaceBeside(besideRect, next->logic->FaceSize(), monitor, others,
                                  next->logic->Scale().Pixels(kBesideGap));
    values->ClockLeft = at.x;
    values->ClockTop = at.y;
    values->ClockShow = true;
    AddStoredClock(number);
}

void DisplayWindows::AddStoredClock(int number) {
    if (!ClockValues(state_.settings, number) || extraClocks_.contains(number)) return;
    extraClocks_[number] = MakeClock(number, UserLocale());
    if (spokenListener_) spokenListener_();
}

void DisplayWindows::RemoveClock(int number) {
    if (number == 1 || extraClocks_.erase(number) == 0) return;
    if (spokenListener_) spokenListener_();
}

void DisplayWindows::RemoveClockLater(int number) {
    // The clock's own menu asks: its window must outlive the menu's return.
    PostMessageW(owner_, kRemoveClockMessage, static_cast<WPARAM>(number), 0);
}

void DisplayWindows::ShowClockSettings(int number) {
    if (settings_) settings_->ShowClock(number);
}

void DisplayWindows::CreateDisplayWindows() {
    Settings& settings = state_.settings;
    const Locale locale = UserLocale();

    // The clock first: it is the application's main window, and closing it
    // ends the program.
    clock_ = MakeClock(1, locale);
    for (const ExtraClock& clock : settings.ExtraClocks) extraClocks_[clock.number] = MakeClock(clock.number, locale);

    countdown_ = std::make_unique<Parts<TForm3>>(std::string(Tr(TextId::CaptionCountdown)).c_str(), owner_, ticker_,
                                                 store_, settings, DisplayWindowId::Countdown);
    countdown_->logic = std::make_unique<TForm3>(ContextFor(*countdown_), settings, countdown_->sink);
    countdown_->surface.Attach(*countdown_->logic);
    countdown_->surface.OnSpokenChange(spokenListener_);
    countdown_->logic->FormCreate();
    countdown_->surface.StartTimer();

    calendar_ = std::make_unique<Parts<TForm4>>(std::string(Tr(TextId::CaptionCalendar)).c_str(), owner_, ticker_,
                                                store_, settings, DisplayWindowId::Calendar);
    calendar_->logic = std::make_unique<TForm4>(ContextFor(*calendar_), settings, locale, calendar_->sink);
    calendar_->surface.Attach(*calendar_->logic);
    dayPopup_ = std::make_unique<DayPopup>(calendar_->surface.Handle(), owner_, [this](CivilDate day) {
        if (settings_) settings_->AddEventOn(day);
    });
    calendar_->logic->AttachDayWindow(*dayPopup_);
    calendar_->logic->FormCreate();
    calendar_->surface.StartTimer();
}

void DisplayWindows::Rebuild(DisplayWindowId window) {
    switch (window) {
        case DisplayWindowId::Clock:
            if (ClockParts* clock = ChosenClock()) {
                // The zone and the label may be among the changed settings.
                const Settings& values = *ClockValues(state_.settings, ChosenNumber());
                SetWindowTextW(clock->surface.Handle(), Widen(ClockCaption(ChosenNumber(), values)).c_str());
                clock->logic->SetZone(ReadTimeZone(values.ClockZone));
                clock->logic->Dial();
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
            if (ClockParts* clock = ChosenClock()) action(*clock);
            break;
        case DisplayWindowId::Countdown:
            if (countdown_) action(*countdown_);
            break;
        case DisplayWindowId::Calendar:
            if (calendar_) action(*calendar_);
            break;
    }
}

void DisplayWindows::LanguageChanged() {
    const int chosen = chosenClock_;
    for (int number : ClockNumbers(state_.settings)) {
        chosenClock_ = number;
        Rebuild(DisplayWindowId::Clock);
    }
    chosenClock_ = chosen;
    if (countdown_) {
        SetWindowTextW(countdown_->surface.Handle(), Widen(Tr(TextId::CaptionCountdown)).c_str());
        countdown_->logic->CountForm();
    }
    if (calendar_) {
        SetWindowTextW(calendar_->surface.Handle(), Widen(Tr(TextId::CaptionCalendar)).c_str());
        calendar_->logic->CalendarForm();
    }
}

void DisplayWindows::SetVisible(DisplayWindowId window, bool visible) {
    WithParts(window, [visible](auto& parts) { parts.surface.SetVisible(visible); });
}

void DisplayWindows::NewClockVelocity() {
    if (ClockParts* clock = ChosenClock()) clock->logic->DrawVelocity();
}

void DisplayWindows::Wake(DisplayWindowId window) {
    WithParts(window, [](auto& parts) { parts.logic->Wake(); });
}

SizeI DisplayWindows::FaceSize(DisplayWindowId window) const {
    switch (window) {
        case DisplayWindowId::Clock: {
            const ClockParts* clock = ChosenClock();
            return clock ? clock->logic->FaceSize() : SizeI{};
        }
        case DisplayWindowId::Countdown: return countdown_ ? countdown_->logic->FaceSize() : SizeI{};
        case DisplayWindowId::Calendar: return calendar_ ? calendar_->logic->FaceSize() : SizeI{};
    }
    return {};
}

void DisplayWindows::PlaceAt(DisplayWindowId window, PointI leftTop) {
    WithParts(window, [leftTop](auto& parts) { parts.logic->PlaceAt(leftTop); });
}

void DisplayWindows::CatchUp() {
    ForEachClock([](auto& parts) { parts.logic->CatchUp(); });
    for (DisplayWindowId window : {DisplayWindowId::Countdown, DisplayWindowId::Calendar})
        WithParts(window, [](auto& parts) { parts.logic->CatchUp(); });
}

// The countdown shows no regional text (its labels are fixed words), so its
// face stays as it is.
void DisplayWindows::ChangeLocale(const Locale& locale) {
    ForEachClock([&](auto& parts) { parts.logic->ChangeLocale(locale); });
    if (calendar_) calendar_->logic->ChangeLocale(locale);
}

void DisplayWindows::OnEverySecond(std::function<void(const LocalTime&)> listener) {
    if (countdown_) countdown_->logic->OnNewSecond(std::move(listener));
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
