#pragma once
// The language is process-wide: a test that speaks another puts English
// back when it ends, so that no other test depends on the order they run in.

#include "language/languages.h"
#include "language/texts.h"

namespace zentrova::test {

class ScopedLanguage {
public:
    explicit ScopedLanguage(const Language& language) { SetCurrentLanguage(language); }
    ~ScopedLanguage() { SetCurrentLanguage(EnglishLanguage()); }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;
};

inline const Language& LanguageTagged(std::string_view tag) {
    const Language* language = FindLanguage(tag);
    return language ? *language : EnglishLanguage();
}

}  // namespace zentrova::test
