#include "settings/memory_store.h"

#include <gtest/gtest.h>

namespace zentrova {
namespace {

const std::vector<std::uint8_t> kFour{1, 2, 3, 4};

TEST(MemoryStore, OpenExistingDoesNotCreateButCreateMakesParents) {
    MemoryStore store;
    EXPECT_EQ(store.OpenExisting("\\A\\B"), nullptr);
    EXPECT_FALSE(store.HasKey("\\A\\B"));
    ASSERT_NE(store.Create("\\A\\B"), nullptr);
    EXPECT_TRUE(store.HasKey("\\A"));
    EXPECT_NE(store.OpenExisting("\\a\\b"), nullptr);  // names ignore case
}

TEST(MemoryStore, ValuesIgnoreCaseAndKeepTheirTypeAndBytes) {
    MemoryStore store;
    auto key = store.Create("\\K");
    ASSERT_TRUE(key->Set("Value", ValueType::Binary, kFour));
    StoredValue value;
    EXPECT_EQ(key->Query("VALUE", value, 16), QueryResult::Found);
    EXPECT_EQ(value.type, ValueType::Binary);
    EXPECT_EQ(value.data, kFour);
    EXPECT_EQ(key->Query("Other", value, 16), QueryResult::Missing);
    EXPECT_EQ(store.ValueNames("\\K"), std::vector<std::string>{"Value"});
}

TEST(MemoryStore, KeysOpenedForReadingRefuseWrites) {
    MemoryStore store;
    store.Put("\\K", "V", {ValueType::Binary, kFour});
    auto reading = store.OpenExisting("\\K");
    EXPECT_FALSE(reading->Set("W", ValueType::Binary, kFour));
    EXPECT_FALSE(reading->Delete("V"));
    EXPECT_EQ(store.ValueNames("\\K"), std::vector<std::string>{"V"});
    auto writing = store.Create("\\K");
    EXPECT_TRUE(writing->Delete("V"));
    EXPECT_TRUE(store.ValueNames("\\K").empty());
}

TEST(MemoryStore, DataLongerThanTheReadLimitFails) {
    MemoryStore store;
    store.Put("\\K", "V", {ValueType::Binary, kFour});
    auto key = store.OpenExisting("\\K");
    StoredValue value;
    EXPECT_EQ(key->Query("V", value, 3), QueryResult::Failed);
    EXPECT_EQ(key->Query("V", value, 4), QueryResult::Found);
}

TEST(MemoryStore, InjectedFailures) {
    MemoryStore store;
    store.FailCreate("\\Locked");
    store.FailSet("ReadOnly");
    store.FailQuery("Hidden");
    EXPECT_EQ(store.Create("\\LOCKED"), nullptr);
    auto key = store.Create("\\Open");
    EXPECT_FALSE(key->Set("ReadOnly", ValueType::Dword, kFour));
    EXPECT_TRUE(key->Set("Hidden", ValueType::Dword, kFour));
    StoredValue value;
    EXPECT_EQ(key->Query("Hidden", value, 16), QueryResult::Failed);
    EXPECT_EQ(store.WriteCount(), 1u);
}

// The chosen call fails whatever it is, once, counted across keys. After
// the last surviving write nothing more reaches the store (values, removals
// and new keys alike), as if the program had ended.
TEST(MemoryStore, TheChosenCallFailsOnceAndWritesAfterTheStopAreLost) {
    MemoryStore store;
    store.Put("\\K", "Old", {ValueType::Binary, kFour});
    store.FailCall(3);
    auto key = store.Create("\\K");                                     // 1
    StoredValue value;
    EXPECT_EQ(key->Query("Old", value, 16), QueryResult::Found);        // 2
    EXPECT_FALSE(key->Set("W", ValueType::Binary, kFour));              // 3
    EXPECT_TRUE(key->Set("W", ValueType::Binary, kFour));               // 4
    store.FailCall(1);
    EXPECT_EQ(store.Create("\\K\\New"), nullptr);
    EXPECT_FALSE(store.HasKey("\\K\\New"));

    store.StopAfterWrites(2);
    key = store.Create("\\K");  // exists: no write
    EXPECT_TRUE(key->Set("A", ValueType::Binary, kFour));
    EXPECT_FALSE(store.Stopped());
    EXPECT_TRUE(key->Delete("Old"));
    EXPECT_TRUE(store.Stopped());
    EXPECT_FALSE(key->Set("B", ValueType::Binary, kFour));
    EXPECT_FALSE(key->Delete("A"));
    EXPECT_EQ(store.Create("\\K\\New"), nullptr);
    EXPECT_EQ(store.ValueNames("\\K"), (std::vector<std::string>{"A", "W"}));
    store.ClearFailures();
    EXPECT_TRUE(key->Set("B", ValueType::Binary, kFour));
}

TEST(MemoryStore, ClosedOrRemovedKeyFailsSafely) {
    MemoryStore store;
    auto closed = store.Create("\\K");
    auto removed = store.Create("\\K\\Sub");
    closed->Close();
    StoredValue value;
    EXPECT_EQ(closed->Query("V", value, 16), QueryResult::Failed);
    EXPECT_FALSE(closed->Set("V", ValueType::Dword, kFour));
    store.RemoveKey("\\k");
    EXPECT_FALSE(store.HasKey("\\K\\Sub"));
    EXPECT_FALSE(removed->Set("V", ValueType::Dword, kFour));
    EXPECT_FALSE(removed->Delete("V"));
    EXPECT_EQ(store.WriteCount(), 0u);
}

TEST(MemoryStore, JournalRecordsSetsAndDeletesInOrder) {
    MemoryStore store;
    auto key = store.Create("\\K");
    key->Set("A", ValueType::Dword, kFour);
    key->Set("B", ValueType::Dword, kFour);
    EXPECT_TRUE(key->Delete("A"));
    EXPECT_FALSE(key->Delete("A"));
    ASSERT_EQ(store.Journal().size(), 3u);
    EXPECT_EQ(store.Journal()[2].kind, MemoryStore::Operation::Kind::Delete);
    EXPECT_EQ(store.Journal()[2].name, "A");
    EXPECT_EQ(store.WriteCount(), 2u);
    EXPECT_FALSE(store.Get("\\K", "A").has_value());
}

}  // namespace
}  // namespace zentrova
