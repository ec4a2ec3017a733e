#include "settings_window/settings_window.h"

#include "app/program_names.h"
#include "app/start_with_windows.h"
#include "settings/first_run.h"
#include "settings/clock_set.h"
#include "settings/clock_store.h"
#include "settings/first_run_fit.h"
#include "settings_window/clock_chooser.h"
#include "settings/settings_store.h"
#include "language/languages.h"
#include "language/texts.h"

namespace zentrova {

TForm2::TForm2(const SettingsWindowLinks& links) : links_(links), settings_(links.settings) { CreateControls(); }

void TForm2::FormCreate() {
    SettingsWindowHost& host = links_.host;
    const FirstRunContext context{links_.time.Now().year, host.ScreenSize(), host.OuterSize(), DpiScale{host.Dpi()},
                                  links_.locale.name != kUnitedStatesRegion};
    // Every value that could not be read is shown in one box, and start-up
    // goes on with first-run values for those alone, so the program is never
    // left without windows.
    // A first run writes what is missing, so a first run retried after
    // failed writes shows no box for what it still has to write.
    LoadResult loaded = Load(links_.store, settings_, context);
    firstRun_ = loaded.firstRun;
    SpeakChosenLanguage();
    if (loaded.error && !firstRun_) host.ShowError(*loaded.error);
    bool markStart = true;
    if (firstRun_) {
        if (StoreError error = WriteFirstRunDefaults(links_.store, settings_, context)) host.ShowError(*error);
        // A first run whose values did not all reach the store is marked by
        // the later write that completes them, or is a first run again.
        markStart = FirstRunDefaultsStored(settings_);
    }

    host.MoveTo(SettingsWindowPosition(context.screen, context.settingsWindow));
    if (firstRun_) ShowInFront();
    if (markStart) {
        if (StoreError error = MarkStarted(links_.store, settings_)) host.ShowError(*error);
    }
    host.AddTrayIcon();

    settings_.CountText = settings_.SelectedEntry().title;
    links_.displays.CreateDisplayWindows();
    FillControls();
    if (firstRun_) FitDisplayWindows(context);
}

// The faces are prepared now, so their sizes are known.
void TForm2::FitDisplayWindows(const FirstRunContext& context) {
    using W = DisplayWindowId;
    DisplayWindowControl& displays = links_.displays;
    FirstRunGroup group;
    group.workArea = links_.host.WorkArea();
    group.settingsWindow =
        RectI::At(SettingsWindowPosition(context.screen, context.settingsWindow), context.settingsWindow);
    group.clock = displays.FaceSize(W::Clock);
    group.countdown = displays.FaceSize(W::Countdown);
    group.calendar = displays.FaceSize(W::Calendar);
    group.wanted = {{settings_.ClockLeft, settings_.ClockTop},
                    {settings_.CountLeft, settings_.CountTop},
                    {settings_.CalendarLeft, settings_.CalendarTop}};
    group.scale = context.scale;
    const GroupPlacement placed = FitFirstRunGroup(group);
    if (placed.clock != group.wanted.clock) displays.PlaceAt(W::Clock, placed.clock);
    if (placed.countdown != group.wanted.countdown) displays.PlaceAt(W::Countdown, placed.countdown);
    if (placed.calendar != group.wanted.calendar) displays.PlaceAt(W::Calendar, placed.calendar);
}

void TForm2::SpeakChosenLanguage() {
    const Language& language = ChooseLanguage(settings_.Language, links_.host.DisplayLanguages());
    if (&language == &CurrentLanguage()) return;
    SetCurrentLanguage(language);
    links_.host.LanguageChanged();
    RefillWordLists();
    links_.displays.LanguageChanged();
}

void TForm2::TrayCallback(unsigned mouseMessage) {
    const PointI cursor = links_.host.CursorPos();
    switch (mouseMessage) {
        case kTrayLeftButtonUp:
        case kTrayLeftDoubleClick:
            OptionsClick();
            break;
        case kTrayRightButtonUp:
            links_.host.RunTrayMenu(cursor, StartsWithWindows(links_.store));
            break;
        default:
            break;
    }
}

void TForm2::OptionsClick() {
    // The installer may have turned the entry over meanwhile.
    ShowStartWithWindows();
    links_.host.DeleteTrayIcon();
    ShowInFront();
}

void TForm2::StartWithWindowsClick() { SetStartWithWindowsFromBox(!StartsWithWindows(links_.store)); }

// The tray item and the General tab's box turn the same entry over; the box
// then shows what the entry holds, also after a failed write.
void TForm2::SetStartWithWindowsFromBox(bool on) {
    if (on != StartsWithWindows(links_.store)) {
        if (StoreError error = SetStartWithWindows(links_.store, on, links_.host.ProgramPath()))
            links_.host.ShowError(*error);
    }
    ShowStartWithWindows();
}

void TForm2::ShowStartWithWindows() { CheckBox(kStartWithWindowsBox).SetChecked(StartsWithWindows(links_.store)); }

void TForm2::Close1Click() {
    links_.host.DeleteTrayIcon();
    links_.host.EndMessageLoop();
}

void TForm2::FormClose() { HideToTray(); }

void TForm2::Button2Click() { HideToTray(); }

void TForm2::Button1Click() {
    // The selected title decides CountIndex; with nothing selected the
    // setting in memory is saved as it is.
    const int selected = List("ComboBox4").SelectedIndex();
    const int countIndex = selected >= 0 ? selected : settings_.CountIndex;
    const auto listBefore = settings_.CountList;
    const int countBefore = settings_.CountMax;
    if (StoreError error = Save(links_.store, settings_, countIndex)) links_.host.ShowError(*error);
    // The list may have been taken in anew from the store.
    if (settings_.CountMax != countBefore || settings_.CountList != listBefore) {
        ListControl& titles = List("ComboBox4");
        FillTitleList(titles, settings_, links_.locale);
        titles.Select(settings_.CountIndex);
    }
}

void TForm2::Button5Click() { AddEventOn(std::nullopt); }

void TForm2::AddEventOn(std::optional<CivilDate> day) {
    // Refused at once when full; the dialog refuses again at OK, for a dialog
    // opened while there was still room.
    if (settings_.CountMax >= kCountMaxEntries) {
        links_.host.ShowMessage(std::string(Tr(TextId::CountListFull)));
        return;
    }
    links_.dialogs.OpenAddDialog(ListContext(), day);
}

void TForm2::Button6Click() { links_.dialogs.OpenDeleteDialog(ListContext()); }

void TForm2::ShowFromDisplayMenu() {
    ShowStartWithWindows();
    ShowInFront();
}

void TForm2::ShowClock(int number) {
    ChooseClock(number);
    links_.host.ShowPage(SettingsPage::Clock);
    ShowFromDisplayMenu();
}

void TForm2::AddClockClick() {
    const int number = FreeClockNumber(settings_);
    if (number == 0) {
        links_.host.ShowMessage(std::string(Tr(TextId::ClocksFull)));
        return;
    }
    // The chosen clock's look, on local time and without a label.
    Settings& added = InsertClock(settings_, number, ValuesFor(SettingsPage::Clock));
    added.ClockZone.clear();
    added.ClockZoneLabel.clear();
    added.ClockShow = true;
    links_.displays.AddClock(number, chosenClock_);
    // Whole in the store at once, so that a start before the next Save finds
    // the clock as shown.
    if (StoreError error = WriteClock(links_.store, settings_, number)) links_.host.ShowError(*error);
    ChooseClock(number);
}

void TForm2::RemoveClock(int number) {
    if (!ClockValues(settings_, number)) return;
    ChooseClock(number);
    RemoveClockClick();
}

void TForm2::RemoveClockClick() {
    const int number = chosenClock_;
    if (number == 1) return;
    if (!links_.host.Confirm(Tr(TextId::RemoveClockQuestion, {ClockChoiceText(number, ValuesFor(SettingsPage::Clock))})))
        return;
    if (StoreError error = DeleteClockKey(links_.store, number)) {
        links_.host.ShowError(*error);
        return;
    }
    links_.displays.RemoveClock(number);
    EraseClock(settings_, number);
    ChooseClock(1);
}

void TForm2::ShowInFront() {
    // The system's zones are read when the window first shows, so a start
    // that leaves it hidden does not wait for them.
    if (!zoneListFilled_) FillClockZoneList();
    // The samples show today's date and the time as the window comes up.
    RefreshFormatSamples();
    links_.host.ShowInFront();
}

void TForm2::RegionalSettingsChanged() {
    ListControl& titles = List("ComboBox4");
    const int selected = titles.SelectedIndex();
    FillTitleList(titles, settings_, links_.locale);
    titles.Select(selected);
    RefreshFormatSamples();
}

namespace {

bool Settings::*ShownFlag(DisplayWindowId window) {
    switch (window) {
        case DisplayWindowId::Clock: return &Settings::ClockShow;
        case DisplayWindowId::Countdown: return &Settings::CountShow;
        case DisplayWindowId::Calendar: return &Settings::CalendarShow;
    }
    return &Settings::ClockShow;
}

PointI StoredPosition(const Settings& settings, DisplayWindowId window) {
    const auto edge = [&](Edge e) { return settings.*std::get<int Settings::*>(PositionEntry(window, e).field); };
    return {edge(Edge::Left), edge(Edge::Top)};
}

// A window whose values were taken in from the store: shown or hidden and
// prepared as they say, and moved when they place it elsewhere than
// `before` did.
void ShowTakenIn(DisplayWindowControl& displays, DisplayWindowId window, const Settings& values,
                 const Settings& before) {
    displays.SetVisible(window, values.*ShownFlag(window));
    displays.Rebuild(window);
    const PointI position = StoredPosition(values, window);
    if (position != StoredPosition(before, window)) displays.PlaceAt(window, position);
}

}  // namespace

void TForm2::StoreChanged() {
    SettingsWindowHost& host = links_.host;
    DisplayWindowControl& displays = links_.displays;
    const FirstRunContext context{links_.time.Now().year, host.ScreenSize(), host.OuterSize(), DpiScale{host.Dpi()}};
    const Settings before = settings_;
    const StoredChanges changes = TakeInStoredChanges(links_.store, settings_, context);
    if (!changes) return;
    // A clock's window goes before the values it draws.
    for (int number : changes.removedClocks) {
        displays.RemoveClock(number);
        EraseClock(settings_, number);
    }
    for (int number : changes.addedClocks) displays.AddStoredClock(number);
    if (!ClockValues(settings_, chosenClock_)) ChooseClock(1);

    settings_.CountText = settings_.SelectedEntry().title;
    FillControls();
    ListControl& titles = List("ComboBox4");
    FillTitleList(titles, settings_, links_.locale);
    titles.Select(settings_.CountIndex);
    // The display windows' calls for the clock reach the one chosen.
    for (int number : ClockNumbers(settings_)) {
        const Settings* old = ClockValues(before, number);
        if (!old) continue;  // made from its values just now
        displays.ChooseClock(number);
        ShowTakenIn(displays, DisplayWindowId::Clock, *ClockValues(settings_, number), *old);
    }
    displays.ChooseClock(chosenClock_);
    for (DisplayWindowId window : {DisplayWindowId::Countdown, DisplayWindowId::Calendar})
        ShowTakenIn(displays, window, settings_, before);
}

CountListContext TForm2::ListContext() {
    return CountListContext{settings_,        List("ComboBox4"), links_.store, links_.displays,
                            links_.locale,    links_.time,       links_.host};
}

void TForm2::HideToTray() {
    links_.host.AddTrayIcon();
    links_.host.Hide();
}

}  // namespace zentrova
