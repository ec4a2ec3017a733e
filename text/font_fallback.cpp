#include "text/font_fallback.h"

#include "text/utf.h"

namespace zentrova {

std::string PickFamily(const std::string& chosen, std::span<const std::string> fallbacks, const MissingCount& missing) {
    int fewest = missing(chosen);
    if (fewest == 0) return chosen;
    std::string best = chosen;
    for (const std::string& family : fallbacks) {
        if (family == chosen) continue;
        const int lacking = missing(family);
        if (lacking < 0) continue;
        if (lacking == 0) return family;
        if (fewest < 0 || lacking < fewest) {
            fewest = lacking;
            best = family;
        }
    }
    return best;
}

std::vector<FontRun> SplitIntoRuns(std::string_view text, const std::string& chosen,
                                   std::span<const std::string> fallbacks, const HasCharacter& has) {
    std::vector<FontRun> runs;
    const std::vector<std::size_t> cuts = CutPoints(text);
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const std::string_view character = text.substr(cuts[i], cuts[i + 1] - cuts[i]);
        const std::string* family = &chosen;
        if (!has(chosen, character)) {
            for (const std::string& fallback : fallbacks) {
                if (fallback != chosen && has(fallback, character)) {
                    family = &fallback;
                    break;
                }
            }
        }
        if (runs.empty() || runs.back().family != *family) runs.push_back({*family, {}});
        runs.back().text += character;
    }
    return runs;
}

std::vector<std::string> LinkedFamilies(std::span<const std::string> entries) {
    std::vector<std::string> families;
    for (const std::string& entry : entries) {
        const std::size_t comma = entry.find(',');
        if (comma == std::string::npos) continue;
        const std::size_t end = entry.find(',', comma + 1);
        std::string family = entry.substr(comma + 1, end == std::string::npos ? std::string::npos : end - comma - 1);
        if (!family.empty()) families.push_back(std::move(family));
    }
    return families;
}

}  // namespace zentrova
