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
inline constexpr char kDialogCaption[] = "Zentrova";

inline constexpr char kTrayTip[] = "Zentrova";
inline constexpr unsigned kTrayIconId = 1;
inline constexpr unsigned kTrayCallbackMessage = 1025;  // WM_USER + 1

inline constexpr int kSettingsClientWidth = 400;
inline constexpr int kSettingsClientHeight = 320;

}  // namespace zentrova
