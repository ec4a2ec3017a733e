#pragma once
// The user's regional month and weekday names, separators and pictures.

#include "clock/locale.h"

namespace zentrova::platform {

// Falls back to the English names for anything the system does not answer.
Locale UserLocale();

}  // namespace zentrova::platform
