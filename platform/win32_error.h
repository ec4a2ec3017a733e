#pragma once
// The one place where handled Win32 failures become text for the user.

#include <windows.h>

#include <string>

namespace zentrova::platform {

// The system's message text for an error code, without the trailing newline.
std::string SystemErrorText(DWORD code);
// A message box with the application title, on top of everything.
void ShowErrorBox(const std::string& text);

}  // namespace zentrova::platform
