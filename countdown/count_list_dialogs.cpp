#include "countdown/count_list_dialogs.h"

#include <algorithm>

#include "app/program_names.h"
#include "clock/date_time_format.h"
#include "settings/settings_store.h"

namespace zentrova {
namespace {

void PointCountdownAtSelection(const CountListContext& context) {
    Settings& settings = context.settings;
    settings.CountIndex = context.titles.SelectedIndex();
    settings.CountText = settings.SelectedEntry().title;
    context.displays.Rebuild(DisplayWindowId::Countdown);
}

}  // namespace

std::string SelectedEntryText(const std::string& title) { return "Selected \"" + title + " \""; }

bool AppendCountEntry(Settings& settings, CountEntry entry) {
    if (settings.CountMax < 0 || settings.CountMax >= kCountMaxEntries) return false;
    settings.CountList[settings.CountMax] = std::move(entry);
    settings.CountMax += 1;
    return true;
}

void DeleteSelectedCountEntry(Settings& settings) {
    const int count = std::clamp(settings.CountMax, 1, kCountMaxEntries);
    const int selected = std::clamp(settings.CountIndex, 0, count - 1);
    for (int i = selected; i < count - 1; ++i) settings.CountList[i] = settings.CountList[i + 1];
    settings.CountIndex = selected > 0 ? selected - 1 : 0;
    settings.CountMax = std::max(count - 1, 1);
}

void FillTitleList(ListControl& titles, const Settings& settings, const Locale& locale) {
    titles.Clear();
    for (int i = 0; i < settings.CountMax && i < kCountSlots; ++i) {
        const CountEntry& entry = settings.CountList[i];
        titles.Append(CountEntryLine(entry.title, entry.date, entry.time, locale));
    }
}

void TOKBottomDlg1::FormCreate() {
    const LocalTime now = context_.time.Now();
    view_.SetDate({now.year, now.month, now.day});
    view_.SetTime({now.hour, now.minute, now.second});
}

void TOKBottomDlg1::OKBtnClick() {
    Settings& settings = context_.settings;
    const CivilDate date = view_.Date();
    const TimeOfDay time = view_.Time();
    CountEntry entry{view_.Title(), EncodeDate(date.year, date.month, date.day),
                     EncodeTime(time.hour, time.minute, time.second)};

    // A full list refuses the entry, so the list, the title list and the
    // store stay in step; the dialog stays open for the user to cancel.
    if (settings.CountMax >= kCountMaxEntries) {
        context_.host.ShowMessage(kCountListFullMessage);
        return;
    }
    // The same line as the stored entries', so every line reads alike.
    context_.titles.Append(CountEntryLine(entry.title, entry.date, entry.time, context_.locale));
    const int added = settings.CountMax;
    context_.titles.Select(added);
    AppendCountEntry(settings, std::move(entry));
    // A key that cannot be opened writes nothing, silently; a value that
    // cannot be written is reported, and memory keeps the change.
    if (StoreError error = WriteListAfterAdd(context_.store, settings, context_.titles.SelectedIndex()))
        context_.host.ShowError(*error);
    PointCountdownAtSelection(context_);
    view_.Close();
}

void TOKBottomDlg::FormCreate() { view_.SetSelectedText(SelectedEntryText(context_.settings.SelectedEntry().title)); }

void TOKBottomDlg::OKBtnClick() {
    Settings& settings = context_.settings;
    DeleteSelectedCountEntry(settings);
    if (StoreError error = WriteListAfterDelete(context_.store, settings)) context_.host.ShowError(*error);
    FillTitleList(context_.titles, settings, context_.locale);
    context_.titles.Select(settings.CountIndex);
    PointCountdownAtSelection(context_);
    view_.Close();
}

}  // namespace zentrova
