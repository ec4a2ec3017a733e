// Prints the GDI and user object counts and the memory of a running process,
// for the resource and soak checks:
//   gui_resources PID            (a Windows process id)
//   gui_resources IMAGE.exe      (the first process of that image name)
// One line: "pid=N gdi=N user=N gdi_supported=0|1 working_set_kb=N
// peak_working_set_kb=N private_kb=N". GetGuiResources returning 0 with a
// last error set means the system does not count them (Wine answers so);
// the counts are then printed as -1 and gdi_supported as 0.

#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool SameNameIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b))) return false;
    return *a == *b;
}

DWORD FindProcessByImage(const char* image) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    DWORD found = 0;
    const DWORD self = GetCurrentProcessId();
    for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry))
        if (entry.th32ProcessID != self && SameNameIgnoringCase(entry.szExeFile, image)) found = entry.th32ProcessID;
    CloseHandle(snapshot);
    return found;
}

bool IsNumber(const char* text) {
    if (!*text) return false;
    for (; *text; ++text)
        if (!std::isdigit(static_cast<unsigned char>(*text))) return false;
    return true;
}

// -1 when the system does not keep the count.
long long GuiCount(HANDLE process, DWORD which, bool& supported) {
    SetLastError(0);
    const DWORD count = GetGuiResources(process, which);
    if (count == 0 && GetLastError() != 0) {
        supported = false;
        return -1;
    }
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gui_resources PID|IMAGE.exe\n");
        return 2;
    }
    const DWORD pid = IsNumber(argv[1]) ? static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10))
                                        : FindProcessByImage(argv[1]);
    if (!pid) {
        std::fprintf(stderr, "gui_resources: no process %s\n", argv[1]);
        return 1;
    }
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process) {
        std::fprintf(stderr, "gui_resources: cannot open process %lu (error %lu)\n", static_cast<unsigned long>(pid),
                     static_cast<unsigned long>(GetLastError()));
        return 1;
    }
    bool supported = true;
    const long long gdi = GuiCount(process, GR_GDIOBJECTS, supported);
    const long long user = GuiCount(process, GR_USEROBJECTS, supported);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    const bool haveMemory = GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                                                 sizeof memory) != 0;
    CloseHandle(process);
    std::printf("pid=%lu gdi=%lld user=%lld gdi_supported=%d working_set_kb=%lld peak_working_set_kb=%lld "
                "private_kb=%lld\n",
                static_cast<unsigned long>(pid), gdi, user, supported ? 1 : 0,
                haveMemory ? static_cast<long long>(memory.WorkingSetSize / 1024) : -1LL,
                haveMemory ? static_cast<long long>(memory.PeakWorkingSetSize / 1024) : -1LL,
                haveMemory ? static_cast<long long>(memory.PrivateUsage / 1024) : -1LL);
    return 0;
}
