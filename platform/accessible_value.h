#pragma once
// A window's client area as screen readers see it: the system's standard
// accessible object, with the window's caption as its name and a value the
// program sets. Readers are told when the value changes, and an announcement
// raises an alert once.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

namespace zentrova::platform {

// Gives a control without a caption of its own (a slider, a list) the name
// of the label beside it, as readers ask for it; nothing for an empty label.
void NameByLabel(HWND control, const std::string& label);

class AccessibleValue {
public:
    explicit AccessibleValue(HWND window);

    // Stores the value and tells listening readers, when it differs; true
    // then.
    bool Set(const std::string& value);
    // Makes `text` the value and raises an alert on the window, so a reader
    // says it without being asked.
    void Announce(const std::string& text);

    // WM_GETOBJECT: the client object for OBJID_CLIENT; nothing for any other
    // object, which the window then leaves to the system.
    std::optional<LRESULT> Answer(WPARAM wParam, LPARAM lParam) const;

private:
    HWND window_;
    // Shared with every object handed out, which may outlive the window.
    std::shared_ptr<std::wstring> value_;
};

}  // namespace zentrova::platform
