#pragma once
// Which font families the drawing can use. A stored family the system lacks
// (a font uninstalled since, a name typed by hand) draws and measures with
// the first-run font instead, so a window never shows an empty plate; the
// stored name itself is kept.

#include <string>

namespace zentrova::platform {

// Whether GDI+, which draws the windows' texts, finds the family.
bool FontFamilyInstalled(const std::string& family);

// `family` when installed, else the first-run font.
std::string DrawableFontFamily(const std::string& family);

}  // namespace zentrova::platform
