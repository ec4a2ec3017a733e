#include "platform/count_dialog_windows.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/wide_text.h"
#include "platform/win32_controls.h"

namespace zentrova::platform {
namespace {

const DialogControlEntry& SelectedTextEntry() {
    const DialogLayout& layout = DeleteDialogLayout();
    return layout.controls.front();  // StaticText1
}

SYSTEMTIME PickerTime(HWND picker) {
    SYSTEMTIME time{};
    if (SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID) GetLocalTime(&time);
    return time;
}

void SetPickerTime(HWND picker, const SYSTEMTIME& time) {
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

}  // namespace

AddDialogWindow::AddDialogWindow(HWND owner, const CountListContext& context, std::optional<CivilDate> day)
    : logic_(context, *this),
      window_(owner, AddDialogLayout(), [this] { logic_.OKBtnClick(); }, [this] { logic_.CancelBtnClick(); }) {
    HWND repeat = window_.Control("ComboBox1");
    for (std::string_view choice : RepeatChoices())
        SendMessageW(repeat, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(std::string(choice)).c_str()));
    SendMessageW(repeat, CB_SETCURSEL, 0, 0);
    logic_.FormCreate(day);
    window_.ShowCentred();
}

std::string AddDialogWindow::Title() const {
    return WindowText(window_.Control("Edit1"));
}

CivilDate AddDialogWindow::Date() const {
    const SYSTEMTIME date = PickerTime(window_.Control("DateTimePicker1"));
    return {date.wYear, date.wMonth, date.wDay};
}

TimeOfDay AddDialogWindow::Time() const {
    const SYSTEMTIME time = PickerTime(window_.Control("DateTimePicker2"));
    return {time.wHour, time.wMinute, time.wSecond};
}

void AddDialogWindow::SetDate(CivilDate date) {
    SYSTEMTIME time = PickerTime(window_.Control("DateTimePicker1"));
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDay = static_cast<WORD>(date.day);
    SetPickerTime(window_.Control("DateTimePicker1"), time);
}

void AddDialogWindow::SetTime(TimeOfDay timeOfDay) {
    SYSTEMTIME time = PickerTime(window_.Control("DateTimePicker2"));
    time.wHour = static_cast<WORD>(timeOfDay.hour);
    time.wMinute = static_cast<WORD>(timeOfDay.minute);
    time.wSecond = static_cast<WORD>(timeOfDay.second);
    time.wMilliseconds = 0;
    SetPickerTime(window_.Control("DateTimePicker2"), time);
}

CountRepeat AddDialogWindow::Repeat() const {
    const LRESULT chosen = SendMessageW(window_.Control("ComboBox1"), CB_GETCURSEL, 0, 0);
    if (chosen < 0 || chosen > kCountRepeatLast) return CountRepeat::Never;
    return static_cast<CountRepeat>(chosen);
}

DeleteDialogWindow::DeleteDialogWindow(HWND owner, const CountListContext& context)
    : logic_(context, *this),
      window_(owner, DeleteDialogLayout(), [this] { logic_.OKBtnClick(); }, [this] { logic_.CancelBtnClick(); }) {
    logic_.FormCreate();
    window_.ShowCentred();
}

void DeleteDialogWindow::SetSelectedText(const std::string& text) {
    SetWindowTextW(window_.Control("StaticText1"), Widen(text).c_str());
}

void DeleteDialogWindow::SetWhenText(const std::string& text) {
    SetWindowTextW(window_.Control("StaticText3"), Widen(text).c_str());
}

double DeleteDialogWindow::SelectedTextWidth() const {
    return window_.PlaceOf(SelectedTextEntry().name).width;
}

FontChoice DeleteDialogWindow::SelectedTextFont() const {
    const DialogLayout& layout = DeleteDialogLayout();
    return {window_.FontFamily(), window_.Scale().Pixels(layout.fontPixels), false};
}

void Win32CountListDialogs::OpenAddDialog(const CountListContext& context, std::optional<CivilDate> day) {
    FreeClosedDialogs();
    dialogs_.push_back(std::make_unique<AddDialogWindow>(owner_, context, day));
}

void Win32CountListDialogs::OpenDeleteDialog(const CountListContext& context) {
    FreeClosedDialogs();
    dialogs_.push_back(std::make_unique<DeleteDialogWindow>(owner_, context));
}

void Win32CountListDialogs::FreeClosedDialogs() {
    std::erase_if(dialogs_, [](const auto& dialog) { return dialog->Hidden(); });
}

}  // namespace zentrova::platform
