#include "face/text_fit.h"

#include <cstddef>
#include <vector>

#include "text/utf.h"

namespace zentrova {
namespace {

std::string Cut(const std::string& text, std::size_t length) {
    std::string cut = text.substr(0, length);
    while (!cut.empty() && cut.back() == ' ') cut.pop_back();
    cut += kEllipsis;
    return cut;
}

}  // namespace

std::string FitOnOneLine(const std::string& text, const FontChoice& font, double width, TextMeasurer& measurer,
                         std::string_view before, std::string_view after) {
    auto framed = [&](const std::string& middle) { return std::string(before) + middle + std::string(after); };
    auto fits = [&](const std::string& candidate) {
        return measurer.MeasurePixels(font.family, font.emPixels, font.bold, framed(candidate)).width <= width;
    };
    if (fits(text)) return framed(text);
    // A longer beginning is never narrower, so the longest that fits is
    // found by halving over the places where a character ends: a dozen
    // measurements even for a long title.
    const std::vector<std::size_t> cuts = CutPoints(text);
    std::size_t fitting = 0;
    std::size_t tooLong = cuts.size() - 1;
    while (tooLong - fitting > 1) {
        const std::size_t middle = fitting + (tooLong - fitting) / 2;
        if (fits(Cut(text, cuts[middle]))) {
            fitting = middle;
        } else {
            tooLong = middle;
        }
    }
    return framed(Cut(text, cuts[fitting]));
}

std::string FitOnTwoLines(const std::string& text, const FontChoice& font, double width, TextMeasurer& measurer,
                          std::string_view before, std::string_view after) {
    const std::string whole = std::string(before) + text + std::string(after);
    auto fits = [&](const std::string& line) {
        return measurer.MeasurePixels(font.family, font.emPixels, font.bold, line).width <= width;
    };
    if (fits(whole)) return whole;
    // The first line: the longest beginning of the text that fits after
    // `before`, found by halving as above.
    const std::vector<std::size_t> cuts = CutPoints(text);
    std::size_t fitting = 0;
    std::size_t tooLong = cuts.size() - 1;
    while (tooLong - fitting > 1) {
        const std::size_t middle = fitting + (tooLong - fitting) / 2;
        if (fits(std::string(before) + text.substr(0, cuts[middle]))) {
            fitting = middle;
        } else {
            tooLong = middle;
        }
    }
    std::size_t first = cuts[fitting];
    // Words stay whole where the line holds a blank; the blank ends line
    // one. A text that fits but for `after` moves its last word down too.
    const bool inWord = first == text.size() || text[first] != ' ';
    if (const std::size_t blank = text.rfind(' ', first); inWord && blank != std::string::npos && blank > 0) {
        first = blank + 1;
    }
    std::string line = std::string(before) + text.substr(0, first);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    std::size_t rest = first;
    while (rest < text.size() && text[rest] == ' ') ++rest;
    return line + "\n" + FitOnOneLine(text.substr(rest), font, width, measurer, {}, after);
}

}  // namespace zentrova
