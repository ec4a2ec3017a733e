#include "platform/display_ticker.h"

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace zentrova::platform {
namespace {

constexpr char kTickerClass[] = "ZentrovaDisplayTicker";
constexpr UINT_PTR kTimerId = 1;

// Milliseconds of a steady clock finer than the system tick (GetTickCount64
// moves in steps of about 16 ms on Windows), so that ticks due together are
// told apart from those due a step later.
std::int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

DisplayTicker::DisplayTicker() {
    WindowOptions entry;
    entry.className = kTickerClass;
    entry.owner = HWND_MESSAGE;
    CreateWindowFrom(entry);
}

DisplayTicker::~DisplayTicker() {
    if (Handle() && armedMs_ != 0) KillTimer(Handle(), kTimerId);
}

int DisplayTicker::Join(std::function<void()> tick) {
    const int client = nextClient_++;
    clients_[client] = std::move(tick);
    return client;
}

void DisplayTicker::Leave(int client) {
    clients_.erase(client);
    schedule_.Remove(client);
    if (!firing_) Arm();
}

void DisplayTicker::Set(int client, int periodMs, bool restart) {
    schedule_.Set(client, periodMs, NowMs(), restart);
    // While the ticks run, the timer is pointed once they are done.
    if (!firing_) Arm();
}

void DisplayTicker::Arm() {
    if (!Handle()) return;
    const std::optional<int> next = schedule_.NextDelay(NowMs());
    if (!next) {
        if (armedMs_ != 0) KillTimer(Handle(), kTimerId);
        armedMs_ = 0;
        return;
    }
    // A periodic timer already at that period fires on time by itself.
    const int delay = std::max(*next, static_cast<int>(USER_TIMER_MINIMUM));
    if (delay == armedMs_) return;
    SetTimer(Handle(), kTimerId, static_cast<UINT>(delay), nullptr);
    armedMs_ = delay;
}

void DisplayTicker::Fire() {
    firing_ = true;
    for (int client : schedule_.TakeDue(NowMs())) {
        // A tick may end another client (a clock removed).
        const auto found = clients_.find(client);
        if (found != clients_.end()) found->second();
    }
    firing_ = false;
    Arm();
}

LRESULT DisplayTicker::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kTimerId) {
        Fire();
        return 0;
    }
    return WindowBase::HandleMessage(message, wParam, lParam);
}

}  // namespace zentrova::platform
