#include "platform/program_runner.h"

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "app/program_state.h"
#include "assets/resource_ids.h"
#include "platform/accessible_value.h"
#include "platform/application_window.h"
#include "platform/count_dialog_windows.h"
#include "platform/dialog_window.h"
#include "platform/display_windows.h"
#include "platform/dpi.h"
#include "platform/gdiplus_session.h"
#include "platform/registry_store.h"
#include "platform/registry_watch.h"
#include "platform/settings_form.h"
#include "platform/single_instance.h"
#include "platform/skin_resources.h"
#include "platform/time_zones.h"
#include "platform/win32_handles.h"
#include "platform/win32_locale.h"
#include "platform/win32_services.h"
#include "settings/settings_schema.h"
#include "settings_window/settings_window.h"
#include "language/languages.h"
#include "language/texts.h"

namespace zentrova::platform {
namespace {

void Dispatch(MSG& message) {
    // Tab, Enter and Escape in the settings window and the dialogs; the
    // display windows take their keys themselves. Only key messages are
    // looked at: the window's mark is a property, which costs a round trip
    // to the window system, and the timers' messages come every second.
    const bool key = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
    HWND root = key && message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (WantsDialogKeys(root)) {
        const int turn = PageTurnOf(message);
        if (turn != 0 && SendMessageW(root, kTurnPageMessage, static_cast<WPARAM>(turn), 0) != 0) return;
        if (IsDialogMessageW(root, &message)) return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

// Sleeps until a message comes or the store changes, so that another copy's
// change is taken in as it happens and an idle program wakes for nothing.
int RunMessageLoop(RegistryWatch& watch, const std::function<void()>& storeChanged) {
    HANDLE changed = watch.Event();
    const DWORD handles = changed ? 1 : 0;
    MSG message{};
    for (;;) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return 0;
            Dispatch(message);
        }
        const DWORD woken = MsgWaitForMultipleObjectsEx(handles, &changed, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (handles != 0 && woken == WAIT_OBJECT_0 && watch.Rewatch()) storeChanged();
    }
}

}  // namespace

int RunProgram() {
    SingleInstanceGuard guard;
    if (!guard.First()) {
        // Another copy runs: it shows its settings window, and this one ends.
        HandOverToRunningCopy();
        return 0;
    }
    DeclareDpiAwareness();

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    GdiplusSession gdiplus;

    ProgramState state;
    LoadSkins(state.skins);
    RegistryStore store;
    Win32TimeSource time;
    UniqueIcon icon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                                  MAKEINTRESOURCEW(ZENTROVA_IDI_PROGRAM), IMAGE_ICON, 32, 32, 0)));

    // Windows' language until the settings are read, so that the windows
    // are made in it and a box about the reading speaks it.
    SetCurrentLanguage(ChooseLanguage({}, UserDisplayLanguages()));
    ApplicationWindow application;
    SettingsForm settingsForm(application.Handle(), icon.get());
    if (!settingsForm.Created()) return 1;
    DisplayWindows displays(state, store, application.Handle());
    Win32CountListDialogs dialogs(application.Handle());
    // Read again in place when the regional settings change; the settings
    // window and the list dialogs keep a reference to it.
    Locale locale = UserLocale();
    RegistryZoneCatalog zones;
    TForm2 settingsLogic(
        SettingsWindowLinks{state.settings, store, settingsForm, time, displays, dialogs, locale, zones});
    settingsForm.Attach(settingsLogic);
    displays.AttachSettings(settingsLogic);
    // The tray tip follows the clock's time and the countdown.
    displays.OnSpokenChange([&] { settingsForm.Tray().SetTip(displays.TrayTip()); });
    application.OnSystemChange([&](SystemChange change) {
        if (change == SystemChange::Regional) {
            locale = UserLocale();
            displays.ChangeLocale(locale);
            settingsLogic.RegionalSettingsChanged();
        }
        displays.CatchUp();
    });

    settingsLogic.FormCreate();
    ShowWindow(application.Handle(), SW_HIDE);
    application.OnShowSettings([&] { settingsLogic.ShowFromDisplayMenu(); });
    // Another copy of the program, in another session of the same user,
    // may write the same keys: what it stores shows here too.
    RegistryWatch watch(GroupPath(SettingsGroup::Root));
    // Every event of the list, shown or not, is told when it arrives.
    EventNotifier notifier(state.settings, store, settingsForm.Tray(), locale);
    notifier.Check(time.Now());
    displays.OnEverySecond([&](const LocalTime& now) { notifier.Check(now); });
    application.OnRemoveClock([&](int number) { settingsLogic.RemoveClock(number); });

    int exitCode = RunMessageLoop(watch, [&] { settingsLogic.StoreChanged(); });
    application.OnSystemChange(nullptr);  // what they reach is about to go
    application.OnShowSettings(nullptr);
    displays.OnEverySecond(nullptr);
    application.OnRemoveClock(nullptr);
    // The tray icon goes with the settings form; the guard deletes the atom.
    return exitCode;
}

}  // namespace zentrova::platform
