// Fuzzes loading the settings: arbitrary keys, value names, types, sizes and
// bytes in an in-memory store, then Load and a Save of what was loaded. Any
// crash, out-of-bounds access or hang is a fault, and so is a store that
// does not load back after the Save to what was shown. String data is often
// made of awkward UTF-16 units, and each string's bytes must read back to
// the same units when written again.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "settings/memory_store.h"
#include "settings/settings_schema.h"
#include "settings/settings_store.h"
#include "settings/value_codec.h"
#include "text/utf.h"

namespace {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return at_ >= size_; }
    std::uint8_t Byte() { return Empty() ? 0 : data_[at_++]; }
    std::vector<std::uint8_t> Bytes(std::size_t count) {
        std::vector<std::uint8_t> out;
        while (count-- && !Empty()) out.push_back(data_[at_++]);
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A value name: mostly the schema's own names and the list's names, so the
// fuzzer reaches deep into loading, sometimes arbitrary bytes.
std::string PickName(Input& in) {
    const auto schema = zentrova::SettingsSchema();
    const std::uint8_t choice = in.Byte();
    if (choice < 160 && !schema.empty()) {
        const auto& entry = schema[choice % schema.size()];
        if (!entry.name.empty()) return std::string(entry.name);
    }
    const int index = in.Byte() % 14;
    switch (choice % 6) {
        case 0: return zentrova::EntryTitleName(index);
        case 1: return zentrova::EntryDateName(index);
        case 2: return zentrova::EntryTimeName(index);
        case 3: return std::string(zentrova::kCountMaxName);
        case 4: return std::string(zentrova::kCountIndexName);
        default: {
            auto raw = in.Bytes(in.Byte() % 12);
            return std::string(raw.begin(), raw.end());
        }
    }
}

// String data of whole UTF-16 units chosen to be awkward (surrogates of
// either half, pairs, NULs, marks, joiners), with or without the terminator
// and now and then half a unit more.
std::vector<std::uint8_t> Utf16Data(Input& in) {
    static constexpr char16_t kUnits[] = {0x0041, 0x0416, 0x0301, 0x200D, 0xD83C, 0xDF86,
                                          0xDBFF, 0xDC00, 0x0000, 0xFFFD, 0x6625, 0xFE0F};
    std::vector<std::uint8_t> data;
    for (std::size_t n = in.Byte() % 40; n-- && !in.Empty();) {
        const std::uint8_t pick = in.Byte();
        const auto unit = pick < 192 ? kUnits[pick % std::size(kUnits)] : static_cast<char16_t>(pick << 8 | in.Byte());
        data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        data.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    const int end = in.Byte() % 3;  // a terminator, half a unit, or neither
    if (end == 0) data.insert(data.end(), {0, 0});
    if (end == 1) data.push_back(in.Byte());
    return data;
}

// Read without a limit, the units up to the first NUL come back unchanged
// when written; read with one, the text is a beginning of that, cut where a
// character ends.
void CheckStringCodec(const std::vector<std::uint8_t>& data) {
    const std::string whole = zentrova::DecodeString(data, data.size());
    std::size_t end = 0;  // past the whole units before the first NUL unit
    while (end + 1 < data.size() && (data[end] | data[end + 1])) end += 2;
    std::vector<std::uint8_t> units(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(end));
    units.insert(units.end(), {0, 0});
    if (zentrova::EncodeString(whole) != units) __builtin_trap();
    const std::string cut = zentrova::DecodeString(data, 5);
    if (whole.compare(0, cut.size(), cut) != 0) __builtin_trap();
    const auto cuts = zentrova::CutPoints(whole);
    if (!std::binary_search(cuts.begin(), cuts.end(), cut.size())) __builtin_trap();
}

// Every stored setting and the entries in use are equal.
bool ShowSame(const zentrova::Settings& a, const zentrova::Settings& b) {
    for (const zentrova::SettingEntry& entry : zentrova::SettingsSchema()) {
        const bool same = std::visit(
            [&](auto field) {
                if constexpr (std::is_same_v<decltype(field), std::monostate>) return true;
                else return a.*field == b.*field;
            },
            entry.field);
        if (!same) return false;
    }
    if (a.CountMax != b.CountMax) return false;
    for (int i = 0; i < a.CountMax; ++i) {
        const auto& x = a.CountList[static_cast<std::size_t>(i)];
        const auto& y = b.CountList[static_cast<std::size_t>(i)];
        if (x.title != y.title || x.date != y.date || x.time != y.time) return false;
    }
    return true;
}

// Whether every line of an error box names a value of the countdown list
// other than CountIndex.
bool OnlyListValues(const std::string& box) {
    std::istringstream lines(box);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t open = line.find('\'');
        const std::string name = line.substr(open + 1, line.rfind('\'') - open - 1);
        if (!name.starts_with("Count") || name == "CountIndex") return false;
        for (const zentrova::SettingEntry& entry : zentrova::GroupSchema(zentrova::SettingsGroup::Countdown))
            if (entry.name == name) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    zentrova::MemoryStore store;
    const zentrova::SettingsGroup groups[] = {zentrova::SettingsGroup::Root, zentrova::SettingsGroup::Clock,
                                              zentrova::SettingsGroup::Countdown, zentrova::SettingsGroup::CountTitle,
                                              zentrova::SettingsGroup::Calendar, zentrova::SettingsGroup::General};
    while (!in.Empty()) {
        const std::string path = zentrova::GroupPath(groups[in.Byte() % std::size(groups)]);
        const std::string name = PickName(in);
        zentrova::StoredValue value;
        value.type = static_cast<zentrova::ValueType>(in.Byte() % 6);
        const bool text = value.type == zentrova::ValueType::String || value.type == zentrova::ValueType::ExpandString;
        if (text && in.Byte() % 2) {
            value.data = Utf16Data(in);
        } else {
            std::size_t length = in.Byte();
            if (length == 255) length = 64 * 1024 + in.Byte();  // now and then a huge value
            value.data = in.Bytes(length);
            if (length > 64 * 1024) value.data.resize(length, 'x');
        }
        if (text) CheckStringCodec(value.data);
        store.Put(path, name, std::move(value));
    }
    zentrova::Settings settings;
    const zentrova::FirstRunContext context{2026, {1024, 768}, {406, 346}};
    zentrova::LoadResult loaded = zentrova::Load(store, settings, context);
    if (loaded.firstRun) (void)zentrova::WriteFirstRunDefaults(store, settings, context);
    (void)zentrova::MarkStarted(store, settings);
    // What was loaded must be usable without indexing outside the list.
    if (settings.CountMax < 1 || settings.CountMax > zentrova::kCountMaxEntries) __builtin_trap();
    if (settings.CountIndex < 0 || settings.CountIndex >= settings.CountMax) __builtin_trap();
    (void)settings.SelectedEntry();
    // Save repairs whatever option could not be read: the store then loads
    // back to what memory shows, reporting at most the list's own values,
    // which stay as stored until the user deletes their entry.
    if (zentrova::Save(store, settings, settings.CountIndex)) __builtin_trap();
    zentrova::Settings reloaded;
    if (!OnlyListValues(zentrova::Load(store, reloaded, context).error.value_or(""))) __builtin_trap();
    if (!ShowSame(settings, reloaded)) __builtin_trap();
    return 0;
}
