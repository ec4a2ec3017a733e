#include "platform/time_zones.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/win32_handles.h"
#include "platform/wide_text.h"

namespace zentrova::platform {
namespace {

constexpr const wchar_t* kZonesPath = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";
constexpr const wchar_t* kYearRulesKey = L"Dynamic DST";
// Key names hold at most 255 characters.
constexpr DWORD kMaxKeyName = 256;

UniqueKey OpenRead(HKEY parent, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
    return UniqueKey(key);
}

std::vector<std::uint8_t> ReadBytes(HKEY key, const wchar_t* name) {
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) return {};
    std::vector<std::uint8_t> bytes(size);
    if (size == 0 || RegQueryValueExW(key, name, nullptr, nullptr, bytes.data(), &size) != ERROR_SUCCESS) return {};
    bytes.resize(size);
    return bytes;
}

std::optional<DWORD> ReadDword(HKEY key, const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    DWORD type = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD) {
        return std::nullopt;
    }
    return value;
}

std::string ReadText(HKEY key, const wchar_t* name) {
    const std::vector<std::uint8_t> bytes = ReadBytes(key, name);
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    if (!text.empty()) std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return Narrow(text);
}

// The yearly rules from FirstEntry to LastEntry; a year missing among them
// takes the rule of the year before, so the table has no holes.
void ReadYearRules(HKEY zone, TimeZoneRules& rules) {
    const UniqueKey years = OpenRead(zone, kYearRulesKey);
    if (!years) return;
    const std::optional<DWORD> first = ReadDword(years.get(), L"FirstEntry");
    const std::optional<DWORD> last = ReadDword(years.get(), L"LastEntry");
    if (!first || !last || *first > *last || *last - *first > 1000) return;
    for (DWORD year = *first; year <= *last; ++year) {
        const std::wstring name = std::to_wstring(year);
        const std::optional<ZoneRule> rule = ParseZoneRule(ReadBytes(years.get(), name.c_str()));
        if (rule) {
            rules.yearRules.push_back(*rule);
        } else {
            rules.yearRules.push_back(rules.yearRules.empty() ? rules.rule : rules.yearRules.back());
        }
    }
    rules.firstYear = static_cast<int>(*first);
}

}  // namespace

std::vector<ZoneChoice> ListTimeZones() {
    std::vector<ZoneChoice> zones;
    const UniqueKey root = OpenRead(HKEY_LOCAL_MACHINE, kZonesPath);
    if (!root) return zones;
    for (DWORD index = 0;; ++index) {
        wchar_t name[kMaxKeyName] = {};
        DWORD length = kMaxKeyName;
        if (RegEnumKeyExW(root.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        const UniqueKey zone = OpenRead(root.get(), name);
        if (!zone) continue;
        ZoneChoice entry{Narrow(name), ReadText(zone.get(), L"Display")};
        if (entry.display.empty()) entry.display = entry.key;
        if (const std::optional<ZoneRule> rule = ParseZoneRule(ReadBytes(zone.get(), L"TZI"))) entry.bias = rule->bias;
        zones.push_back(std::move(entry));
    }
    return zones;
}

std::optional<TimeZoneRules> ReadTimeZone(const std::string& key) {
    if (key.empty()) return std::nullopt;
    const UniqueKey zone = OpenRead(HKEY_LOCAL_MACHINE, std::wstring(kZonesPath) + L"\\" + Widen(key));
    if (!zone) return std::nullopt;
    const std::optional<ZoneRule> rule = ParseZoneRule(ReadBytes(zone.get(), L"TZI"));
    if (!rule) return std::nullopt;
    TimeZoneRules rules;
    rules.rule = *rule;
    ReadYearRules(zone.get(), rules);
    return rules;
}

}  // namespace zentrova::platform
