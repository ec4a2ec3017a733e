#pragma once
// The program's fixed names and numbers, in one place.

namespace zentrova {

inline constexpr char kGuardAtomName[] = "Zentrova";
inline constexpr char kApplicationTitle[] = "Zentrova";
// The hidden application window's class, by which a second start finds the
// running copy, and the message it posts there to have the settings shown.
inline constexpr char kApplicationWindowClass[] = "ZentrovaApplication";
inline constexpr char kShowSettingsMessage[] = "Zentrova.ShowSettings";

inline constexpr char kClockCaption[] = "Tessarvelune";
// The clocks after the first: "Clock", then the clock's label.
inline constexpr char kExtraClockCaption[] = "Clock";
inline constexpr char kCountdownCaption[] = "Countdown";
inline constexpr char kCalendarCaption[] = "Zentrova Calendar";
inline constexpr char kSettingsCaption[] = "Zentrova Settings";
inline constexpr char kDialogCaption[] = "Zentrova";

inline constexpr char kTrayTip[] = "Zentrova";
inline constexpr unsigned kTrayIconId = 1;
inline constexpr unsigned kTrayCallbackMessage = 1025;  // WM_USER + 1

inline constexpr char kMenuSettings[] = "Settings";
inline constexpr char kMenuStartWithWindows[] = "Start with Windows";  // tray menu only
inline constexpr char kMenuClose[] = "Close";
inline constexpr char kMenuRemoveClock[] = "Remove this clock";  // the clocks after the first

// The calendar's day window: its line for a day without events, and its
// last line, which opens the add dialog on that day.
inline constexpr char kDayNoEvents[] = "No events";
inline constexpr char kDayAddEvent[] = "Add an event on this day...";

inline constexpr int kSettingsClientWidth = 400;
inline constexpr int kSettingsClientHeight = 320;
// The countdown list holds at most ten events; an eleventh is refused.
inline constexpr char kCountListFullMessage[] =
    "The countdown list is full: it holds 10 events. Delete one before adding another.";
// The Clock tab's "Add clock" with every clock in use, and "Remove clock"'s question.
inline constexpr char kClocksFullMessage[] =
    "Zentrova shows up to 8 clocks. Remove one before adding another.";
inline constexpr char kRemoveClockQuestion[] = "Remove %s? Its zone, label and look are deleted.";
// A delete dialog whose event another dialog has deleted meanwhile.
inline constexpr char kCountEntryGoneMessage[] = "This event is no longer in the countdown list; nothing was deleted.";

}  // namespace zentrova
