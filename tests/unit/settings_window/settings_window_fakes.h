#pragma once
// Fakes behind the settings window's logic: controls that keep the widget
// contract (program changes of sliders and check boxes run the handler,
// program selections of list items do not), a recording host and recording
// display windows, and dialogs driven by hand.

#include <algorithm>
#include <array>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <memory>
#include <string>
#include <vector>

#include "language/texts.h"
#include "clock/locale.h"
#include "countdown/count_list_dialogs.h"
#include "settings/memory_store.h"
#include "settings_window/settings_layout.h"
#include "settings_window/settings_window.h"

namespace zentrova::test {

class FakeSlider final : public SliderControl {
public:
    FakeSlider(const SliderEntry& entry, ControlHandler onChange)
        : entry_(entry), position_(entry.start), onChange_(std::move(onChange)) {}
    int Position() const override { return position_; }
    void SetPosition(int position) override {
        position = std::clamp(position, entry_.minimum, entry_.maximum);
        if (position == position_) return;
        position_ = position;
        onChange_();
    }
    void UserMove(int position) { SetPosition(position); }

private:
    const SliderEntry& entry_;
    int position_;
    ControlHandler onChange_;
};

class FakeCheckBox final : public CheckControl {
public:
    explicit FakeCheckBox(ControlHandler onChange) : onChange_(std::move(onChange)) {}
    bool Checked() const override { return checked_; }
    void SetChecked(bool checked) override {
        if (checked == checked_) return;
        checked_ = checked;
        onChange_();
    }
    void UserClick() { SetChecked(!checked_); }

private:
    bool checked_ = false;
    ControlHandler onChange_;
};

class FakeList final : public ListControl {
public:
    FakeList(std::span<const std::string_view> items, ControlHandler onChange) : onChange_(std::move(onChange)) {
        for (std::string_view item : items) items_.emplace_back(item);
    }
    int ItemCount() const override { return static_cast<int>(items_.size()); }
    void Append(const std::string& item) override { items_.push_back(item); }
    void Clear() override {
        items_.clear();
        selected_ = -1;
        text_.clear();
    }
    int SelectedIndex() const override { return selected_; }
    void Select(int index) override {
        if (index < 0 || index >= ItemCount()) {
            selected_ = -1;
            text_.clear();
            return;
        }
        selected_ = index;
        text_ = items_[index];
    }
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override { text_ = text; }
    void SetReadOnly(bool readOnly) override { readOnly_ = readOnly; }

    void UserChoose(int index) {
        Select(index);
        onChange_();
    }
    // Typing reaches only a field that is not read-only; false otherwise.
    bool UserType(const std::string& text) {
        if (readOnly_) return false;
        text_ = text;
        selected_ = -1;
        onChange_();
        return true;
    }
    bool ReadOnly() const { return readOnly_; }
    const std::vector<std::string>& Items() const { return items_; }

private:
    std::vector<std::string> items_;
    int selected_ = -1;
    std::string text_;
    bool readOnly_ = false;
    ControlHandler onChange_;
};

class FakeEdit final : public TextControl {
public:
    explicit FakeEdit(ControlHandler onChange) : onChange_(std::move(onChange)) {}
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override { text_ = text; }
    void UserType(const std::string& text) {
        text_ = text;
        onChange_();
    }

private:
    std::string text_;
    ControlHandler onChange_;
};

class FakeButton final : public ButtonControl {
public:
    explicit FakeButton(ControlHandler onClick) : onClick_(std::move(onClick)) {}
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    // A disabled button takes no click.
    void UserClick() {
        if (enabled_) onClick_();
    }

private:
    bool enabled_ = true;
    ControlHandler onClick_;
};

class FakeControls final : public ControlFactory {
public:
    void AddLabel(const LabelEntry& entry) override { labels.push_back(std::string(Tr(entry.caption))); }
    SliderControl& AddSlider(const SliderEntry& entry, ControlHandler onChange) override {
        return *(sliders[std::string(entry.name)] = std::make_unique<FakeSlider>(entry, std::move(onChange)));
    }
    CheckControl& AddCheckBox(const CheckEntry& entry, ControlHandler onChange) override {
        return *(checkBoxes[std::string(entry.name)] = std::make_unique<FakeCheckBox>(std::move(onChange)));
    }
    ListControl& AddList(const ListEntry& entry, std::span<const std::string_view> items,
                         ControlHandler onChange) override {
        return *(lists[std::string(entry.name)] = std::make_unique<FakeList>(items, std::move(onChange)));
    }
    TextControl& AddEdit(const EditEntry& entry, ControlHandler onChange) override {
        return *(edits[std::string(entry.name)] = std::make_unique<FakeEdit>(std::move(onChange)));
    }
    ButtonControl& AddButton(const ButtonEntry& entry, ControlHandler onClick) override {
        return *(buttons[std::string(entry.name)] = std::make_unique<FakeButton>(std::move(onClick)));
    }

    FakeSlider& Slider(const std::string& name) { return *sliders.at(name); }
    FakeCheckBox& CheckBox(const std::string& name) { return *checkBoxes.at(name); }
    FakeList& List(const std::string& name) { return *lists.at(name); }
    FakeEdit& Edit(const std::string& name) { return *edits.at(name); }
    void Press(const std::string& name) { buttons.at(name)->UserClick(); }
    FakeButton& Button(const std::string& name) { return *buttons.at(name); }

    std::vector<std::string> labels;
    std::map<std::string, std::unique_ptr<FakeSlider>> sliders;
    std::map<std::string, std::unique_ptr<FakeCheckBox>> checkBoxes;
    std::map<std::string, std::unique_ptr<FakeList>> lists;
    std::map<std::string, std::unique_ptr<FakeEdit>> edits;
    std::map<std::string, std::unique_ptr<FakeButton>> buttons;
};

class RecordingHost : public SettingsWindowHost {
public:
    std::vector<std::string> calls;
    PointI movedTo;
    bool visible = false;
    bool trayShown = false;
    PointI cursor{700, 740};
    bool menuStartWithWindows = false;  // as the last tray menu showed it
    std::string programPath = "C:\\Users\\Ann Lee\\AppData\\Local\\Programs\\Zentrova\\zentrova.exe";
    FakeControls controls;
    RectI workArea{0, 0, 1024, 768};

    SizeI OuterSize() const override { return {406, 346}; }
    SizeI ScreenSize() const override { return {1024, 768}; }
    RectI WorkArea() const override { return workArea; }
    int Dpi() const override { return 96; }
    PointI CursorPos() const override { return cursor; }
    void MoveTo(PointI p) override { movedTo = p; calls.push_back("move"); }
    void ShowInFront() override { visible = true; calls.push_back("show"); }
    void Hide() override { visible = false; calls.push_back("hide"); }
    void AddTrayIcon() override { trayShown = true; calls.push_back("tray+"); }
    void DeleteTrayIcon() override { trayShown = false; calls.push_back("tray-"); }
    void RunTrayMenu(PointI at, bool startWithWindows) override {
        menuStartWithWindows = startWithWindows;
        calls.push_back("menu@" + std::to_string(at.x) + "," + std::to_string(at.y));
    }
    std::string ProgramPath() const override { return programPath; }
    void ShowError(const std::string& text) override { calls.push_back("error:" + text); }
    void ShowMessage(const std::string& text) override { calls.push_back("message:" + text); }
    bool confirms = true;  // the answer to every question
    bool Confirm(const std::string& text) override {
        calls.push_back("confirm:" + text);
        return confirms;
    }
    void ShowPage(SettingsPage page) override { calls.push_back("page " + std::to_string(static_cast<int>(page))); }
    void EndMessageLoop() override { calls.push_back("quit"); }
    ControlFactory& Controls() override { return controls; }
    std::vector<std::string> DisplayLanguages() const override { return displayLanguages; }
    void LanguageChanged() override { calls.push_back("language " + std::string(CurrentLanguage().tag)); }
    std::vector<std::string> displayLanguages;
};

class FixedTime : public TimeSource {
public:
    LocalTime now{2026, 12, 9, 10, 0, 0, 0};
    LocalTime Now() const override { return now; }
    LocalTime UtcNow() const override { return now; }
};

// Records what the settings window asks of the display windows. Their
// creation goes into the start-up log beside the host's calls (with the
// title the countdown would show), everything after into `calls`.
class RecordingDisplays : public DisplayWindowControl {
public:
    RecordingDisplays(std::vector<std::string>& startupLog, const Settings& settings)
        : startupLog_(startupLog), settings_(settings) {}
    void CreateDisplayWindows() override {
        created = true;
        startupLog_.push_back("displays:" + settings_.CountText);
    }
    void Rebuild(DisplayWindowId window) override { Record("rebuild", window); }
    void SetVisible(DisplayWindowId window, bool visible) override {
        Record(visible ? "show" : "hide", window);
    }
    void NewClockVelocity() override {
        calls.push_back(created ? "velocity" : "early velocity");
    }
    void Wake(DisplayWindowId window) override { Record("wake", window); }
    SizeI FaceSize(DisplayWindowId window) const override { return faceSizes[static_cast<int>(window)]; }
    void PlaceAt(DisplayWindowId window, PointI leftTop) override {
        Record("place", window);
        placedAt[static_cast<int>(window)] = leftTop;
    }
    void AddClock(int number, int beside) override {
        calls.push_back("add clock " + std::to_string(number) + " beside " + std::to_string(beside));
    }
    void AddStoredClock(int number) override { calls.push_back("add stored clock " + std::to_string(number)); }
    void RemoveClock(int number) override { calls.push_back("remove clock " + std::to_string(number)); }
    void LanguageChanged() override { calls.push_back("language"); }
    void ChooseClock(int number) override { chosenClock = number; }
    int Count(const std::string& call) const { return static_cast<int>(std::count(calls.begin(), calls.end(), call)); }

    bool created = false;
    int chosenClock = 1;
    std::vector<std::string> calls;
    // Clock, countdown, calendar: the first start's faces at 96 DPI.
    std::array<SizeI, 3> faceSizes{SizeI{196, 28}, SizeI{208, 64}, SizeI{182, 200}};
    std::array<PointI, 3> placedAt{};

private:
    void Record(const char* what, DisplayWindowId window) {
        static constexpr const char* kNames[] = {"clock", "countdown", "calendar"};
        // A display window reached before it exists would crash the program.
        // The clock's calls reach the chosen clock, named when not the first.
        const bool other = window == DisplayWindowId::Clock && chosenClock != 1;
        calls.push_back(std::string(created ? "" : "early ") + what + " " + kNames[static_cast<int>(window)] +
                        (other ? " " + std::to_string(chosenClock) : ""));
    }
    std::vector<std::string>& startupLog_;
    const Settings& settings_;
};

class FakeAddView final : public AddDialogView {
public:
    std::string title;
    CivilDate date;
    TimeOfDay time;
    CountRepeat repeat = CountRepeat::Never;
    bool closed = false;
    std::string Title() const override { return title; }
    CivilDate Date() const override { return date; }
    TimeOfDay Time() const override { return time; }
    CountRepeat Repeat() const override { return repeat; }
    void SetDate(CivilDate d) override { date = d; }
    void SetTime(TimeOfDay t) override { time = t; }
    void Close() override { closed = true; }
};

// Every character of the dialog's text is as wide as the font's em.
class EmWideMeasurer final : public TextMeasurer {
public:
    SizeI Measure(const std::string&, int pixels, const std::string& text) override {
        return {static_cast<int>(text.size()) * pixels, pixels};
    }
};

class FakeDeleteView final : public DeleteDialogView {
public:
    std::string text = "Selected";
    bool closed = false;
    double width = 231 * 8;  // room for 231 characters of 8 pixels
    EmWideMeasurer measurer;
    std::string when;
    void SetSelectedText(const std::string& t) override { text = t; }
    void SetWhenText(const std::string& t) override { when = t; }
    double SelectedTextWidth() const override { return width; }
    FontChoice SelectedTextFont() const override { return {"Microsoft Sans Serif", 8, false}; }
    TextMeasurer& Measurer() override { return measurer; }
    void Close() override { closed = true; }
};

// Each open makes a new dialog with its own view, as the real window does.
class FakeDialogs final : public CountListDialogs {
public:
    struct Add {
        FakeAddView view;
        std::unique_ptr<TOKBottomDlg1> dialog;
    };
    struct Delete {
        FakeDeleteView view;
        std::unique_ptr<TOKBottomDlg> dialog;
    };
    void OpenAddDialog(const CountListContext& context, std::optional<CivilDate> day) override {
        Add& add = adds.emplace_back();
        add.dialog = std::make_unique<TOKBottomDlg1>(context, add.view);
        add.dialog->FormCreate(day);
    }
    void OpenDeleteDialog(const CountListContext& context) override {
        Delete& del = deletes.emplace_back();
        del.dialog = std::make_unique<TOKBottomDlg>(context, del.view);
        del.dialog->FormCreate();
    }
    std::deque<Add> adds;
    std::deque<Delete> deletes;
};

// A few of the system's zones, in the registry's order (by key name).
struct FakeZones final : ZoneCatalog {
    mutable int asked = 0;
    std::vector<ZoneChoice> Zones() const override {
        ++asked;
        return {{"GMT Standard Time", "(UTC+00:00) London", 0}, {"Pacific Standard Time", "(UTC-08:00) Pacific", 480},
                {"Tokyo Standard Time", "(UTC+09:00) Tokyo", -540}, {"UTC", "(UTC) Coordinated Universal Time", 0}};
    }
};

// A settings window with every fake behind it.
struct SettingsWindowRig {
    MemoryStore store;
    Settings settings;
    RecordingHost host;
    FixedTime time;
    RecordingDisplays displays{host.calls, settings};
    FakeDialogs dialogs;
    Locale locale = EnglishUnitedStates();
    FakeZones zones;
    TForm2 form{SettingsWindowLinks{settings, store, host, time, displays, dialogs, locale, zones}};

    FakeControls& controls() { return host.controls; }
};

}  // namespace zentrova::test
