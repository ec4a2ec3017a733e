// Reads and sets texts the way a Unicode window holds them, so that a test
// can check text outside the code page. Texts go in and out as the hex of
// their UTF-8 bytes, one per line, which any console passes unchanged:
//   wide_text items CAPTION            the items of each combo box in the
//                                      window CAPTION, in order
//   wide_text settext CAPTION CLASS HEX sets the text of the first child of
//                                      class CLASS in the window CAPTION
//   wide_text months                   the user locale's month names as the
//                                      program reads them
//   wide_text statics CAPTION          the texts of the static controls in
//                                      the window CAPTION, in order
//   wide_text regional Y M D H N       what Windows' own calls write for the
//                                      user's region at that moment: short
//                                      date, long date, short time, long
//                                      time, month and year, then the
//                                      region's name as the program reads it

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "clock/locale.h"
#include "platform/wide_text.h"
#include "platform/win32_locale.h"

namespace {

using zentrova::platform::Narrow;
using zentrova::platform::Widen;

void PrintHex(const std::string& utf8) {
    for (unsigned char byte : utf8) std::printf("%02x", byte);
    std::printf("\n");
}

std::string FromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

struct ChildSearch {
    std::wstring className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM search) {
    auto& wanted = *reinterpret_cast<ChildSearch*>(search);
    wchar_t name[256] = {};
    GetClassNameW(child, name, 256);
    if (lstrcmpiW(name, wanted.className.c_str()) == 0) wanted.found.push_back(child);
    return TRUE;
}

std::vector<HWND> Children(const char* caption, const char* className) {
    ChildSearch search{Widen(className), {}};
    if (HWND window = FindWindowW(nullptr, Widen(caption).c_str()))
        EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int PrintItems(const char* caption) {
    const auto lists = Children(caption, "ComboBox");
    if (lists.empty()) return 1;
    for (HWND list : lists) {
        const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::wstring item(static_cast<std::size_t>(SendMessageW(list, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
            const LRESULT length = SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
            item.resize(length == CB_ERR ? 0 : static_cast<std::size_t>(length));
            PrintHex(Narrow(item));
        }
    }
    return 0;
}

int SetText(const char* caption, const char* className, const char* hex) {
    const auto controls = Children(caption, className);
    if (controls.empty()) return 1;
    const std::wstring text = Widen(FromHex(hex));
    return SendMessageW(controls.front(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) ? 0 : 1;
}

int PrintStatics(const char* caption) {
    const auto texts = Children(caption, "Static");
    if (texts.empty()) return 1;
    for (HWND text : texts) {
        std::wstring content(static_cast<std::size_t>(GetWindowTextLengthW(text)) + 1, L'\0');
        content.resize(static_cast<std::size_t>(GetWindowTextW(text, content.data(), static_cast<int>(content.size()))));
        PrintHex(Narrow(content));
    }
    return 0;
}

int PrintRegional(char** fields) {
    SYSTEMTIME moment{};
    moment.wYear = static_cast<WORD>(std::atoi(fields[0]));
    moment.wMonth = static_cast<WORD>(std::atoi(fields[1]));
    moment.wDay = static_cast<WORD>(std::atoi(fields[2]));
    moment.wHour = static_cast<WORD>(std::atoi(fields[3]));
    moment.wMinute = static_cast<WORD>(std::atoi(fields[4]));
    wchar_t text[256] = {};
    for (DWORD flags : {DWORD{DATE_SHORTDATE}, DWORD{DATE_LONGDATE}}) {
        GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, flags, &moment, nullptr, text, 256, nullptr);
        PrintHex(Narrow(text));
    }
    for (DWORD flags : {DWORD{TIME_NOSECONDS}, DWORD{0}}) {
        GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, flags, &moment, nullptr, text, 256);
        PrintHex(Narrow(text));
    }
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_YEARMONTH, &moment, nullptr, text, 256, nullptr);
    PrintHex(Narrow(text));
    PrintHex(zentrova::platform::UserLocale().name);
    return 0;
}

int PrintMonths() {
    const zentrova::Locale locale = zentrova::platform::UserLocale();
    for (const std::string& name : locale.monthNames) PrintHex(name);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    int result = 2;
    if (command == "items" && argc == 3) result = PrintItems(argv[2]);
    if (command == "settext" && argc == 5) result = SetText(argv[2], argv[3], argv[4]);
    if (command == "months" && argc == 2) result = PrintMonths();
    if (command == "statics" && argc == 3) result = PrintStatics(argv[2]);
    if (command == "regional" && argc == 7) result = PrintRegional(argv + 2);
    std::fflush(stdout);
    return result;
}
