#pragma once
// What a screen reader hears of the countdown besides its caption: the
// title and the time left, in words it can speak.

#include <string>
#include <string_view>

#include "countdown/remaining_time.h"

namespace zentrova {

// "Title: 15 days, 4 hours, 39 minutes". Units that are zero are left out;
// seconds are said only in the last minute, so the value changes once a
// minute rather than every second. A passed event reads "Title: 2 days,
// 3 hours ago", counted up from the event (the face's borrowed fields of a
// passed event mix signs, which no one could say); the moment itself
// "Title: now".
std::string CountdownSpokenValue(std::string_view title, const CountdownFields& now, const CountdownFields& event);

// True while the event still lies ahead of `now`.
bool CountdownAhead(const CountdownFields& now, const CountdownFields& event);

// Said once when the countdown reaches its event.
std::string CountdownReachedText(std::string_view title);

}  // namespace zentrova
