#pragma once
// The family that draws a text on this system: the chosen one, or one that
// has the characters it lacks, from the system's font links for it and then
// a list of families with wide coverage. What each family has is learnt once
// per character, so texts that change every second cost map look-ups.

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "text/font_fallback.h"
#include "text/utf.h"

namespace zentrova::platform {

class FontFallback {
public:
    std::string FamilyFor(const std::string& family, const std::string& text);
    // As FamilyFor, for text GDI+ draws: a family GDI+ lacks gives way to
    // the first-run font first. GDI+ is asked once per family, not per text.
    std::string DrawnFamilyFor(const std::string& family, const std::string& text);
    // The text in the family FamilyFor picks when that one has it all; else
    // split into runs, each in a family that has its characters.
    std::vector<FontRun> RunsFor(const std::string& family, const std::string& text);
    std::vector<FontRun> DrawnRunsFor(const std::string& family, const std::string& text);
    // Whether `family` is installed and has every character of `text`.
    bool Draws(const std::string& family, const std::string& text) {
        return Missing(family, Utf8ToUtf16(text), true) == 0;
    }

private:
    struct Coverage {
        std::optional<bool> installed;  // asked only of fallbacks
        std::unordered_map<char16_t, bool> has;
    };
    // How many of `units` the family lacks; -1 for a fallback that is not
    // installed. The chosen family is judged by whatever font GDI gives for
    // its name, as that is the font it is drawn in.
    int Missing(const std::string& family, const std::u16string& units, bool fallback);
    const std::vector<std::string>& FallbacksOf(const std::string& family);

    std::map<std::string, Coverage> coverage_;
    std::map<std::string, std::vector<std::string>> fallbacks_;
    std::map<std::string, std::string> drawable_;  // family -> the one GDI+ draws
};

// The family that draws every text of the language the program speaks now:
// the first of the language's own fonts that has them (Japanese, Chinese),
// else `family` where it has them all, else any that has.
std::string LanguageFamily(FontFallback& fallback, const std::string& family);

}  // namespace zentrova::platform
