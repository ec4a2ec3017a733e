#pragma once
// Choosing the family that draws a text when the chosen family lacks some of
// its characters. GDI+ does not link fonts by itself everywhere, so the
// program picks one family per text and both measures and draws the text in
// it: the "..." fit and the box sizes then match what is drawn.

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zentrova {

// How many of a text's characters `family` lacks; -1 when it is not
// installed.
using MissingCount = std::function<int(const std::string& family)>;

// `chosen` when it has every character (or is all there is to go on); else
// the first of `fallbacks` that has them all, else the one lacking the
// fewest, as long as it lacks fewer than `chosen`.
std::string PickFamily(const std::string& chosen, std::span<const std::string> fallbacks, const MissingCount& missing);

// Whether `family` is installed and draws `character` (one character with
// its marks).
using HasCharacter = std::function<bool(const std::string& family, std::string_view character)>;

struct FontRun {
    std::string family;
    std::string text;
    friend bool operator==(const FontRun&, const FontRun&) = default;
};

// A text no one family draws whole, split into runs: each character stays
// in `chosen` when it has it, else goes to the first of `fallbacks` that
// has it (else stays, and shows as a box); neighbours of one family share a
// run. A character is never split from its marks.
std::vector<FontRun> SplitIntoRuns(std::string_view text, const std::string& chosen,
                                   std::span<const std::string> fallbacks, const HasCharacter& has);

// The family names in the system's font link entries ("FILE.TTC,Family"
// with optional scaling numbers after), in order; entries that name only a
// file are passed over.
std::vector<std::string> LinkedFamilies(std::span<const std::string> entries);

}  // namespace zentrova
