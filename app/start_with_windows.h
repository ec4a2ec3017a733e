#pragma once
// "Start with Windows": a value "Zentrova" under the user's Run key holding
// the program's quoted path. The installer's "Start Zentrova when I sign in"
// writes the same value, so the tray menu and the installer agree.

#include <string>

#include "settings/key_value_store.h"
#include "settings/store_error.h"

namespace zentrova {

inline constexpr char kRunKeyPath[] = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValueName[] = "Zentrova";

// What the Run value holds for a program at `programPath`: the path in
// quotes, so that a path with spaces is still one program.
std::string SignInCommand(const std::string& programPath);

// True when the Run value exists and names something to start; an empty
// value starts nothing, so it reads as off.
bool StartsWithWindows(KeyValueStore& store);

// Writes the Run value for `programPath` (on) or deletes it (off). An
// unknown program path cannot be written and is an error, as is a value
// that stays behind after the delete.
StoreError SetStartWithWindows(KeyValueStore& store, bool on, const std::string& programPath);

}  // namespace zentrova
