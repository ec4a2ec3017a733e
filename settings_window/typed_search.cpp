#include "settings_window/typed_search.h"

namespace zentrova {
namespace {

// Bytes of other scripts count as letters: a word goes on through them.
bool InWord(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsAt(std::string_view item, std::size_t at, std::string_view typed) {
    if (item.size() - at < typed.size()) return false;
    for (std::size_t i = 0; i < typed.size(); ++i)
        if (Folded(item[at + i]) != Folded(typed[i])) return false;
    return true;
}

}  // namespace

bool AnyWordStartsWith(std::string_view item, std::string_view typed) {
    if (typed.empty()) return false;
    for (std::size_t at = 0; at < item.size(); ++at) {
        const bool wordStart = InWord(item[at]) && (at == 0 || !InWord(item[at - 1]));
        if (wordStart && StartsAt(item, at, typed)) return true;
    }
    return false;
}

int TypeLetter(TypedSearch& search, std::string_view letter, std::int64_t nowMs, std::span<const std::string> items,
               int current) {
    const std::int64_t since = nowMs - search.lastMs;
    if (since < 0 || since > kTypedSearchPauseMs) search.typed.clear();
    search.lastMs = nowMs;
    search.typed += letter;
    const int count = static_cast<int>(items.size());
    if (count == 0) return -1;
    const int from = current < 0 ? 0 : search.typed.size() == letter.size() ? current + 1 : current;
    for (int step = 0; step < count; ++step) {
        const int index = (from + step) % count;
        if (AnyWordStartsWith(items[static_cast<std::size_t>(index)], search.typed)) return index;
    }
    return -1;
}

}  // namespace zentrova
