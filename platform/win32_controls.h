#pragma once
// The widget layer under the settings window: the system's slider, check
// box, drop-down list and button, each behind the core's control interface
// and keeping its contract. A program change of a slider or check box runs
// the change handler as the user's change does (the system notifies only
// the user's); a program selection of a list item runs nothing.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "settings_window/settings_controls.h"
#include "settings_window/typed_search.h"

namespace zentrova::platform {

// One child control and the notifications its parent passes on to it.
class Win32Control {
public:
    explicit Win32Control(HWND handle) : handle_(handle) {}
    Win32Control(const Win32Control&) = delete;
    Win32Control& operator=(const Win32Control&) = delete;
    virtual ~Win32Control() = default;
    HWND Handle() const { return handle_; }
    virtual void OnCommand(WORD /*code*/) {}
    virtual void OnScroll() {}

protected:
    // Sends a message whose change notification is the program's own, not
    // the user's; ProgramChanging() tells them apart while it runs.
    LRESULT SendAsProgram(UINT message, WPARAM wParam, LPARAM lParam);
    void SetTextAsProgram(const std::string& text);
    bool ProgramChanging() const { return programChanging_; }

private:
    HWND handle_;  // destroyed with its parent window
    bool programChanging_ = false;
};

class Win32Slider final : public Win32Control, public SliderControl {
public:
    Win32Slider(HWND handle, int minimum, int maximum, int start, ControlHandler onChange);
    int Position() const override;
    void SetPosition(int position) override;
    void OnScroll() override;

private:
    int minimum_;
    int maximum_;
    int reported_;  // the position the handler last saw
    ControlHandler onChange_;
};

class Win32CheckBox final : public Win32Control, public CheckControl {
public:
    Win32CheckBox(HWND handle, ControlHandler onChange);
    bool Checked() const override;
    void SetChecked(bool checked) override;
    void OnCommand(WORD code) override;

private:
    ControlHandler onChange_;
};

class Win32List final : public Win32Control, public ListControl {
public:
    Win32List(HWND handle, bool editable, ControlHandler onChange);
    ~Win32List() override;
    int ItemCount() const override;
    void Append(const std::string& item) override;
    void Clear() override;
    int SelectedIndex() const override;
    void Select(int index) override;
    std::string Text() const override;
    void SetText(const std::string& text) override;
    void SetReadOnly(bool readOnly) override;
    void OnCommand(WORD code) override;

private:
    std::string ItemText(int index) const;
    // Pixels the drop-down needs to show `item` whole.
    int DropDownWidthFor(const std::string& item) const;
    // A read-only field's typed letters choose an item by any word of it.
    static LRESULT CALLBACK FieldProcedure(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                           DWORD_PTR self);
    void ChooseByLetter(wchar_t letter);
    bool editable_;
    int droppedWidth_ = 0;  // the widest line so far
    ControlHandler onChange_;
    HWND searchedField_ = nullptr;  // the field whose typing searches, once read-only
    TypedSearch search_;
};

class Win32Edit final : public Win32Control, public TextControl {
public:
    Win32Edit(HWND handle, int maxLength, ControlHandler onChange);
    std::string Text() const override;
    void SetText(const std::string& text) override;
    void OnCommand(WORD code) override;

private:
    ControlHandler onChange_;
};

class Win32Button final : public Win32Control, public ButtonControl {
public:
    Win32Button(HWND handle, ControlHandler onClick) : Win32Control(handle), onClick_(std::move(onClick)) {}
    bool Enabled() const override { return IsWindowEnabled(Handle()) != FALSE; }
    void SetEnabled(bool enabled) override { EnableWindow(Handle(), enabled ? TRUE : FALSE); }
    void OnCommand(WORD code) override;

private:
    ControlHandler onClick_;
};

// Owns the controls of a window and hands each its notifications.
class ControlRouter {
public:
    template <typename Control>
    Control& Add(std::unique_ptr<Control> control) {
        Control& added = *control;
        controls_.push_back(std::move(control));
        return added;
    }
    // WM_COMMAND and WM_HSCROLL from a known control; false otherwise.
    bool Route(UINT message, WPARAM wParam, LPARAM lParam);

private:
    Win32Control* Find(HWND handle) const;
    std::vector<std::unique_ptr<Win32Control>> controls_;
};

// A child control of the given class at a place in its parent's client area.
HWND CreateChild(HWND parent, const char* className, const std::string& text, DWORD style, const ControlPlace& place,
                 HFONT font, int id = 0);

// Moves a child control to `place` and gives it `font` (a change of scale).
void PlaceChild(HWND control, const ControlPlace& place, HFONT font);

// A font of `pixels` character height.
HFONT CreatePixelFont(const char* family, int pixels, bool bold = false);

// A window's or control's text, as UTF-8.
std::string WindowText(HWND window);

}  // namespace zentrova::platform
