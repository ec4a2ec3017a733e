// The "Start with Windows" entry: when the tray menu shows it checked, and
// what turning it on or off leaves in the user's Run key.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/start_with_windows.h"
#include "settings/memory_store.h"
#include "settings/value_codec.h"

namespace zentrova {
namespace {

const std::string kRun = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kProgram = "C:\\Users\\Ann Lee\\AppData\\Local\\Programs\\Zentrova\\zentrova.exe";

std::optional<StoredValue> RunValue(const MemoryStore& store) { return store.Get(kRun, "Zentrova"); }

TEST(StartsWithWindows, CheckedOnlyWhenTheValueNamesSomethingToStart) {
    struct Case {
        const char* what;
        std::optional<StoredValue> value;  // nothing: the key has no such value
        bool checked;
    };
    const auto text = [](ValueType type, const std::string& s) { return StoredValue{type, EncodeString(s)}; };
    const std::vector<Case> cases{
        {"no value", std::nullopt, false},
        {"quoted path", text(ValueType::String, SignInCommand(kProgram)), true},
        {"another copy's path", text(ValueType::String, "\"D:\\Tools\\zentrova.exe\""), true},
        {"expandable string", text(ValueType::ExpandString, "%LOCALAPPDATA%\\z.exe"), true},
        {"empty string", text(ValueType::String, ""), false},
        {"blanks", text(ValueType::String, "   "), false},
        {"no data at all", StoredValue{ValueType::String, {}}, false},
        {"a number", StoredValue{ValueType::Dword, {1, 0, 0, 0}}, false},
    };
    for (const Case& c : cases) {
        MemoryStore store;
        store.PutString(kRun, "Other", "\"C:\\other.exe\"");
        if (c.value) store.Put(kRun, "Zentrova", *c.value);
        EXPECT_EQ(StartsWithWindows(store), c.checked) << c.what;
    }
}

TEST(StartsWithWindows, NoRunKeyOrAnUnreadableValueIsOff) {
    MemoryStore store;
    EXPECT_FALSE(StartsWithWindows(store));
    EXPECT_FALSE(store.HasKey(kRun));  // reading creates nothing
    store.PutString(kRun, "Zentrova", SignInCommand(kProgram));
    store.FailQuery("Zentrova");
    EXPECT_FALSE(StartsWithWindows(store));
}

TEST(SetStartWithWindows, OnWritesTheQuotedPathReplacingAnotherAndOffDeletesOnlyOurValue) {
    MemoryStore store;
    store.PutString(kRun, "Other", "\"C:\\other.exe\"");
    EXPECT_FALSE(SetStartWithWindows(store, true, kProgram));
    auto value = RunValue(store);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, ValueType::String);
    EXPECT_EQ(value->data, EncodeString(SignInCommand(kProgram)));
    EXPECT_TRUE(StartsWithWindows(store));

    // Another copy's path is replaced by this one's.
    MemoryStore fresh;  // and a missing Run key is created
    EXPECT_FALSE(SetStartWithWindows(fresh, true, kProgram));
    EXPECT_TRUE(StartsWithWindows(fresh));
    EXPECT_FALSE(SetStartWithWindows(store, true, "D:\\Tools\\zentrova.exe"));
    EXPECT_EQ(RunValue(store)->data, EncodeString("\"D:\\Tools\\zentrova.exe\""));

    EXPECT_FALSE(SetStartWithWindows(store, false, kProgram));
    EXPECT_FALSE(RunValue(store));
    EXPECT_FALSE(StartsWithWindows(store));
    EXPECT_EQ(store.ValueNames(kRun), (std::vector<std::string>{"Other"}));
}

TEST(SetStartWithWindows, OffWithNothingToDeleteSucceedsAndWritesNothing) {
    MemoryStore store;
    EXPECT_FALSE(SetStartWithWindows(store, false, kProgram));
    EXPECT_FALSE(store.HasKey(kRun));
    store.AddKey(kRun);
    EXPECT_FALSE(SetStartWithWindows(store, false, kProgram));
    EXPECT_TRUE(store.Journal().empty());
}

TEST(SetStartWithWindows, FailuresAreReportedAndLeaveTheEntryAsItWas) {
    const std::string message = "Failed to set data for 'Zentrova'";
    {
        MemoryStore store;  // the program's own path is unknown
        EXPECT_EQ(SetStartWithWindows(store, true, ""), message);
        EXPECT_FALSE(store.HasKey(kRun));
    }
    {
        MemoryStore store;
        store.FailCreate(kRun);
        EXPECT_EQ(SetStartWithWindows(store, true, kProgram), message);
    }
    {
        MemoryStore store;
        store.FailSet("Zentrova");
        EXPECT_EQ(SetStartWithWindows(store, true, kProgram), message);
        EXPECT_FALSE(RunValue(store));
    }
    {
        MemoryStore store;
        store.PutString(kRun, "Zentrova", SignInCommand(kProgram));
        store.FailDelete("Zentrova");
        EXPECT_EQ(SetStartWithWindows(store, false, kProgram), message);
        EXPECT_TRUE(StartsWithWindows(store));
    }
}

}  // namespace
}  // namespace zentrova
