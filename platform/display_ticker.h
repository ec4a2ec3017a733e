#pragma once
// One system timer for the ticks of every display window (see
// face/tick_schedule.h), on a message-only window of its own.

#include <windows.h>

#include <functional>
#include <map>

#include "face/tick_schedule.h"
#include "platform/window_base.h"

namespace zentrova::platform {

class DisplayTicker final : public WindowBase {
public:
    DisplayTicker();
    ~DisplayTicker() override;

    // A new client, ticked through `tick` once it is set; its number, never 0.
    int Join(std::function<void()> tick);
    void Leave(int client);
    // As TickSchedule::Set.
    void Set(int client, int periodMs, bool restart);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Points the system timer at the next tick due, unless it already is.
    void Arm();
    void Fire();

    TickSchedule schedule_;
    std::map<int, std::function<void()>> clients_;
    int nextClient_ = 1;
    int armedMs_ = 0;  // the system timer's period; 0 while it is off
    bool firing_ = false;
};

}  // namespace zentrova::platform
