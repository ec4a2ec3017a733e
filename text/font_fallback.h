#pragma once
// Choosing the family that draws a text when the chosen family lacks some of
// its characters. GDI+ does not link fonts by itself everywhere, so the
// program picks one family per text and both measures and draws the text in
// it: the "..." fit and the box sizes then match what is drawn.

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace zentrova {

// How many of a text's characters `family` lacks; -1 when it is not
// installed.
using MissingCount = std::function<int(const std::string& family)>;

// `chosen` when it has every character (or is all there is to go on); else
// the first of `fallbacks` that has them all, else the one lacking the
// fewest, as long as it lacks fewer than `chosen`.
std::string PickFamily(const std::string& chosen, std::span<const std::string> fallbacks, const MissingCount& missing);

// The family names in the system's font link entries ("FILE.TTC,Family"
// with optional scaling numbers after), in order; entries that name only a
// file are passed over.
std::vector<std::string> LinkedFamilies(std::span<const std::string> entries);

}  // namespace zentrova
