// What a screen reader finds in the program, one line each (UTF-8):
//   accessible_tree gadgets   "NAME|VALUE" of each display window's client
//                             object, read through AccessibleObjectFromWindow
//   accessible_tree tabs      "window" and the settings window's own controls
//                             in Z order ("pages" for the pages); then for
//                             each settings page in order, "page N" and
//                             then its controls in Z order (the Tab order)
//                             as "CLASS|TEXT", and for a Tab stop
//                             "CLASS|TEXT|NAME" with the name readers get
//   accessible_tree shown     the index of the settings page in front
//   accessible_tree list CAPTION  the lines of the list box in the shown
//                             window CAPTION; exits 1 without one

#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/accessible_value.h"
#include "platform/wide_text.h"
#include "platform/win32_controls.h"

namespace {

using zentrova::platform::Narrow;
using zentrova::platform::WindowText;

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Take(BSTR text) {
    if (!text) return {};
    std::string out = Narrow(std::wstring_view(text, SysStringLen(text)));
    SysFreeString(text);
    return out;
}

// What a reader gets from a window's client object: its name and value, or
// the failure that left it without one.
struct ClientObject {
    HRESULT found = E_FAIL;
    std::string name;
    std::string value;
};

ClientObject ReadClientObject(HWND window) {
    ClientObject client;
    IAccessible* object = nullptr;
    client.found =
        AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object));
    if (SUCCEEDED(client.found) && !object) client.found = E_POINTER;
    if (FAILED(client.found)) return client;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    BSTR value = nullptr;
    object->get_accName(self, &name);
    object->get_accValue(self, &value);
    object->Release();
    client.name = Take(name);
    client.value = Take(value);
    return client;
}

// The name a reader gives the window's client object; empty when it has none.
std::string AccessibleName(HWND window) {
    const ClientObject client = ReadClientObject(window);
    return SUCCEEDED(client.found) ? client.name : "<no object>";
}

BOOL CALLBACK PrintGadget(HWND window, LPARAM) {
    if (ClassOf(window) != "ZentrovaDisplayWindow") return TRUE;
    const ClientObject client = ReadClientObject(window);
    if (FAILED(client.found)) {
        std::printf("%s|<no object: %08lx>\n", WindowText(window).c_str(), static_cast<unsigned long>(client.found));
    } else {
        std::printf("%s|%s\n", client.name.c_str(), client.value.c_str());
    }
    return TRUE;
}

HWND SettingsWindow() { return FindWindowW(nullptr, L"Zentrova Settings"); }

void PrintTabs() {
    std::string order = "window";
    for (HWND child = GetWindow(SettingsWindow(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string className = ClassOf(child);
        const std::string item = className == "ZentrovaSettingsPage" ? "pages" : className + "|" + WindowText(child);
        if (!order.ends_with(" " + item)) order += " " + item;
    }
    std::printf("%s\n", order.c_str());
    int page = 0;
    for (HWND child = GetWindow(SettingsWindow(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) != "ZentrovaSettingsPage") continue;
        std::printf("page %d\n", page++);
        for (HWND control = GetWindow(child, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
            const bool stop = (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) != 0;
            std::printf("%s|%s", ClassOf(control).c_str(), WindowText(control).c_str());
            if (stop) std::printf("|%s", AccessibleName(control).c_str());
            std::printf("\n");
        }
    }
}

void PrintShownPage() {
    int page = 0;
    for (HWND child = GetWindow(SettingsWindow(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) != "ZentrovaSettingsPage") continue;
        if (IsWindowVisible(child)) std::printf("%d\n", page);
        ++page;
    }
}

int PrintListLines(const char* caption) {
    const HWND window = FindWindowW(nullptr, zentrova::platform::Widen(caption).c_str());
    const HWND list = window && IsWindowVisible(window) ? FindWindowExW(window, nullptr, L"ListBox", nullptr) : nullptr;
    if (!list) return 1;
    for (LRESULT i = 0, count = SendMessageW(list, LB_GETCOUNT, 0, 0); i < count; ++i) {
        std::wstring line(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        line.resize(static_cast<std::size_t>(std::max<LRESULT>(0, SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data())))));
        std::printf("%s\n", Narrow(line).c_str());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const char* mode = argc > 1 ? argv[1] : "gadgets";
    const zentrova::platform::ComApartment com;
    if (std::strcmp(mode, "gadgets") == 0) EnumWindows(PrintGadget, 0);
    if (std::strcmp(mode, "tabs") == 0) PrintTabs();
    if (std::strcmp(mode, "shown") == 0) PrintShownPage();
    if (std::strcmp(mode, "list") == 0 && argc > 2 && PrintListLines(argv[2]) != 0) return 1;
    std::fflush(stdout);
    return 0;
}
