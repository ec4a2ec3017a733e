#include "settings_window/typed_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentrova {
namespace {

// Letters typed one after another, each with its time, and the item each
// one chooses while the list starts on `start`.
TEST(TypedSearch, FindsAnItemByAnyWordOfItsName) {
    const std::vector<std::string> zones = {"Local time", "(UTC-05:00) Eastern Time (US & Canada)",
                                            "(UTC+05:45) Kathmandu", "(UTC+09:00) Osaka, Sapporo, Tokyo",
                                            "(UTC+09:00) Seoul", "(UTC+01:00) Zürich, Bern"};
    struct Case {
        const char* what;
        int start;
        std::vector<std::pair<const char*, std::int64_t>> letters;
        std::vector<int> chosen;
    };
    const Case cases[] = {
        {"a later word", 0, {{"t", 0}, {"o", 100}, {"k", 200}}, {1, 3, 3}},
        {"case ignored", 0, {{"K", 0}, {"A", 50}}, {2, 2}},
        {"a letter again steps on", 3, {{"s", 0}, {"s", 2000}, {"s", 4000}}, {4, 3, 4}},
        {"a pause starts afresh", 0, {{"o", 0}, {"s", 1500}}, {3, 4}},
        {"no word starts so", 0, {{"q", 0}}, {-1}},
        {"the middle of a word is no start", 0, {{"y", 0}, {"o", 10}}, {-1, -1}},
        {"a word in another script", 0, {{"z", 0}, {"ü", 10}}, {5, 5}},
    };
    for (const Case& c : cases) {
        TypedSearch search;
        int current = c.start;
        std::vector<int> chosen;
        for (const auto& [letter, at] : c.letters) {
            const int index = TypeLetter(search, letter, at, zones, current);
            chosen.push_back(index);
            if (index >= 0) current = index;
        }
        EXPECT_EQ(chosen, c.chosen) << c.what;
    }
}

}  // namespace
}  // namespace zentrova
