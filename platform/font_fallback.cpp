#include "platform/font_fallback.h"

#include <algorithm>
#include <iterator>

#include "language/texts.h"
#include "platform/font_families.h"
#include "platform/wide_text.h"
#include "platform/win32_handles.h"
#include "text/font_fallback.h"
#include "text/utf.h"

namespace zentrova::platform {
namespace {

// Families that between them cover most scripts on Windows, and the ones
// Wine and Linux systems commonly carry.
const char* const kWideFamilies[] = {
    "Segoe UI",      "Tahoma",          "Microsoft Sans Serif", "Arial Unicode MS", "Segoe UI Symbol",
    "Segoe UI Emoji", "Microsoft YaHei", "SimSun",               "MS Gothic",        "Malgun Gothic",
    "Nirmala UI",    "Noto Sans",       "Noto Sans CJK SC",     "DejaVu Sans",      "Droid Sans Fallback",
};

std::vector<std::string> SystemLinks(const std::string& family) {
    const std::wstring name = Widen(family);
    const wchar_t* key = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink";
    DWORD size = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key, name.c_str(), RRF_RT_REG_MULTI_SZ, nullptr, nullptr, &size) !=
            ERROR_SUCCESS ||
        size == 0)
        return {};
    std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key, name.c_str(), RRF_RT_REG_MULTI_SZ, nullptr, data.data(), &size) !=
        ERROR_SUCCESS)
        return {};
    std::vector<std::string> entries;
    for (const wchar_t* at = data.c_str(); *at; at += wcslen(at) + 1) entries.push_back(Narrow(at));
    return entries;
}

// Characters a font's glyph table says nothing about: controls, and the
// halves of pairs, which the glyph look-up cannot take.
bool Unjudged(char16_t unit) { return unit < 0x20 || (unit >= 0xD800 && unit <= 0xDFFF); }

class SelectedFont {
public:
    explicit SelectedFont(const std::string& family)
        : dc_(CreateCompatibleDC(nullptr)),
          font_(CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Widen(family).c_str())),
          select_(dc_.get(), font_.get()) {}
    HDC Dc() const { return dc_.get(); }
    // GDI puts another family in place of one it does not have.
    bool Is(const std::string& family) const {
        wchar_t face[LF_FACESIZE] = {};
        return dc_ && font_ && GetTextFaceW(dc_.get(), LF_FACESIZE, face) > 0 &&
               lstrcmpiW(face, Widen(family).c_str()) == 0;
    }

private:
    UniqueDc dc_;
    UniqueFont font_;
    ScopedSelect select_;
};

}  // namespace

std::string FontFallback::FamilyFor(const std::string& family, const std::string& text) {
    const std::u16string units = Utf8ToUtf16(text);
    const auto missing = [&](const std::string& candidate) { return Missing(candidate, units, candidate != family); };
    if (missing(family) == 0) return family;
    return PickFamily(family, FallbacksOf(family), missing);
}

std::string FontFallback::DrawnFamilyFor(const std::string& family, const std::string& text) {
    auto [drawable, added] = drawable_.try_emplace(family);
    if (added) drawable->second = DrawableFontFamily(family);
    return FamilyFor(drawable->second, text);
}

std::vector<FontRun> FontFallback::RunsFor(const std::string& family, const std::string& text) {
    const std::string whole = FamilyFor(family, text);
    if (Missing(whole, Utf8ToUtf16(text), whole != family) <= 0) return {{whole, text}};
    const auto has = [&](const std::string& candidate, std::string_view character) {
        return Missing(candidate, Utf8ToUtf16(character), candidate != family) == 0;
    };
    return SplitIntoRuns(text, family, FallbacksOf(family), has);
}

std::vector<FontRun> FontFallback::DrawnRunsFor(const std::string& family, const std::string& text) {
    auto [drawable, added] = drawable_.try_emplace(family);
    if (added) drawable->second = DrawableFontFamily(family);
    return RunsFor(drawable->second, text);
}

int FontFallback::Missing(const std::string& family, const std::u16string& units, bool fallback) {
    Coverage& coverage = coverage_[family];
    if (fallback) {
        if (!coverage.installed) coverage.installed = SelectedFont(family).Is(family);
        if (!*coverage.installed) return -1;
    }
    std::wstring unknown;
    for (char16_t unit : units) {
        if (!Unjudged(unit) && !coverage.has.contains(unit)) unknown += static_cast<wchar_t>(unit);
    }
    if (!unknown.empty()) {
        SelectedFont font(family);
        std::vector<WORD> glyphs(unknown.size(), 0);
        const bool read = GetGlyphIndicesW(font.Dc(), unknown.c_str(), static_cast<int>(unknown.size()), glyphs.data(),
                                           GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR;
        for (std::size_t i = 0; i < unknown.size(); ++i)
            coverage.has[static_cast<char16_t>(unknown[i])] = read && glyphs[i] != 0xFFFF;
    }
    int missing = 0;
    for (char16_t unit : units) {
        if (!Unjudged(unit) && !coverage.has[unit]) ++missing;
    }
    return missing;
}

const std::vector<std::string>& FontFallback::FallbacksOf(const std::string& family) {
    auto [it, added] = fallbacks_.try_emplace(family);
    if (added) {
        it->second = LinkedFamilies(SystemLinks(family));
        it->second.insert(it->second.end(), std::begin(kWideFamilies), std::end(kWideFamilies));
    }
    return it->second;
}

std::string LanguageFamily(FontFallback& fallback, const std::string& family) {
    std::string texts;
    for (std::size_t i = 0; i < kTextCount; ++i) texts += Tr(static_cast<TextId>(i));
    // A language that names its fonts is written in them, as its readers
    // see Windows' own windows; the Latin fonts' links may draw its letters
    // in another script's shapes, or not at all.
    const std::string_view fonts = CurrentLanguage().fonts;
    for (std::size_t start = 0; start < fonts.size();) {
        const std::size_t end = std::min(fonts.find(';', start), fonts.size());
        const std::string candidate(fonts.substr(start, end - start));
        if (fallback.Draws(candidate, texts)) return candidate;
        start = end + 1;
    }
    return fallback.FamilyFor(family, texts);
}

}  // namespace zentrova::platform
