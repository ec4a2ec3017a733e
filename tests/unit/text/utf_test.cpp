#include "text/utf.h"

#include <gtest/gtest.h>

#include <string>

namespace zentrova {
namespace {

// Each row: UTF-8, its UTF-16, the places it may be cut, and its beginning
// of at most three code points. Rows marked `fromUtf16Only` hold UTF-8
// that no UTF-16 turns into (it is repaired), so only that direction holds.
struct Row {
    const char* name;
    std::string utf8;
    std::u16string utf16;
    std::vector<std::size_t> cuts;
    std::string firstThree;
    bool fromUtf16Only = false;
};

const Row kRows[] = {
    {"empty", "", u"", {0}, ""},
    {"ascii", "Tahoma", u"Tahoma", {0, 1, 2, 3, 4, 5, 6}, "Tah"},
    {"cyrillic", "Год", u"Год", {0, 2, 4, 6}, "Год"},
    {"cjk and emoji", "春节 🎆", u"春节 🎆", {0, 3, 6, 7, 11}, "春节 "},
    {"combining acute", "Cafe\u0301!", u"Cafe\u0301!", {0, 1, 2, 3, 6, 7}, "Caf"},
    {"marks never split from their letter", "e\u0301\u0302x", u"e\u0301\u0302x", {0, 5, 6}, "e\u0301\u0302"},
    {"skin tone and joiner sequence", "👍🏽👩\u200D💻", u"👍🏽👩\u200D💻", {0, 8, 19}, "👍🏽"},
    {"variation selector", "\u2764\uFE0Fa", u"\u2764\uFE0Fa", {0, 6, 7}, "\u2764\uFE0Fa"},
    {"lone high surrogate keeps its unit", "a\xED\xA0\xBD" "b", u"a\xD83D" "b", {0, 1, 4, 5}, "a\xED\xA0\xBD" "b"},
    {"lone low surrogate keeps its unit", "\xED\xBE\x86", std::u16string(1, char16_t{0xDF86}), {0, 3}, "\xED\xBE\x86"},
    {"reversed pair stays two units", "\xED\xBE\x86\xED\xA0\xBC", u"\xDF86\xD83C", {0, 3, 6}, "\xED\xBE\x86\xED\xA0\xBC"},
    {"stray continuation byte", "a\x80z", u"a\uFFFDz", {0, 1, 2, 3}, "a\x80z", true},
    {"truncated sequence", "\xE6\x98", u"\uFFFD", {0, 2}, "\xE6\x98", true},
    {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD", {0, 1, 2}, "\xC0\xAF", true},
    {"overlong three-byte", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD", {0, 1, 2, 3}, "\xE0\x80\xAF", true},
    {"past U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", {0, 1, 2, 3, 4}, "\xF4\x90\x80", true},
};

TEST(Utf, ConvertsAndCutsEachRow) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Utf8ToUtf16(row.utf8), row.utf16);
        if (!row.fromUtf16Only) {
            EXPECT_EQ(Utf16ToUtf8(row.utf16), row.utf8);
        }
        EXPECT_EQ(CutPoints(row.utf8), row.cuts);
        EXPECT_EQ(FirstCodePoints(row.utf8, 3), row.firstThree);
        EXPECT_EQ(FirstCharacter(row.utf8), row.utf8.substr(0, row.cuts.size() > 1 ? row.cuts[1] : 0));
        EXPECT_EQ(FirstCodePoints(row.utf8, 0), "");
        EXPECT_EQ(FirstCodePoints(row.utf8, row.utf8.size()), row.utf8);
    }
}

}  // namespace
}  // namespace zentrova
