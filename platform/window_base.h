#pragma once
// Base of every window of the program: registers the class once, creates the
// window with `this` in lpCreateParams and routes messages to HandleMessage.

#include <windows.h>

namespace zentrova::platform {

struct WindowOptions {
    const char* className = nullptr;
    const char* caption = "";
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT outer{0, 0, 0, 0};  // left, top, right, bottom in screen pixels
    HWND owner = nullptr;
    HICON icon = nullptr;
};

class WindowBase {
public:
    WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;
    virtual ~WindowBase();

    HWND Handle() const { return hwnd_; }

protected:
    // Creates the window; WM_CREATE and everything after reach HandleMessage.
    bool CreateWindowFrom(const WindowOptions& entry);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

}  // namespace zentrova::platform
