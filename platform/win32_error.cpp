#include "platform/win32_error.h"

#include "app/program_names.h"
#include "language/texts.h"
#include "platform/wide_text.h"

namespace zentrova::platform {

std::string SystemErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text = length && buffer ? Narrow(std::wstring_view(buffer, length)) : Tr(TextId::SystemError, {std::to_string(code)});
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

void ShowErrorBox(const std::string& text) {
    MessageBoxW(nullptr, Widen(text).c_str(), Widen(kApplicationTitle).c_str(), MB_OK | MB_ICONERROR | MB_TOPMOST | MB_SETFOREGROUND);
}

}  // namespace zentrova::platform
