#pragma once
// The fifteen skins embedded in the program as resources, each decoded when a
// window first asks for it.

#include "face/skin.h"

namespace zentrova::platform {

void LoadSkins(SkinSet& skins);

}  // namespace zentrova::platform
