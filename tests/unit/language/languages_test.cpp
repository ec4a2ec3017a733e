#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "language/language_test_support.h"
#include "language/tables/english.h"

namespace zentrova {
namespace {

using test::LanguageTagged;
using test::ScopedLanguage;

// The build refuses an incomplete table; this also catches a table that is
// English copied under another name, and two languages under one tag.
TEST(LanguageTables, EveryLanguageIsItsOwnAndComplete) {
    std::set<std::string_view> tags;
    std::set<std::string_view> names;
    for (const Language* language : Languages()) {
        EXPECT_TRUE(tags.insert(language->tag).second) << language->tag;
        EXPECT_TRUE(names.insert(language->name).second) << language->name;
        ASSERT_EQ(language->texts.size(), kTextCount) << language->tag;
        std::size_t same = 0;
        for (std::size_t i = 0; i < kTextCount; ++i) {
            const std::string_view text = language->texts[i].text;
            EXPECT_EQ(text_checks::Placeholders(text.substr(0, text.find('|'))),
                      text_checks::Placeholders(kEnglishTexts[i].text.substr(0, kEnglishTexts[i].text.find('|'))))
                << language->tag << " " << i;
            same += text == kEnglishTexts[i].text;
        }
        if (language != &EnglishLanguage()) EXPECT_LT(same, kTextCount / 4) << language->tag;
    }
    EXPECT_EQ(Languages().size(), 10u);
}

TEST(PluralRules, EachLanguageTakesItsForm) {
    struct Case {
        std::string_view tag;
        std::vector<long long> counts;
        std::string expected;  // each count's TrCount(Days), joined by ", "
    };
    const Case cases[] = {
        {"en-US", {0, 1, 2, 21}, "0 days, 1 day, 2 days, 21 days"},
        {"de-DE", {1, 2}, "1 Tag, 2 Tage"},
        {"fr-FR", {0, 1, 2}, "0 jour, 1 jour, 2 jours"},
        {"pt-BR", {0, 1, 2}, "0 dia, 1 dia, 2 dias"},
        {"ru-RU", {1, 2, 5, 11, 12, 21, 22, 25, 111}, ""},
        {"pl-PL", {1, 2, 5, 12, 21, 22, 25}, ""},
        {"ja-JP", {1, 2}, ""},
    };
    for (const Case& c : cases) {
        const Language& language = LanguageTagged(c.tag);
        ASSERT_EQ(language.tag, c.tag);
        if (c.expected.empty()) continue;
        ScopedLanguage speaking(language);
        std::string joined;
        for (long long count : c.counts) joined += (joined.empty() ? "" : ", ") + TrCount(TextId::Days, count);
        EXPECT_EQ(joined, c.expected) << c.tag;
    }
    // Russian: one for 1 and 21 (not 11), few for 2-4 and 22 (not 12-14), else many.
    const std::vector<std::size_t> russian{0, 1, 2, 2, 2, 0, 1, 2, 2};
    const std::vector<long long> russianCounts{1, 2, 5, 11, 12, 21, 22, 25, 111};
    // Polish: one for 1 alone; 21 and 25 many, 22 few.
    const std::vector<std::size_t> polish{0, 1, 2, 2, 2, 1, 2};
    const std::vector<long long> polishCounts{1, 2, 5, 12, 21, 22, 25};
    for (std::size_t i = 0; i < russianCounts.size(); ++i)
        EXPECT_EQ(PluralFormIndex(PluralRule::OneFewMany, russianCounts[i]), russian[i]) << russianCounts[i];
    for (std::size_t i = 0; i < polishCounts.size(); ++i)
        EXPECT_EQ(PluralFormIndex(PluralRule::PolishOneFewMany, polishCounts[i]), polish[i]) << polishCounts[i];
    EXPECT_EQ(PluralFormIndex(PluralRule::OneOther, -1), 0u);  // "−1 day"
    EXPECT_EQ(PluralFormIndex(PluralRule::OtherOnly, 1), 0u);

    ScopedLanguage russianSpoken(LanguageTagged("ru-RU"));
    EXPECT_EQ(TrCount(TextId::Days, 1), "1 день");
    EXPECT_EQ(TrCount(TextId::Days, 2), "2 дня");
    EXPECT_EQ(TrCount(TextId::Days, 5), "5 дней");
}

TEST(LanguageChoice, StoredTagThenWindowsLanguagesThenEnglish) {
    struct Case {
        std::string_view stored;
        std::vector<std::string> windows;
        std::string_view chosen;
    };
    const Case cases[] = {
        {"de-DE", {"ja-JP"}, "de-DE"},
        {"DE-de", {}, "de-DE"},                     // tags compare without case
        {"", {"de-AT", "fr-FR"}, "de-DE"},          // by language, the first the program speaks
        {"xx-YY", {"sw-KE", "ru-RU"}, "ru-RU"},     // an unknown stored tag is as in Windows
        {"", {"zh-TW", "ja-JP"}, "ja-JP"},          // traditional Chinese is not simplified
        {"", {"zh-Hans-CN"}, "zh-CN"},
        {"", {"pt-PT"}, "pt-BR"},
        {"", {"sw-KE"}, "en-US"},
        {"", {}, "en-US"},
        {"qps-ploc", {}, "qps-ploc"},              // the tests' pseudo language
        {"", {"qps-ploc"}, "en-US"},               // which Windows never picks
    };
    for (const Case& c : cases) EXPECT_EQ(ChooseLanguage(c.stored, c.windows).tag, c.chosen) << c.stored;
}

TEST(Texts, PlaceholdersAndPseudoLanguage) {
    EXPECT_EQ(Tr(TextId::ClockChoice, {"2", "Tokyo"}), "Clock 2: Tokyo");
    EXPECT_EQ(FillPlaceholders("{2} before {1}, {3} kept", {"a", "b"}), "b before a, {3} kept");
    EXPECT_EQ(TrAround(TextId::DialogSelectedTitle), (std::pair<std::string, std::string>{"Selected \"", " \""}));

    ScopedLanguage pseudo(PseudoLanguage());
    EXPECT_EQ(Tr(TextId::ButtonSave), "[Śàṽé ~~]");
    EXPECT_EQ(Tr(TextId::ClockChoice, {"2", "Tokyo"}), "[Çĺôçķ 2: Tokyo ~~~~~~]");
    EXPECT_EQ(TrCount(TextId::Days, 3), "[3 ďàýś ~~~~]");
    for (std::size_t i = 0; i < kTextCount; ++i) {
        const std::string_view text = Tr(static_cast<TextId>(i));
        EXPECT_TRUE(text.starts_with('[') && text.ends_with(']')) << text;
    }
}

}  // namespace
}  // namespace zentrova
