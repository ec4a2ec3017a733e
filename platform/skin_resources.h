#pragma once
// Loads the fifteen skins embedded in the program as resources.

#include "face/skin.h"

namespace zentrova::platform {

void LoadSkins(SkinSet& skins);

}  // namespace zentrova::platform
