#include "platform/skin_resources.h"

#include <windows.h>

#include <optional>

#include "assets/resource_ids.h"
#include "face/bmp_image.h"

namespace zentrova::platform {

void LoadSkins(SkinSet& skins) {
    skins.load = [](int skin) -> std::optional<SkinImage> {
        HMODULE module = GetModuleHandleW(nullptr);
        HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(ZENTROVA_IDR_SKIN_BASE + skin), MAKEINTRESOURCEW(10));
        HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
        const void* bytes = loaded ? LockResource(loaded) : nullptr;
        if (!bytes) return std::nullopt;
        return DecodeBmp32({static_cast<const std::uint8_t*>(bytes), SizeofResource(module, info)});
    };
}

}  // namespace zentrova::platform
