#include "settings/settings_schema.h"

#include <gtest/gtest.h>

#include <set>

#include "settings/settings_store.h"

namespace zentrova {
namespace {

TEST(SettingsSchema, KeyPathsAreTheRegistryPaths) {
    EXPECT_EQ(GroupPath(SettingsGroup::Root), "\\Software\\Zentrova");
    EXPECT_EQ(GroupPath(SettingsGroup::Clock), "\\Software\\Zentrova\\Clock");
    EXPECT_EQ(GroupPath(SettingsGroup::Countdown), "\\Software\\Zentrova\\Countdown");
    EXPECT_EQ(GroupPath(SettingsGroup::CountTitle), "\\Software\\Zentrova\\Countdown\\CountTitle");
    EXPECT_EQ(GroupPath(SettingsGroup::Calendar), "\\Software\\Zentrova\\Calendar");
    EXPECT_EQ(GroupPath(SettingsGroup::General), "\\Software\\Zentrova\\General");
}

TEST(SettingsSchema, EveryFieldIsStoredOnceUnderItsOwnName) {
    std::set<std::string_view> names;
    for (const SettingEntry& entry : SettingsSchema()) {
        if (entry.kind == ValueKind::CountList) continue;
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
        EXPECT_EQ(FindEntry(entry.field), &entry) << entry.name;
    }
    EXPECT_EQ(names.size(), 1u + 19u + 14u + 2u + 17u + 2u);
}

TEST(SettingsSchema, ListLoadsBetweenCountMaxAndCountIndex) {
    auto rows = GroupSchema(SettingsGroup::CountTitle);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].name, "CountMax");
    EXPECT_EQ(rows[1].kind, ValueKind::CountList);
    EXPECT_EQ(rows[2].name, "CountIndex");
}

TEST(SettingsSchema, FirstRunCountMaxMatchesTheSeededList) {
    const SettingEntry* countMax = FindEntry(&Settings::CountMax);
    ASSERT_NE(countMax, nullptr);
    EXPECT_EQ(std::get<int>(countMax->firstRun), static_cast<int>(FirstRunCountList().size()));
}

TEST(SettingsSchema, EntryNamesHaveNoLeadingZeros) {
    EXPECT_EQ(EntryTitleName(0), "Count0");
    EXPECT_EQ(EntryDateName(9), "CountDate9");
    EXPECT_EQ(EntryTimeName(10), "CountTime10");
}

// Whatever Load meets, the fields the windows index with stay in range.
TEST(SettingsSchema, FullFallbackStaysWithinLoadRanges) {
    class BrokenStore : public KeyValueStore {
    public:
        OpenedKey Open(const std::string&) override { return {QueryResult::Found, std::make_unique<Key>()}; }
        std::unique_ptr<StoreKey> Create(const std::string&) override { return nullptr; }
        bool DeleteKey(const std::string&) override { return false; }

    private:
        struct Key : StoreKey {
            QueryResult Query(const std::string&, StoredValue&, std::size_t) override { return QueryResult::Failed; }
            bool Set(const std::string&, ValueType, std::span<const std::uint8_t>) override { return false; }
            bool Delete(const std::string&) override { return false; }
            void Close() override {}
        };
    } store;
    Settings settings;
    LoadResult load = Load(store, settings, {2026, {1024, 768}, {406, 346}});
    ASSERT_TRUE(load.error);
    // Reads that fail leave the stored values alone and say so.
    EXPECT_TRUE(load.error->starts_with("Zentrova could not read whether Zentrova has started before ('Start_1')"));
    EXPECT_NE(load.error->find("the number of countdown events ('CountMax')"), std::string::npos);
    // A value added later that cannot be read is reported like any other.
    EXPECT_NE(load.error->find("('HideFullScreen'); it shows its first value for now"), std::string::npos);
    // Then every clock after the first, whose keys all open here.
    EXPECT_NE(load.error->find("'Clock8'"), std::string::npos);
    EXPECT_EQ(settings.ExtraClocks.size(), 7u);
    EXPECT_FALSE(load.firstRun);
    for (const SettingEntry& entry : SettingsSchema()) {
        const auto* field = std::get_if<int Settings::*>(&entry.field);
        if (!field || !entry.loadRange) continue;
        EXPECT_GE(settings.**field, entry.loadRange->min) << entry.name;
        EXPECT_LE(settings.**field, entry.loadRange->max) << entry.name;
    }
    EXPECT_EQ(settings.ClockFont, "Tahoma");
    EXPECT_EQ(settings.CalendarTop, 10);
    EXPECT_EQ(settings.SelectedEntry().title, "Christmas Countdown");
}

}  // namespace
}  // namespace zentrova
