#pragma once
// The texts of the language the program speaks now. The language is
// process-wide, like the user's choice it follows: every window reads its
// words here when it builds or rebuilds what it shows.

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "language/language.h"

namespace zentrova {

const Language& CurrentLanguage();
// The language stays alive for the program's life (a table of its own).
void SetCurrentLanguage(const Language& language);

// The text in the current language.
std::string_view Tr(TextId id);
// The text with "{1}", "{2}"... replaced by `args` in order.
std::string Tr(TextId id, std::initializer_list<std::string_view> args);
// A count's text: the form the language takes for `count`, with "{1}"
// replaced by `shown` (the count as written, a sign perhaps before it).
std::string TrCount(TextId id, long long count, std::string_view shown);
std::string TrCount(TextId id, long long count);
// The text before and after its "{1}", for framing a text that is fitted
// between them.
std::pair<std::string, std::string> TrAround(TextId id);

// The same, from a given language's table.
std::string_view TextOf(const Language& language, TextId id);
std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace zentrova
