#pragma once
// The user's regional month and weekday names, separators and pictures.

#include <string>
#include <vector>

#include "clock/locale.h"

namespace zentrova::platform {

// Falls back to the English names for anything the system does not answer.
Locale UserLocale();

// The user's Windows display languages as tags ("de-DE"), most preferred
// first; empty when the system does not say.
std::vector<std::string> UserDisplayLanguages();

}  // namespace zentrova::platform
