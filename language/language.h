#pragma once
// A language the program speaks: its tag, its name in itself, its plural
// rule and its table of every text. Tables are plain data; the checks below
// run when a table is compiled, so a table that lacks a text, or whose text
// takes other placeholders than the English, does not build.

#include <cstddef>
#include <span>
#include <string_view>

#include "language/plural_rules.h"
#include "language/text_id.h"

namespace zentrova {

struct TextEntry {
    TextId id;
    std::string_view text;
};

struct Language {
    std::string_view tag;   // as Windows names it: "de-DE"
    std::string_view name;  // in the language itself: "Deutsch"
    PluralRule plural;
    std::span<const TextEntry> texts;  // every TextId, in order
    // Where the windows' own fonts lack the language's letters: the families
    // that write it as its readers expect, most wanted first, ";" between.
    std::string_view fonts = {};
};

namespace text_checks {

// The placeholders "{1}".."{9}" a text uses, one bit each.
constexpr unsigned Placeholders(std::string_view text) {
    unsigned used = 0;
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        if (text[i] == '{' && text[i + 2] == '}' && text[i + 1] >= '1' && text[i + 1] <= '9')
            used |= 1u << (text[i + 1] - '0');
    }
    return used;
}

constexpr std::size_t FormCount(std::string_view text) {
    std::size_t forms = 1;
    for (char c : text) forms += c == '|';
    return forms;
}

// Each form of `text` uses exactly the placeholders `expected`.
constexpr bool FormsUse(std::string_view text, unsigned expected) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '|') {
            if (Placeholders(text.substr(start, i - start)) != expected) return false;
            start = i + 1;
        }
    }
    return true;
}

}  // namespace text_checks

// `texts` holds every text in TextId order, each non-empty, with the
// placeholders of `english`'s, and a count's text with one form per
// category of `rule`.
template <std::size_t N, std::size_t M>
constexpr bool IsCompleteTable(const TextEntry (&texts)[N], const TextEntry (&english)[M], PluralRule rule) {
    if (N != kTextCount || M != kTextCount) return false;
    for (std::size_t i = 0; i < N; ++i) {
        const TextEntry& mine = texts[i];
        const TextEntry& model = english[i];
        if (static_cast<std::size_t>(mine.id) != i || mine.text.empty()) return false;
        const std::size_t modelForms = text_checks::FormCount(model.text);
        const std::size_t forms = text_checks::FormCount(mine.text);
        if (forms != (modelForms > 1 ? PluralFormCount(rule) : 1)) return false;
        const unsigned expected = text_checks::Placeholders(model.text.substr(0, model.text.find('|')));
        if (!text_checks::FormsUse(mine.text, expected)) return false;
    }
    return true;
}

}  // namespace zentrova
