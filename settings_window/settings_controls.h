#pragma once
// The settings window's controls as its logic sees them. The platform's
// widget layer implements them over the system's controls; tests fake them.
//
// The contract every implementation keeps:
// - Setting a slider to another position (clamped into its range) or a check
//   box to another state from the program runs the control's change handler,
//   exactly as the user's change does. Setting the current value runs nothing.
// - Selecting a list item from the program runs nothing; only the user's
//   choice (or, for an editable list, each edit of its text) does.
// - Selecting an index outside the items leaves the list with no selection.
// - Setting a text field's text from the program runs nothing; each edit of
//   the user's runs its handler. The field takes no more than its entry's
//   maximum length.

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace zentrova {

using ControlHandler = std::function<void()>;

class SliderControl {
public:
    virtual ~SliderControl() = default;
    virtual int Position() const = 0;
    virtual void SetPosition(int position) = 0;
};

class CheckControl {
public:
    virtual ~CheckControl() = default;
    virtual bool Checked() const = 0;
    virtual void SetChecked(bool checked) = 0;
};

class ListControl {
public:
    virtual ~ListControl() = default;
    virtual int ItemCount() const = 0;
    virtual void Append(const std::string& item) = 0;
    virtual void Clear() = 0;
    virtual int SelectedIndex() const = 0;  // -1 when nothing is selected
    virtual void Select(int index) = 0;
    // The text in the list's field: the chosen item's, or what was typed.
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
};

class ButtonControl {
public:
    virtual ~ButtonControl() = default;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
};

class TextControl {
public:
    virtual ~TextControl() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
};

// The tab pages, in tab order.
enum class SettingsPage { Clock, Countdown, Calendar, General };

// Left, top, width, height in client pixels of the page (or of the window,
// for controls that lie on no page).
struct ControlPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const ControlPlace&, const ControlPlace&) = default;
};

struct LabelEntry;
struct SliderEntry;
struct CheckEntry;
struct ListEntry;
struct EditEntry;
struct ButtonEntry;

// Creates the controls on the window; the factory keeps them for the
// window's life and hands out references.
class ControlFactory {
public:
    virtual ~ControlFactory() = default;
    virtual void AddLabel(const LabelEntry& entry) = 0;
    virtual SliderControl& AddSlider(const SliderEntry& entry, ControlHandler onChange) = 0;
    virtual CheckControl& AddCheckBox(const CheckEntry& entry, ControlHandler onChange) = 0;
    virtual ListControl& AddList(const ListEntry& entry, std::span<const std::string_view> items,
                                 ControlHandler onChange) = 0;
    virtual TextControl& AddEdit(const EditEntry& entry, ControlHandler onChange) = 0;
    virtual ButtonControl& AddButton(const ButtonEntry& entry, ControlHandler onClick) = 0;
};

}  // namespace zentrova
