#include "platform/skin_resources.h"

#include <windows.h>

#include <cstring>

#include "assets/resource_ids.h"
#include "face/bmp_image.h"

namespace zentrova::platform {

void LoadSkins(SkinSet& skins) {
    HMODULE module = GetModuleHandleW(nullptr);
    for (int skin = 1; skin <= kSkinCount; ++skin) {
        HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(ZENTROVA_IDR_SKIN_BASE + skin), MAKEINTRESOURCEW(10));
        if (!info) continue;
        HGLOBAL loaded = LoadResource(module, info);
        const void* bytes = loaded ? LockResource(loaded) : nullptr;
        if (!bytes) continue;
        const auto* begin = static_cast<const std::uint8_t*>(bytes);
        if (auto image = DecodeBmp32({begin, SizeofResource(module, info)})) skins.images[skin - 1] = std::move(*image);
    }
}

}  // namespace zentrova::platform
