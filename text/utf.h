#pragma once
// Text is UTF-8 inside the program and UTF-16 at the Windows boundary. The
// conversion is lossless both ways for anything Windows can hold: a UTF-16
// unit that is half of no pair (Windows accepts those in names and values)
// becomes the three-byte form of its own code unit, as if it were a code
// point, and comes back as that same unit. Bytes that form no UTF-8
// sequence at all become U+FFFD, one for each maximal invalid part. (Two
// such three-byte halves in a row come back as the pair they make.)
//
// Cuts never split a UTF-8 sequence, nor a letter from the combining marks,
// joiners and variation selectors that follow it.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zentrova {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// The byte offset of the first place after `at` where `utf8` may be cut:
// past the character starting at `at` and every mark attached to it.
// `utf8.size()` at the end.
std::size_t NextCut(std::string_view utf8, std::size_t at);
// Every place `utf8` may be cut, from 0 to its size, in order.
std::vector<std::size_t> CutPoints(std::string_view utf8);
// The longest beginning of `utf8` that ends at a cut and holds at most
// `maxCodePoints` code points.
std::string_view FirstCodePoints(std::string_view utf8, std::size_t maxCodePoints);
// The first character with its marks; empty for an empty text.
std::string_view FirstCharacter(std::string_view utf8);

}  // namespace zentrova
