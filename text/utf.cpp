#include "text/utf.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace zentrova {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct CodePoint {
    char32_t value;
    std::size_t length;  // bytes taken, at least 1
};

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes the sequence at `at`. A lone surrogate's three-byte form decodes
// to that surrogate. Overlong forms, values past U+10FFFF and truncated
// sequences give U+FFFD for their longest valid-looking beginning.
CodePoint DecodeAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return {kReplacement, 1};
    }
    std::size_t taken = 1;
    for (; taken < length; ++taken) {
        if (at + taken >= text.size()) return {kReplacement, taken};
        const auto next = static_cast<unsigned char>(text[at + taken]);
        if (!IsContinuation(next)) return {kReplacement, taken};
        value = (value << 6) | (next & 0x3F);
        // Reject an overlong or out-of-range form as soon as its second byte shows it.
        if (taken == 1 && length > 2 && (value << (6 * (length - 2))) < minimum) return {kReplacement, 1};
        if (taken == 1 && length == 4 && (value << 12) > 0x10FFFF) return {kReplacement, 1};
    }
    return {value, length};
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Code points that belong to the character before them. Not the whole of
// Unicode's Mark category: the combining blocks and the marks of the
// scripts most likely in a title, joiners, variation selectors and emoji
// skin tones, so that a cut never leaves an accent or half a glyph cluster.
struct Range {
    char32_t first;
    char32_t last;
};
constexpr Range kAttached[] = {
    {0x0300, 0x036F},   {0x0483, 0x0489},   {0x0591, 0x05BD},   {0x05BF, 0x05C7},   {0x0610, 0x061A},
    {0x064B, 0x065F},   {0x0670, 0x0670},   {0x06D6, 0x06DC},   {0x06DF, 0x06E4},   {0x06E7, 0x06ED},
    {0x0900, 0x0903},   {0x093A, 0x094F},   {0x0951, 0x0957},   {0x0962, 0x0963},   {0x0981, 0x0983},
    {0x09BC, 0x09D7},   {0x0E31, 0x0E31},   {0x0E34, 0x0E3A},   {0x0E47, 0x0E4E},   {0x1AB0, 0x1AFF},
    {0x1DC0, 0x1DFF},   {0x200C, 0x200D},   {0x20D0, 0x20FF},   {0x302A, 0x302F},   {0x3099, 0x309A},
    {0xFE00, 0xFE0F},   {0xFE20, 0xFE2F},   {0x1F3FB, 0x1F3FF}, {0xE0020, 0xE007F}, {0xE0100, 0xE01EF},
};

bool IsAttached(char32_t c) {
    const auto* range = std::lower_bound(std::begin(kAttached), std::end(kAttached), c,
                                         [](const Range& r, char32_t value) { return r.last < value; });
    return range != std::end(kAttached) && c >= range->first;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const CodePoint c = DecodeAt(utf8, at);
        at += c.length;
        if (c.value >= 0x10000) {
            const char32_t v = c.value - 0x10000;
            out += static_cast<char16_t>(0xD800 + (v >> 10));
            out += static_cast<char16_t>(0xDC00 + (v & 0x3FF));
        } else {
            out += static_cast<char16_t>(c.value);
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t c = utf16[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (utf16[++i] - 0xDC00);
        AppendUtf8(out, c);  // an unpaired surrogate keeps its own three bytes
    }
    return out;
}

std::size_t NextCut(std::string_view utf8, std::size_t at) {
    if (at >= utf8.size()) return utf8.size();
    at += DecodeAt(utf8, at).length;
    while (at < utf8.size()) {
        const CodePoint c = DecodeAt(utf8, at);
        // A joiner also holds on to the character after it (emoji sequences).
        const bool joined = c.value == 0x200D;
        if (!IsAttached(c.value)) break;
        at += c.length;
        if (joined && at < utf8.size()) at += DecodeAt(utf8, at).length;
    }
    return at;
}

std::vector<std::size_t> CutPoints(std::string_view utf8) {
    std::vector<std::size_t> points{0};
    for (std::size_t at = 0; at < utf8.size();) points.push_back(at = NextCut(utf8, at));
    return points;
}

std::string_view FirstCodePoints(std::string_view utf8, std::size_t maxCodePoints) {
    std::size_t cut = 0;
    std::size_t counted = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t next = NextCut(utf8, at);
        for (std::size_t i = at; i < next; i += DecodeAt(utf8, i).length) ++counted;
        if (counted > maxCodePoints) break;
        cut = at = next;
    }
    return utf8.substr(0, cut);
}

std::string_view FirstCharacter(std::string_view utf8) { return utf8.substr(0, NextCut(utf8, 0)); }

}  // namespace zentrova
