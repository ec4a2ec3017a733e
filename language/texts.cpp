#include "language/texts.h"

#include "language/languages.h"

namespace zentrova {
namespace {

// The one process-wide language, set from the settings at start and on
// every change of the choice.
const Language* gCurrent = nullptr;

}  // namespace

const Language& CurrentLanguage() { return gCurrent ? *gCurrent : EnglishLanguage(); }

void SetCurrentLanguage(const Language& language) { gCurrent = &language; }

std::string_view TextOf(const Language& language, TextId id) {
    const auto index = static_cast<std::size_t>(id);
    return index < language.texts.size() ? language.texts[index].text : std::string_view{};
}

std::string_view Tr(TextId id) { return TextOf(CurrentLanguage(), id); }

std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{' && i + 2 < text.size() && text[i + 2] == '}' && text[i + 1] >= '1' &&
            text[i + 1] <= '9') {
            const auto arg = static_cast<std::size_t>(text[i + 1] - '1');
            if (arg < args.size()) {
                filled += *(args.begin() + arg);
                i += 2;
                continue;
            }
        }
        filled += text[i];
    }
    return filled;
}

std::string Tr(TextId id, std::initializer_list<std::string_view> args) { return FillPlaceholders(Tr(id), args); }

std::string TrCount(TextId id, long long count, std::string_view shown) {
    const Language& language = CurrentLanguage();
    std::string_view forms = TextOf(language, id);
    for (std::size_t form = PluralFormIndex(language.plural, count); form > 0; --form) {
        const std::size_t bar = forms.find('|');
        if (bar == std::string_view::npos) break;
        forms.remove_prefix(bar + 1);
    }
    return FillPlaceholders(forms.substr(0, forms.find('|')), {shown});
}

std::string TrCount(TextId id, long long count) { return TrCount(id, count, std::to_string(count)); }

std::pair<std::string, std::string> TrAround(TextId id) {
    const std::string_view text = Tr(id);
    const std::size_t at = text.find("{1}");
    if (at == std::string_view::npos) return {std::string(text), {}};
    return {std::string(text.substr(0, at)), std::string(text.substr(at + 3))};
}

}  // namespace zentrova
