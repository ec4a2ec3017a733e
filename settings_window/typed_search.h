#pragma once
// Typing in a list that takes no typed text of its own (the zone list, the
// formats): the letters typed in quick succession find the item in which
// any word starts with them, so "tok" finds "(UTC+09:00) Osaka, Sapporo,
// Tokyo" although every zone's name starts with "(UTC".

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zentrova {

// Letters typed further apart than this start a new search.
inline constexpr std::int64_t kTypedSearchPauseMs = 1000;

struct TypedSearch {
    std::string typed;  // the letters so far, UTF-8
    std::int64_t lastMs = 0;
};

// True when a word of `item` starts with `typed`, ignoring the case of
// ASCII letters. Words are runs of letters and digits.
bool AnyWordStartsWith(std::string_view item, std::string_view typed);

// Takes `letter` (one character, UTF-8) typed at `nowMs` and gives the item
// to choose, or -1 for none. A first letter looks from the item after
// `current`, so typing it again steps through its items; further letters
// look from `current` on.
int TypeLetter(TypedSearch& search, std::string_view letter, std::int64_t nowMs, std::span<const std::string> items,
               int current);

}  // namespace zentrova
