#include "countdown/count_list_dialogs.h"

#include <algorithm>

#include "app/program_names.h"
#include "clock/date_time_format.h"
#include "face/text_fit.h"
#include "settings/settings_store.h"
#include "language/texts.h"

namespace zentrova {
namespace {

void PointCountdownAtSelection(const CountListContext& context) {
    Settings& settings = context.settings;
    settings.CountIndex = context.titles.SelectedIndex();
    settings.CountText = settings.SelectedEntry().title;
    context.displays.Rebuild(DisplayWindowId::Countdown);
}

}  // namespace

std::string SelectedEntryText(const std::string& title) { return Tr(TextId::DialogSelectedTitle, {title}); }

std::string FittedSelectedEntryText(const std::string& title, const FontChoice& font, double width,
                                    TextMeasurer& measurer) {
    const auto [before, after] = TrAround(TextId::DialogSelectedTitle);
    return FitOnTwoLines(title, font, width, measurer, before, after);
}

int FindCountEntry(const Settings& settings, const CountEntry& entry, int likelyIndex) {
    const int count = std::clamp(settings.CountMax, 0, kCountMaxEntries);
    if (likelyIndex >= 0 && likelyIndex < count && settings.CountList[likelyIndex] == entry) return likelyIndex;
    for (int i = 0; i < count; ++i)
        if (settings.CountList[i] == entry) return i;
    return -1;
}

LocalTime NextWholeHour(const LocalTime& now) {
    if (now.hour < 23) return {now.year, now.month, now.day, now.hour + 1, 0, 0, 0};
    const CivilDate tomorrow = DecodeDate(EncodeDate(now.year, now.month, now.day) + 1);
    return {tomorrow.year, tomorrow.month, tomorrow.day, 0, 0, 0, 0};
}

bool AppendCountEntry(Settings& settings, CountEntry entry) {
    if (settings.CountMax < 0 || settings.CountMax >= kCountMaxEntries) return false;
    settings.CountList[settings.CountMax] = std::move(entry);
    settings.CountMax += 1;
    return true;
}

void DeleteCountEntry(Settings& settings, int index) {
    const int count = std::clamp(settings.CountMax, 1, kCountMaxEntries);
    const int deleted = std::clamp(index, 0, count - 1);
    const int selected = std::clamp(settings.CountIndex, 0, count - 1);
    for (int i = deleted; i < count - 1; ++i) settings.CountList[i] = settings.CountList[i + 1];
    if (count > 1 && deleted <= selected) settings.CountIndex = std::max(selected - 1, 0);
    else settings.CountIndex = selected;
    settings.CountMax = std::max(count - 1, 1);
}

void DeleteSelectedCountEntry(Settings& settings) { DeleteCountEntry(settings, settings.CountIndex); }

void FillTitleList(ListControl& titles, const Settings& settings, const Locale& locale) {
    titles.Clear();
    for (int i = 0; i < settings.CountMax && i < kCountSlots; ++i) {
        const CountEntry& entry = settings.CountList[i];
        titles.Append(CountEntryLine(entry.title, entry.date, entry.time, locale));
    }
}

void TOKBottomDlg1::FormCreate(std::optional<CivilDate> day) {
    // An event at the current second would have passed by the time OK is
    // pressed.
    const LocalTime start = NextWholeHour(context_.time.Now());
    view_.SetDate(day.value_or(CivilDate{start.year, start.month, start.day}));
    view_.SetTime({start.hour, start.minute, start.second});
}

void TOKBottomDlg1::OKBtnClick() {
    Settings& settings = context_.settings;
    const CivilDate date = view_.Date();
    const TimeOfDay time = view_.Time();
    CountEntry entry{view_.Title(), EncodeDate(date.year, date.month, date.day),
                     EncodeTime(time.hour, time.minute, time.second), view_.Repeat()};

    // A full list refuses the entry, so the list, the title list and the
    // store stay in step; the dialog stays open for the user to cancel.
    if (settings.CountMax >= kCountMaxEntries) {
        context_.host.ShowMessage(std::string(Tr(TextId::CountListFull)));
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
    // Another copy of the program may have changed the list meanwhile.
    FillTitleList(context_.titles, settings, context_.locale);
    context_.titles.Select(settings.CountIndex);
    PointCountdownAtSelection(context_);
    view_.Close();
}

void TOKBottomDlg::FormCreate() {
    named_ = context_.settings.SelectedEntry();
    namedIndex_ = context_.settings.CountIndex;
    view_.SetSelectedText(
        FittedSelectedEntryText(named_.title, view_.SelectedTextFont(), view_.SelectedTextWidth(), view_.Measurer()));
    // Two entries may share a title; the date tells them apart.
    view_.SetWhenText(CountEntryWhen(named_.date, named_.time, context_.locale));
}

void TOKBottomDlg::OKBtnClick() {
    Settings& settings = context_.settings;
    const int index = FindCountEntry(settings, named_, namedIndex_);
    if (index < 0) {
        context_.host.ShowMessage(std::string(Tr(TextId::CountEntryGone)));
        view_.Close();
        return;
    }
    const CountEntry deleted = settings.CountList[index];
    DeleteCountEntry(settings, index);
    if (StoreError error = WriteListAfterDelete(context_.store, settings, deleted)) context_.host.ShowError(*error);
    FillTitleList(context_.titles, settings, context_.locale);
    context_.titles.Select(settings.CountIndex);
    PointCountdownAtSelection(context_);
    view_.Close();
}

}  // namespace zentrova
