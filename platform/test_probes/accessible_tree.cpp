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
//   accessible_tree texts     the settings window's caption, its tabs'
//                             captions and the texts of the buttons below
//                             the pages, one line each
//   accessible_tree menu      the items of the open popup menu
//   accessible_tree save      presses the settings window's Save button

#include <windows.h>
#include <oleacc.h>
#include <commctrl.h>

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/accessible_value.h"
#include "platform/wide_text.h"
#include "platform/win32_controls.h"

namespace {

using zentrova::platform::Narrow;
using zentrova::platform::WindowText;

// COM on this thread while the probe reads.
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }

private:
    bool initialised_;
};

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

// By its class: its caption is in the language the program speaks.
HWND SettingsWindow() { return FindWindowW(L"ZentrovaSettingsWindow", nullptr); }

// The settings window's direct children of a class, in Z order.
std::vector<HWND> SettingsChildren(const char* className) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(SettingsWindow(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == className) found.push_back(child);
    }
    return found;
}

// A tab control's item texts; they are read in the program's own memory,
// since the message carries a pointer that only it can follow.
std::vector<std::string> TabCaptions(HWND tabs) {
    constexpr int kTextRoom = 256;
    struct Remote {
        TCITEMW item;
        wchar_t text[kTextRoom];
    };
    std::vector<std::string> captions;
    DWORD processId = 0;
    GetWindowThreadProcessId(tabs, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return captions;
    auto* remote = static_cast<Remote*>(VirtualAllocEx(process, nullptr, sizeof(Remote), MEM_COMMIT, PAGE_READWRITE));
    for (LRESULT i = 0, count = remote ? SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0) : 0; i < count; ++i) {
        Remote local{};
        local.item.mask = TCIF_TEXT;
        local.item.pszText = remote->text;
        local.item.cchTextMax = kTextRoom;
        SIZE_T moved = 0;
        WriteProcessMemory(process, remote, &local, sizeof local, &moved);
        SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&remote->item));
        ReadProcessMemory(process, remote, &local, sizeof local, &moved);
        local.text[kTextRoom - 1] = L'\0';
        captions.push_back(Narrow(local.text));
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return captions;
}

int PrintTexts() {
    if (!SettingsWindow()) return 1;
    std::printf("%s\n", WindowText(SettingsWindow()).c_str());
    for (HWND tabs : SettingsChildren("SysTabControl32")) {
        for (const std::string& caption : TabCaptions(tabs)) std::printf("%s\n", caption.c_str());
    }
    for (HWND button : SettingsChildren("Button")) std::printf("%s\n", WindowText(button).c_str());
    return 0;
}

// Menus stay with the process that made them: menu_hook.dll, hooked into
// the menu window's thread, reads the items there and leaves them in a file.
int PrintMenu() {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(0x8000)), nullptr))) {
        if (IsWindowVisible(window)) break;
    }
    if (!window) return 1;
    HMODULE hook = LoadLibraryW(L"menu_hook.dll");
    const auto proc = hook ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(hook, "MenuHook"))) : nullptr;
    if (!proc) return 1;
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"zentrova-menu.txt";
    DeleteFileW(path.c_str());
    HHOOK hooked = SetWindowsHookExW(WH_CALLWNDPROC, proc, hook, GetWindowThreadProcessId(window, nullptr));
    if (!hooked) return 1;
    SendMessageW(window, RegisterWindowMessageW(L"Zentrova.ReadMenu"), 0, 0);
    UnhookWindowsHookEx(hooked);
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file) return 1;
    char line[1024];
    while (std::fgets(line, sizeof line, file)) std::fputs(line, stdout);
    std::fclose(file);
    return 0;
}

// The first button below the pages is Save.
int PressSave() {
    const std::vector<HWND> buttons = SettingsChildren("Button");
    if (buttons.empty()) return 1;
    SendMessageW(buttons.front(), BM_CLICK, 0, 0);
    return 0;
}

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
    const ComApartment com;
    if (std::strcmp(mode, "gadgets") == 0) EnumWindows(PrintGadget, 0);
    if (std::strcmp(mode, "tabs") == 0) PrintTabs();
    if (std::strcmp(mode, "shown") == 0) PrintShownPage();
    if (std::strcmp(mode, "list") == 0 && argc > 2 && PrintListLines(argv[2]) != 0) return 1;
    if (std::strcmp(mode, "texts") == 0 && PrintTexts() != 0) return 1;
    if (std::strcmp(mode, "menu") == 0 && PrintMenu() != 0) return 1;
    if (std::strcmp(mode, "save") == 0 && PressSave() != 0) return 1;
    std::fflush(stdout);
    return 0;
}
