#include <string>
#include <vector>

#include "language/languages.h"
#include "language/tables/english.h"
#include "text/utf.h"

namespace zentrova {
namespace {

// An accented twin for each ASCII letter, so that a text the program shows
// without its table stands out at once.
std::string_view Accented(char letter) {
    static constexpr std::string_view kLower[] = {"à", "ƀ", "ç", "ď", "é", "ƒ", "ĝ", "ĥ", "î", "ĵ", "ķ", "ĺ", "ɱ",
                                                  "ñ", "ô", "þ", "ǫ", "ŕ", "ś", "ţ", "û", "ṽ", "ŵ", "ẋ", "ý", "ž"};
    static constexpr std::string_view kUpper[] = {"Å", "Ɓ", "Ç", "Đ", "É", "Ƒ", "Ĝ", "Ĥ", "Î", "Ĵ", "Ķ", "Ĺ", "Ṁ",
                                                  "Ñ", "Ö", "Þ", "Ǫ", "Ŕ", "Ś", "Ţ", "Û", "Ṽ", "Ŵ", "Ẍ", "Ý", "Ž"};
    if (letter >= 'a' && letter <= 'z') return kLower[letter - 'a'];
    if (letter >= 'A' && letter <= 'Z') return kUpper[letter - 'A'];
    return {};
}

// One form: accented, placeholders kept, 40 % longer, in brackets.
std::string PseudoForm(std::string_view form) {
    std::string accented = "[";
    for (std::size_t i = 0; i < form.size(); ++i) {
        if (form[i] == '{' && i + 2 < form.size() && form[i + 2] == '}') {
            accented += form.substr(i, 3);
            i += 2;
            continue;
        }
        const std::string_view twin = Accented(form[i]);
        if (twin.empty()) accented += form[i];
        else accented += twin;
    }
    const std::size_t codePoints = Utf8ToUtf16(form).size();
    accented += ' ';
    accented.append((codePoints * 4 + 9) / 10, '~');
    return accented + "]";
}

std::string PseudoText(std::string_view english) {
    std::string text;
    std::size_t start = 0;
    for (std::size_t bar = english.find('|');; bar = english.find('|', start)) {
        text += PseudoForm(english.substr(start, bar - start));
        if (bar == std::string_view::npos) break;
        text += '|';
        start = bar + 1;
    }
    return text;
}

struct PseudoTables {
    std::vector<std::string> texts;
    std::vector<TextEntry> entries;
    Language language;

    PseudoTables() {
        texts.reserve(kTextCount);
        for (const TextEntry& entry : kEnglishTexts) texts.push_back(PseudoText(entry.text));
        for (std::size_t i = 0; i < kTextCount; ++i) entries.push_back({kEnglishTexts[i].id, texts[i]});
        language = {"qps-ploc", "[Ƥśéûďô]", PluralRule::OneOther, entries};
    }
};

}  // namespace

const Language& PseudoLanguage() {
    static const PseudoTables tables;
    return tables.language;
}

}  // namespace zentrova
