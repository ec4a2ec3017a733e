#pragma once
// The program's fixed names and numbers, in one place.

namespace zentrova {

inline constexpr char kGuardAtomName[] = "Zentrova";
inline constexpr char kApplicationTitle[] = "Zentrova";

inline constexpr char kClockCaption[] = "Tessarvelune";
inline constexpr char kCountdownCaption[] = "Countdown";
inline constexpr char kCalendarCaption[] = "Zentrova Calendar";
inline constexpr char kSettingsCaption[] = "Zentrova Settings";
inline constexpr char kDialogCaption[] = "Zentrova";

inline constexpr char kTrayTip[] = "Zentrova";
inline constexpr unsigned kTrayIconId = 1;
inline constexpr unsigned kTrayCallbackMessage = 1025;  // WM_USER + 1

inline constexpr char kMenuSettings[] = "Settings";
inline constexpr char kMenuClose[] = "Close";

inline constexpr unsigned kDisplayTimerMs = 30;
inline constexpr int kSettingsClientWidth = 400;
inline constexpr int kSettingsClientHeight = 320;

}  // namespace zentrova
