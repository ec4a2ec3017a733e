#include "settings_window/held_controls.h"

#include <algorithm>

namespace zentrova {

HeldSlider::HeldSlider(int minimum, int maximum, int start, ControlHandler onChange)
    : HeldControl(std::move(onChange)), minimum_(minimum), maximum_(maximum), position_(start) {}

int HeldSlider::Position() const { return live_ ? live_->Position() : position_; }

void HeldSlider::SetPosition(int position) {
    if (live_) return live_->SetPosition(position);
    position = std::clamp(position, minimum_, maximum_);
    if (position == position_) return;
    position_ = position;
    Changed();
}

void HeldSlider::GoLive(SliderControl& live) {
    TakeLive(live, [&](SliderControl& control) { control.SetPosition(position_); });
}

bool HeldCheckBox::Checked() const { return live_ ? live_->Checked() : checked_; }

void HeldCheckBox::SetChecked(bool checked) {
    if (live_) return live_->SetChecked(checked);
    if (checked == checked_) return;
    checked_ = checked;
    Changed();
}

void HeldCheckBox::GoLive(CheckControl& live) {
    TakeLive(live, [&](CheckControl& control) { control.SetChecked(checked_); });
}

HeldList::HeldList(std::vector<std::string> items, ControlHandler onChange)
    : HeldControl(std::move(onChange)), items_(std::move(items)) {}

int HeldList::ItemCount() const { return live_ ? live_->ItemCount() : static_cast<int>(items_.size()); }

void HeldList::Append(const std::string& item) {
    if (live_) return live_->Append(item);
    items_.push_back(item);
}

// As the system's list: no items, no selection, an empty field.
void HeldList::Clear() {
    if (live_) return live_->Clear();
    items_.clear();
    selected_ = -1;
    text_.clear();
}

int HeldList::SelectedIndex() const { return live_ ? live_->SelectedIndex() : selected_; }

// The field shows the selected item, or nothing without a selection.
void HeldList::Select(int index) {
    if (live_) return live_->Select(index);
    const bool inside = index >= 0 && index < static_cast<int>(items_.size());
    selected_ = inside ? index : -1;
    text_ = inside ? items_[static_cast<std::size_t>(index)] : std::string();
}

std::string HeldList::Text() const { return live_ ? live_->Text() : text_; }

void HeldList::SetText(const std::string& text) {
    if (live_) return live_->SetText(text);
    text_ = text;
}

void HeldList::SetReadOnly(bool readOnly) {
    if (live_) return live_->SetReadOnly(readOnly);
    readOnly_ = readOnly;
}

void HeldList::GoLive(ListControl& live) {
    TakeLive(live, [&](ListControl& control) {
        for (const std::string& item : items_) control.Append(item);
        control.Select(selected_);
        if (control.Text() != text_) control.SetText(text_);
        if (readOnly_) control.SetReadOnly(true);
    });
    // The real list holds them from now on.
    items_ = {};
    text_ = {};
}

std::string HeldEdit::Text() const { return live_ ? live_->Text() : text_; }

void HeldEdit::SetText(const std::string& text) {
    if (live_) return live_->SetText(text);
    text_ = text;
}

void HeldEdit::GoLive(TextControl& live) {
    TakeLive(live, [&](TextControl& control) { control.SetText(text_); });
    text_ = {};
}

bool HeldButton::Enabled() const { return live_ ? live_->Enabled() : enabled_; }

void HeldButton::SetEnabled(bool enabled) {
    if (live_) return live_->SetEnabled(enabled);
    enabled_ = enabled;
}

void HeldButton::GoLive(ButtonControl& live) {
    TakeLive(live, [&](ButtonControl& control) { control.SetEnabled(enabled_); });
}

}  // namespace zentrova
