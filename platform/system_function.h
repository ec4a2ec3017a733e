#pragma once
// A function of a system DLL looked up at run time: one this Windows may
// lack, or one of a library the program loads only when it is needed.

#include <windows.h>

#include <string>

namespace zentrova::platform {

// The DLL already in the process, or else loaded from the system folder
// (never a DLL of the same name elsewhere); it stays loaded for the process,
// as system DLLs do. nullptr where the DLL or the function is missing.
template <typename Function>
Function SystemFunction(const wchar_t* dll, const char* name) {
    HMODULE module = GetModuleHandleW(dll);
    if (!module) {
        wchar_t folder[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return nullptr;
        module = LoadLibraryW((std::wstring(folder, length) + L"\\" + dll).c_str());
    }
    if (!module) return nullptr;
    // Through a generic function pointer: casts between unrelated function
    // types are what GetProcAddress's result needs anyway.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace zentrova::platform
