#pragma once
// What a window's frames make from their texts (a drawn layer, a fitted
// size), kept from one frame to the next: a value an earlier frame used is
// handed back, any other is made. Values the last frame did not use are
// kept while they cost little, the longest unused dropped first: a
// countdown's seconds come round every minute, so after the first minute
// its frames make nothing new until the minutes change.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zentrova {

template <typename Key, typename Value>
class RecentCache {
public:
    // What a kept value counts against the budget.
    using CostOf = std::size_t (*)(const Value&);
    // The values the last frame did not use are kept while their costs add
    // up to no more than `budget`.
    RecentCache(std::size_t budget, CostOf costOf) : budget_(budget), costOf_(costOf) {}

    // The value of `key`; `make(key, value)` fills a new one. Valid until
    // the next Get.
    template <typename Make>
    const Value& Get(const Key& key, Make&& make) {
        for (Entry& entry : entries_) {
            if (entry.key == key) {
                entry.usedInFrame = frame_;
                return entry.value;
            }
        }
        Entry& entry = entries_.emplace_back(Entry{key, Value{}, frame_});
        make(entry.key, entry.value);
        return entry.value;
    }

    // The frame is done: what it used stays, the rest within the budget.
    void EndFrame() {
        // Newest first: the frame's own values, then the others by how
        // recently a frame used them.
        std::stable_sort(entries_.begin(), entries_.end(),
                         [](const Entry& a, const Entry& b) { return a.usedInFrame > b.usedInFrame; });
        std::size_t kept = 0;
        const auto firstDropped = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
            if (entry.usedInFrame == frame_) return false;
            kept += costOf_(entry.value);
            return kept > budget_;
        });
        entries_.erase(firstDropped, entries_.end());
        ++frame_;
    }

    std::size_t Size() const { return entries_.size(); }

private:
    struct Entry {
        Key key;
        Value value;
        std::uint64_t usedInFrame = 0;
    };
    std::vector<Entry> entries_;
    std::uint64_t frame_ = 0;
    std::size_t budget_;
    CostOf costOf_;
};

}  // namespace zentrova
