#pragma once
// The calendar's day window on screen: a small bordered popup holding a
// list box of the day's lines, so that screen readers read them as list
// items and the system's (high-contrast) colours apply. Escape, a click
// elsewhere or the pointer away for a second closes it; Enter or a click
// on the last line opens the add dialog on the day.

#include <windows.h>

#include <functional>

#include "calendar/day_window.h"
#include "platform/win32_handles.h"
#include "platform/window_base.h"

namespace zentrova::platform {

class DayPopup final : public WindowBase, public DayWindowHost {
public:
    // `calendar` is the window whose day was clicked: the pointer may rest on
    // it without closing the popup. `owner` is the program's hidden window:
    // owned by the calendar, the popup would lift a calendar kept on the
    // desktop above other windows when it comes up. `addEventOn` opens the
    // add dialog on a day.
    DayPopup(HWND calendar, HWND owner, std::function<void(CivilDate)> addEventOn);
    ~DayPopup() override;

    void Open(const DayWindowContent& content, const RectI& dayCell, DpiScale scale) override;
    void Close() override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR self);
    // Acts on line `index`: the last one adds an event, the others do nothing.
    void Choose(int index);
    int WidestLine() const;
    void Activate();
    bool PointerInside() const;

    HWND calendar_;
    HWND list_ = nullptr;
    UniqueFont font_;
    std::function<void(CivilDate)> addEventOn_;
    DayWindowContent content_;
    PointerAway away_;
};

}  // namespace zentrova::platform
