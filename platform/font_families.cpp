#include "platform/font_families.h"

#include "platform/gdiplus_objects.h"
#include "platform/wide_text.h"
#include "settings/settings_schema.h"

namespace zentrova::platform {

bool FontFamilyInstalled(const std::string& family) {
    if (family.empty()) return false;
    gdip::FontFamily found;
    const std::wstring name = Widen(family);
    found.set_status(Gdiplus::DllExports::GdipCreateFontFamilyFromName(name.c_str(), nullptr, found.out()));
    return static_cast<bool>(found);
}

std::string DrawableFontFamily(const std::string& family) {
    return FontFamilyInstalled(family) ? family : std::string(kFirstRunFont);
}

}  // namespace zentrova::platform
