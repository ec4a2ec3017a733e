#pragma once
// How each language chooses the form of a word after a whole number: the
// Unicode CLDR plural rules for integers, in one table. A count's text
// holds one form per category of its rule, in the order listed here.

#include <cstddef>
#include <cstdint>

namespace zentrova {

enum class PluralRule : std::uint8_t {
    OneOther,         // one: 1 (English, German, Italian, Spanish)
    ZeroOneOther,     // one: 0 and 1 (French, Portuguese (Brazil))
    OneFewMany,       // one: 1 and 21, 31... but 11; few: 2-4, 22-24... but 12-14 (Russian)
    PolishOneFewMany, // one: 1 alone; few as Russian's (Polish)
    OtherOnly,        // one form (Japanese, Chinese)
};

// The number of forms a count's text holds under `rule`.
constexpr std::size_t PluralFormCount(PluralRule rule) {
    switch (rule) {
        case PluralRule::OneOther:
        case PluralRule::ZeroOneOther: return 2;
        case PluralRule::OneFewMany:
        case PluralRule::PolishOneFewMany: return 3;
        case PluralRule::OtherOnly: return 1;
    }
    return 1;
}

// The index of the form `rule` takes for `count` (its absolute value).
constexpr std::size_t PluralFormIndex(PluralRule rule, long long count) {
    const unsigned long long n = count < 0 ? 0ULL - static_cast<unsigned long long>(count)
                                           : static_cast<unsigned long long>(count);
    const unsigned long long last = n % 10;
    const unsigned long long lastTwo = n % 100;
    const bool few = last >= 2 && last <= 4 && !(lastTwo >= 12 && lastTwo <= 14);
    switch (rule) {
        case PluralRule::OneOther: return n == 1 ? 0 : 1;
        case PluralRule::ZeroOneOther: return n <= 1 ? 0 : 1;
        case PluralRule::OneFewMany: return last == 1 && lastTwo != 11 ? 0 : few ? 1 : 2;
        case PluralRule::PolishOneFewMany: return n == 1 ? 0 : few ? 1 : 2;
        case PluralRule::OtherOnly: return 0;
    }
    return 0;
}

}  // namespace zentrova
