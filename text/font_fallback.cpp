#include "text/font_fallback.h"

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
