#include "language/tables/english.h"

namespace zentrova {

static_assert(IsCompleteTable(kEnglishTexts, kEnglishTexts, PluralRule::OneOther));

extern const Language kEnglish;
const Language kEnglish{"en-US", "English", PluralRule::OneOther, kEnglishTexts};

}  // namespace zentrova
