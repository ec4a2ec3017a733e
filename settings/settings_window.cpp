#include "settings/settings_window.h"

#include "settings/first_run.h"
#include "settings/settings_store.h"

namespace zentrova {

TForm2::TForm2(Settings& settings, KeyValueStore& store, SettingsWindowHost& host, TimeSource& time,
               DisplayWindowFactory& displays)
    : settings_(settings), store_(store), host_(host), time_(time), displays_(displays) {}

void TForm2::FormCreate() {
    const FirstRunContext context{time_.Now().year, host_.ScreenSize(), host_.OuterSize()};
    // A load error is shown, and start-up goes on with first-run values for
    // what could not be read, so the program is never left without windows.
    LoadResult loaded = Load(store_, settings_, context);
    if (loaded.error) host_.ShowError(*loaded.error);
    firstRun_ = loaded.firstRun;
    if (firstRun_) {
        if (StoreError error = WriteFirstRunDefaults(store_, settings_, context)) host_.ShowError(*error);
    }

    host_.MoveTo(SettingsWindowPosition(context.screen, context.settingsWindow));
    if (firstRun_) host_.ShowInFront();
    if (StoreError error = MarkStarted(store_, settings_)) host_.ShowError(*error);
    host_.AddTrayIcon();

    settings_.CountText = settings_.SelectedEntry().title;
    displays_.CreateDisplayWindows();
}

void TForm2::TrayCallback(unsigned mouseMessage) {
    const PointI cursor = host_.CursorPos();
    switch (mouseMessage) {
        case kTrayLeftButtonUp:
        case kTrayLeftDoubleClick:
            OptionsClick();
            break;
        case kTrayRightButtonUp:
            host_.RunTrayMenu(cursor);
            break;
        default:
            break;
    }
}

void TForm2::OptionsClick() {
    host_.DeleteTrayIcon();
    host_.ShowInFront();
}

void TForm2::Close1Click() {
    host_.DeleteTrayIcon();
    host_.EndMessageLoop();
}

void TForm2::FormClose() { HideToTray(); }

void TForm2::Button2Click() { HideToTray(); }

void TForm2::Button1Click() {
    if (StoreError error = Save(store_, settings_, settings_.CountIndex)) host_.ShowError(*error);
}

void TForm2::ShowFromDisplayMenu() { host_.ShowInFront(); }

void TForm2::HideToTray() {
    host_.AddTrayIcon();
    host_.Hide();
}

}  // namespace zentrova
