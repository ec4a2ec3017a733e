#include "text/font_fallback.h"

#include <gtest/gtest.h>

#include <map>

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

}  // namespace
}  // namespace zentrova
