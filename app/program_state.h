#pragma once
// Everything the program keeps for its whole run, in one visible place: the
// settings with the countdown list, the skins and the shared working bitmaps.
// One instance lives in the program's entry and is handed to every window.

#include "face/skin.h"
#include "face/working_bitmap.h"
#include "settings/settings.h"

namespace zentrova {

struct ProgramState {
    Settings settings;
    SkinSet skins;
    WorkingBitmaps bitmaps;  // SkinBitmap and CellBitmap
};

}  // namespace zentrova
