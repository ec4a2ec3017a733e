#include "language/languages.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

namespace zentrova {

// Each language's table, in tables/; adding a language adds its table and
// its line here.
extern const Language kEnglish;
extern const Language kGerman;
extern const Language kFrench;
extern const Language kSpanish;
extern const Language kItalian;
extern const Language kPortugueseBrazil;
extern const Language kPolish;
extern const Language kRussian;
extern const Language kJapanese;
extern const Language kChineseSimplified;

namespace {

const std::array<const Language*, 10> kLanguages{
    &kEnglish, &kGerman, &kFrench, &kSpanish, &kItalian, &kPortugueseBrazil,
    &kPolish,  &kRussian, &kJapanese, &kChineseSimplified,
};

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The tag's parts ("zh", "hans", "cn"), lower case; '_' parts as '-' does.
std::vector<std::string> Subtags(std::string_view tag) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : Lower(tag)) {
        if (c == '-' || c == '_') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

// Chinese written in traditional characters is another written language
// than the simplified one the program speaks.
bool TraditionalChinese(const std::vector<std::string>& parts) {
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (parts[i] == "hant" || parts[i] == "tw" || parts[i] == "hk" || parts[i] == "mo") return true;
    }
    return false;
}

const Language* MatchWindowsLanguage(std::string_view windowsTag) {
    if (const Language* exact = FindLanguage(windowsTag); exact && exact != &PseudoLanguage()) return exact;
    const std::vector<std::string> wanted = Subtags(windowsTag);
    if (wanted.front() == "zh" && TraditionalChinese(wanted)) return nullptr;
    for (const Language* language : kLanguages) {
        if (Subtags(language->tag).front() == wanted.front()) return language;
    }
    return nullptr;
}

}  // namespace

const Language& EnglishLanguage() { return kEnglish; }

std::span<const Language* const> Languages() { return kLanguages; }

const Language* FindLanguage(std::string_view tag) {
    if (tag.empty()) return nullptr;
    const std::string wanted = Lower(tag);
    for (const Language* language : kLanguages) {
        if (Lower(language->tag) == wanted) return language;
    }
    if (wanted == Lower(PseudoLanguage().tag)) return &PseudoLanguage();
    return nullptr;
}

const Language& ChooseLanguage(std::string_view stored, std::span<const std::string> windowsLanguages) {
    if (const Language* chosen = FindLanguage(stored)) return *chosen;
    for (const std::string& tag : windowsLanguages) {
        if (const Language* match = MatchWindowsLanguage(tag)) return *match;
    }
    return kEnglish;
}

}  // namespace zentrova
