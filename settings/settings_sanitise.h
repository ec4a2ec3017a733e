#pragma once
// Holds loaded settings to what the windows can use. Stored data may come
// from anywhere (an older program, a hand edit), and the windows index
// skins, slider positions and the countdown list with these values.

#include "settings/settings.h"

namespace zentrova {

// Number of entries to read and keep for a stored CountMax: 1..10.
int ClampListLength(int countMax);

// Date-time values outside years 1..9999, and non-finite ones, become the
// nearest end of that span (0.0 when not a number).
double ClampDateTime(double value);

}  // namespace zentrova
