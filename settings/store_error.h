#pragma once
// The outcome of a settings-store operation: nothing when it went well, or
// the text the caller shows the user in an error box.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentrova {

using StoreError = std::optional<std::string>;

// Every problem an operation met, in the order met; shown in one error box,
// a line each.
class StoreProblems {
public:
    void Add(std::string message) { lines_.push_back(std::move(message)); }
    std::size_t Count() const { return lines_.size(); }
    // Another operation's problems, each line naming the key they were met in.
    void AddFrom(const StoreProblems& other, std::string_view keyName) {
        for (const std::string& line : other.lines_) Add(line + " in '" + std::string(keyName) + "'");
    }
    // The lines joined by line breaks; nothing when there were none.
    StoreError BoxText() const {
        if (lines_.empty()) return std::nullopt;
        std::string text = lines_.front();
        for (std::size_t i = 1; i < lines_.size(); ++i) text += "\n" + lines_[i];
        return text;
    }

private:
    std::vector<std::string> lines_;
};

}  // namespace zentrova
