#include "text/font_fallback.h"

#include <gtest/gtest.h>

#include <map>

#include "text/utf.h"

namespace zentrova {
namespace {

TEST(FontFallback, PicksTheFamilyThatDrawsTheMostOfTheText) {
    struct Case {
        const char* name;
        std::map<std::string, int> missing;  // absent: not installed
        std::string picked;
    };
    const std::vector<std::string> fallbacks = {"Link", "Wide", "Widest"};
    const Case cases[] = {
        {"the chosen family has every character", {{"Chosen", 0}, {"Link", 0}}, "Chosen"},
        {"the first complete fallback wins", {{"Chosen", 3}, {"Link", 0}, {"Wide", 0}}, "Link"},
        {"a complete one after incomplete ones", {{"Chosen", 3}, {"Link", 2}, {"Widest", 0}}, "Widest"},
        {"else the one lacking the fewest", {{"Chosen", 3}, {"Link", 2}, {"Wide", 1}, {"Widest", 2}}, "Wide"},
        {"no fallback better than the chosen", {{"Chosen", 1}, {"Link", 1}, {"Wide", 2}}, "Chosen"},
        {"a chosen family that is not installed", {{"Link", 4}, {"Wide", 2}}, "Wide"},
        {"nothing installed at all", {}, "Chosen"},
    };
    for (const Case& c : cases) {
        const auto missing = [&](const std::string& family) {
            auto it = c.missing.find(family);
            return it == c.missing.end() ? -1 : it->second;
        };
        EXPECT_EQ(PickFamily("Chosen", fallbacks, missing), c.picked) << c.name;
    }
}

TEST(FontFallback, ReadsTheFamiliesOfFontLinkEntries) {
    const std::vector<std::string> entries = {"MSGOTHIC.TTC,MS UI Gothic", "SIMSUN.TTC,SimSun,128,96", "MALGUN.TTF",
                                              "SEGUISYM.TTF,", "GULIM.TTC,Gulim"};
    EXPECT_EQ(LinkedFamilies(entries), (std::vector<std::string>{"MS UI Gothic", "SimSun", "Gulim"}));
}

// "Latin" draws ASCII, "Wide" adds Cyrillic and combining marks, "CJK"
// adds the CJK blocks; no family draws an emoji.
bool Draws(const std::string& family, std::string_view character) {
    for (const char16_t unit : Utf8ToUtf16(character)) {
        const bool ascii = unit < 0x80;
        const bool wide = family == "Wide" && ((unit >= 0x400 && unit <= 0x4FF) || (unit >= 0x300 && unit <= 0x36F));
        const bool cjk = family == "CJK" && unit >= 0x3000 && unit <= 0x9FFF;
        if (!ascii && !wide && !cjk) return false;
    }
    return family != "Absent";
}

TEST(FontRuns, EachRunOfCharactersTheChosenFamilyLacksGoesToAFamilyThatHasThem) {
    struct Case { const char* text; std::vector<FontRun> runs; };
    const std::vector<std::string> fallbacks = {"Absent", "Wide", "CJK"};
    const Case cases[] = {
        {"Hello", {{"Latin", "Hello"}}},
        {"Tokyo 東京 Москва", {{"Latin", "Tokyo "}, {"CJK", "東京"}, {"Latin", " "}, {"Wide", "Москва"}}},
        {"Новый год 春节", {{"Wide", "Новый"}, {"Latin", " "}, {"Wide", "год"}, {"Latin", " "}, {"CJK", "春节"}}},
        {"Cafe\u0301!", {{"Latin", "Caf"}, {"Wide", "e\u0301"}, {"Latin", "!"}}},  // the mark stays with its letter
        {"Hi 🎆 2027", {{"Latin", "Hi 🎆 2027"}}},  // no family has it: a box in the chosen one
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitIntoRuns(c.text, "Latin", fallbacks, Draws), c.runs) << c.text;
}

}  // namespace
}  // namespace zentrova
