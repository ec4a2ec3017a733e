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

#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string Utf8(const wchar_t* text, int length) {
    if (length <= 0) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    return out;
}

std::string TextOf(HWND window) {
    wchar_t text[1024] = {};
    return Utf8(text, GetWindowTextW(window, text, 1024));
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Take(BSTR text) {
    if (!text) return {};
    std::string out = Utf8(text, static_cast<int>(SysStringLen(text)));
    SysFreeString(text);
    return out;
}

// The name a reader gives the window's client object; empty when it has none.
std::string AccessibleName(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))) ||
        !object) {
        return "<no object>";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    object->get_accName(self, &name);
    object->Release();
    return Take(name);
}

BOOL CALLBACK PrintGadget(HWND window, LPARAM) {
    if (ClassOf(window) != "ZentrovaDisplayWindow") return TRUE;
    IAccessible* object = nullptr;
    const HRESULT found =
        AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object));
    if (FAILED(found) || !object) {
        std::printf("%s|<no object: %08lx>\n", TextOf(window).c_str(), static_cast<unsigned long>(found));
        return TRUE;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    BSTR value = nullptr;
    object->get_accName(self, &name);
    object->get_accValue(self, &value);
    const std::string nameText = Take(name);
    const std::string valueText = Take(value);
    std::printf("%s|%s\n", nameText.c_str(), valueText.c_str());
    object->Release();
    return TRUE;
}

HWND SettingsWindow() { return FindWindowW(nullptr, L"Zentrova Settings"); }

void PrintTabs() {
    std::string order = "window";
    for (HWND child = GetWindow(SettingsWindow(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string item = ClassOf(child) == "ZentrovaSettingsPage" ? "pages" : ClassOf(child) + "|" + TextOf(child);
        if (!order.ends_with(" " + item)) order += " " + item;
    }
    std::printf("%s\n", order.c_str());
    int page = 0;
    for (HWND child = GetWindow(SettingsWindow(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) != "ZentrovaSettingsPage") continue;
        std::printf("page %d\n", page++);
        for (HWND control = GetWindow(child, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
            const bool stop = (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) != 0;
            std::printf("%s|%s", ClassOf(control).c_str(), TextOf(control).c_str());
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

}  // namespace

int main(int argc, char** argv) {
    const char* mode = argc > 1 ? argv[1] : "gadgets";
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (std::strcmp(mode, "gadgets") == 0) EnumWindows(PrintGadget, 0);
    if (std::strcmp(mode, "tabs") == 0) PrintTabs();
    if (std::strcmp(mode, "shown") == 0) PrintShownPage();
    std::fflush(stdout);
    CoUninitialize();
    return 0;
}
