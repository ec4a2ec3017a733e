#pragma once
// The countdown list's add dialog (TOKBottomDlg1) and delete dialog
// (TOKBottomDlg). Each keeps three things in step: the in-memory list, the
// settings window's title list and the stored list; then it points the
// countdown window at the selected entry.

#include <optional>
#include <string>

#include "clock/locale.h"
#include "face/frame.h"
#include "face/services.h"
#include "settings/date_time.h"
#include "settings/key_value_store.h"
#include "settings/settings.h"
#include "settings_window/settings_controls.h"
#include "settings_window/settings_window_host.h"

namespace zentrova {

// What both dialogs work on, handed over by the settings window.
struct CountListContext {
    Settings& settings;
    ListControl& titles;  // the settings window's title list, a line per entry
    KeyValueStore& store;
    DisplayWindowControl& displays;
    const Locale& locale;
    TimeSource& time;
    SettingsWindowHost& host;  // error and message boxes
};

class AddDialogView {
public:
    virtual ~AddDialogView() = default;
    virtual std::string Title() const = 0;
    virtual CivilDate Date() const = 0;
    virtual TimeOfDay Time() const = 0;
    virtual CountRepeat Repeat() const = 0;  // the "Repeat" list
    virtual void SetDate(CivilDate date) = 0;
    virtual void SetTime(TimeOfDay time) = 0;
    virtual void Close() = 0;  // hides the dialog
};

class DeleteDialogView {
public:
    virtual ~DeleteDialogView() = default;
    virtual void SetSelectedText(const std::string& text) = 0;
    virtual void SetWhenText(const std::string& text) = 0;  // the entry's date and time
    // The text's lines: their width in pixels, its font and a measurer of it.
    virtual double SelectedTextWidth() const = 0;
    virtual FontChoice SelectedTextFont() const = 0;
    virtual TextMeasurer& Measurer() = 0;
    virtual void Close() = 0;
};

// The add dialog: a title, a date and a time, appended as a new entry.
class TOKBottomDlg1 {
public:
    TOKBottomDlg1(const CountListContext& context, AddDialogView& view) : context_(context), view_(view) {}
    // The next whole hour, on `day` when one is given (a day chosen on the
    // calendar), else on its own date.
    void FormCreate(std::optional<CivilDate> day = std::nullopt);
    // Appends the entry, selects it, writes it, then closes. A full list
    // refuses with a message and keeps the dialog open.
    void OKBtnClick();
    void CancelBtnClick() { view_.Close(); }

private:
    CountListContext context_;
    AddDialogView& view_;
};

// The delete dialog: removes the entry it names, the one selected when it
// opened, wherever that entry is when OK is pressed. The dialog does not
// block the settings window, so the selection may have moved meanwhile.
class TOKBottomDlg {
public:
    TOKBottomDlg(const CountListContext& context, DeleteDialogView& view) : context_(context), view_(view) {}
    void FormCreate();  // names the entry selected now, on two lines, and its date
    // Deletes the named entry; if another dialog has deleted it already,
    // deletes nothing and says so.
    void OKBtnClick();
    void CancelBtnClick() { view_.Close(); }

private:
    CountListContext context_;
    DeleteDialogView& view_;
    CountEntry named_;
    int namedIndex_ = 0;
};

// The delete dialog's text for a title: Selected "<title> ".
std::string SelectedEntryText(const std::string& title);
// The same text on up to two lines of `width`, the title cut with an
// ellipsis where the whole does not fit.
std::string FittedSelectedEntryText(const std::string& title, const FontChoice& font, double width,
                                    TextMeasurer& measurer);

// Where `entry` now stands in the list: at `likelyIndex` if it is still
// there, else the first equal entry; -1 when it is gone.
int FindCountEntry(const Settings& settings, const CountEntry& entry, int likelyIndex);

// The date and time the add dialog starts at: the first whole hour after `now`.
LocalTime NextWholeHour(const LocalTime& now);

// Appends an entry after the last one; false, changing nothing, when the
// list already holds the most entries it may.
bool AppendCountEntry(Settings& settings, CountEntry entry);
// Removes entry `index`, closing the gap. Deleting the selected entry moves
// the selection to the entry before it; any other keeps the selected entry
// selected. A one-entry list keeps its entry.
void DeleteCountEntry(Settings& settings, int index);
void DeleteSelectedCountEntry(Settings& settings);

// Refills the title list, a CountEntryLine per entry.
void FillTitleList(ListControl& titles, const Settings& settings, const Locale& locale);

}  // namespace zentrova
