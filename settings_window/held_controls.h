#pragma once
// The settings window's controls before the window is first shown. Most
// starts never show it, and making its hundred-odd system controls and
// filling their lists is most of what a start would cost, so its logic
// talks to these stand-ins until then. Each keeps its state and the
// controls' contract (settings_controls.h) itself; once the window is
// shown, each is handed its real control, brings it to that state without
// running the handler, and from then on passes every call on.

#include <string>
#include <utility>
#include <vector>

#include "settings_window/settings_controls.h"

namespace zentrova {

template <typename Control>
class HeldControl : public Control {
public:
    explicit HeldControl(ControlHandler onChange) : onChange_(std::move(onChange)) {}

    // The handler the real control is made with: the logic's, except while
    // the control is brought to the held state.
    ControlHandler LiveHandler() {
        return [this] {
            if (!quiet_) onChange_();
        };
    }

protected:
    void Changed() { onChange_(); }
    // Brings `live` to the held state through `apply`, then passes on to it.
    template <typename Apply>
    void TakeLive(Control& live, Apply&& apply) {
        quiet_ = true;
        apply(live);
        quiet_ = false;
        live_ = &live;
    }
    Control* live_ = nullptr;

private:
    ControlHandler onChange_;
    bool quiet_ = false;
};

class HeldSlider final : public HeldControl<SliderControl> {
public:
    HeldSlider(int minimum, int maximum, int start, ControlHandler onChange);
    int Position() const override;
    void SetPosition(int position) override;
    void GoLive(SliderControl& live);

private:
    int minimum_;
    int maximum_;
    int position_;
};

class HeldCheckBox final : public HeldControl<CheckControl> {
public:
    explicit HeldCheckBox(ControlHandler onChange) : HeldControl(std::move(onChange)) {}
    bool Checked() const override;
    void SetChecked(bool checked) override;
    void GoLive(CheckControl& live);

private:
    bool checked_ = false;
};

class HeldList final : public HeldControl<ListControl> {
public:
    HeldList(std::vector<std::string> items, ControlHandler onChange);
    int ItemCount() const override;
    void Append(const std::string& item) override;
    void Clear() override;
    int SelectedIndex() const override;
    void Select(int index) override;
    std::string Text() const override;
    void SetText(const std::string& text) override;
    void SetReadOnly(bool readOnly) override;
    // `live` is made empty: it gets the held items.
    void GoLive(ListControl& live);

private:
    std::vector<std::string> items_;
    int selected_ = -1;
    std::string text_;
    bool readOnly_ = false;
};

class HeldEdit final : public HeldControl<TextControl> {
public:
    explicit HeldEdit(ControlHandler onChange) : HeldControl(std::move(onChange)) {}
    std::string Text() const override;
    void SetText(const std::string& text) override;
    void GoLive(TextControl& live);

private:
    std::string text_;
};

class HeldButton final : public HeldControl<ButtonControl> {
public:
    explicit HeldButton(ControlHandler onClick) : HeldControl(std::move(onClick)) {}
    bool Enabled() const override;
    void SetEnabled(bool enabled) override;
    void GoLive(ButtonControl& live);

private:
    bool enabled_ = true;
};

}  // namespace zentrova
