#pragma once
// The program's UTF-8 text as the UTF-16 of Windows' wide calls, and back.

#include <string>
#include <string_view>

#include "text/utf.h"

namespace zentrova::platform {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16 units");

inline std::wstring Widen(std::string_view utf8) {
    const std::u16string units = Utf8ToUtf16(utf8);
    return std::wstring(units.begin(), units.end());
}

inline std::string Narrow(std::wstring_view wide) {
    return Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

}  // namespace zentrova::platform
