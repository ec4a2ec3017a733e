#pragma once
// The languages the program speaks, and which one it speaks: the user's
// choice, or Windows' display languages in the user's order, then English.

#include <span>
#include <string>
#include <string_view>

#include "language/language.h"

namespace zentrova {

const Language& EnglishLanguage();
// Every language the user can choose, English first, then as listed in
// languages.cpp.
std::span<const Language* const> Languages();
// Every text accented, 40 % longer and bracketed ("[Śàvé ~~~]"): tests
// choose it (tag "qps-ploc") to find texts that are cut or not translated.
const Language& PseudoLanguage();

// The language a stored tag names ("de-DE", case aside), the pseudo
// language included; none for an empty or unknown tag.
const Language* FindLanguage(std::string_view tag);

// The language to speak: the stored choice when it names one, else the
// first of Windows' display languages (most preferred first) that the
// program speaks, matched by language and, for Chinese, script; else English.
const Language& ChooseLanguage(std::string_view stored, std::span<const std::string> windowsLanguages);

}  // namespace zentrova
