#pragma once
// The countdown list's add dialog (TOKBottomDlg1) and delete dialog
// (TOKBottomDlg). Each keeps three things in step: the in-memory list, the
// settings window's title list and the stored list; then it points the
// countdown window at the selected entry.

#include <string>

#include "clock/locale.h"
#include "face/services.h"
#include "settings/date_time.h"
#include "settings/key_value_store.h"
#include "settings/settings.h"
#include "settings/settings_controls.h"
#include "settings/settings_window_host.h"

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
    virtual void SetDate(CivilDate date) = 0;
    virtual void SetTime(TimeOfDay time) = 0;
    virtual void Close() = 0;  // hides the dialog
};

class DeleteDialogView {
public:
    virtual ~DeleteDialogView() = default;
    virtual void SetSelectedText(const std::string& text) = 0;
    virtual void Close() = 0;
};

// The add dialog: a title, a date and a time, appended as a new entry.
class TOKBottomDlg1 {
public:
    TOKBottomDlg1(const CountListContext& context, AddDialogView& view) : context_(context), view_(view) {}
    void FormCreate();  // today's date, the current time of day
    // Appends the entry, selects it, writes it, then closes. A full list
    // refuses with a message and keeps the dialog open.
    void OKBtnClick();
    void CancelBtnClick() { view_.Close(); }

private:
    CountListContext context_;
    AddDialogView& view_;
};

// The delete dialog: removes the entry selected when OK is pressed.
class TOKBottomDlg {
public:
    TOKBottomDlg(const CountListContext& context, DeleteDialogView& view) : context_(context), view_(view) {}
    void FormCreate();  // names the entry selected now
    void OKBtnClick();
    void CancelBtnClick() { view_.Close(); }

private:
    CountListContext context_;
    DeleteDialogView& view_;
};

// The delete dialog's text for a title: Selected "<title> ".
std::string SelectedEntryText(const std::string& title);

// Appends an entry after the last one; false, changing nothing, when the
// list already holds the most entries it may.
bool AppendCountEntry(Settings& settings, CountEntry entry);
// Removes the selected entry, closing the gap; the selection moves to the
// entry before it. A one-entry list keeps its entry.
void DeleteSelectedCountEntry(Settings& settings);

// Refills the title list, a CountEntryLine per entry.
void FillTitleList(ListControl& titles, const Settings& settings, const Locale& locale);

}  // namespace zentrova
