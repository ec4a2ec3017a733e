#include "settings/memory_store.h"

#include <algorithm>
#include <cctype>

#include "settings/value_codec.h"

namespace zentrova {
namespace {

unsigned char LowerAscii(char c) { return static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c))); }

// "\A\B\C" -> "\A", "\A\B", "\A\B\C"; the empty path names nothing.
std::vector<std::string> PathAndParents(const std::string& path) {
    std::vector<std::string> paths;
    for (std::size_t i = 1; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '\\') {
            std::string prefix = path.substr(0, i);
            if (!prefix.empty() && prefix != "\\") paths.push_back(prefix);
        }
    }
    return paths;
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

bool CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
}

// Looks its key up on every call, so it stays safe when the key is removed
// while open.
class MemoryStore::Key : public StoreKey {
public:
    Key(MemoryStore& store, std::string path, bool writable)
        : store_(&store), path_(std::move(path)), writable_(writable) {}

    QueryResult Query(const std::string& name, StoredValue& value, std::size_t maxBytes) override {
        Values* values = Open();
        if (!store_ || !store_->CallSucceeds()) return QueryResult::Failed;
        if (!values || store_->failingQueries_.contains(name)) return QueryResult::Failed;
        auto found = values->find(name);
        if (found == values->end()) return QueryResult::Missing;
        if (found->second.data.size() > maxBytes) return QueryResult::Failed;
        value = found->second;
        return QueryResult::Found;
    }

    bool Set(const std::string& name, ValueType type, std::span<const std::uint8_t> data) override {
        Values* values = Open();
        if (!store_ || !store_->CallSucceeds()) return false;
        if (!values || !writable_ || store_->failingSets_.contains(name) || !store_->WriteSurvives()) return false;
        (*values)[name] = StoredValue{type, {data.begin(), data.end()}};
        store_->journal_.push_back({Operation::Kind::Set, path_, name});
        return true;
    }

    bool Delete(const std::string& name) override {
        Values* values = Open();
        if (!store_ || !store_->CallSucceeds()) return false;
        if (!values || !writable_ || store_->failingDeletes_.contains(name) || !values->contains(name) ||
            !store_->WriteSurvives())
            return false;
        values->erase(name);
        store_->journal_.push_back({Operation::Kind::Delete, path_, name});
        return true;
    }

    void Close() override { store_ = nullptr; }

private:
    Values* Open() { return store_ ? store_->FindValues(path_) : nullptr; }

    MemoryStore* store_;
    std::string path_;
    bool writable_;
};

MemoryStore::Values* MemoryStore::FindValues(const std::string& path) {
    auto found = keys_.find(path);
    return found == keys_.end() ? nullptr : &found->second;
}

OpenedKey MemoryStore::Open(const std::string& path) {
    if (!CallSucceeds() || failingOpens_.contains(path)) return {QueryResult::Failed, nullptr};
    if (!FindValues(path)) return {QueryResult::Missing, nullptr};
    return {QueryResult::Found, std::make_unique<Key>(*this, path, false)};
}

bool MemoryStore::CallSucceeds() { return ++calls_ != failingCall_; }

bool MemoryStore::WriteSurvives() {
    if (!writesLeft_) return true;
    if (*writesLeft_ == 0) return false;
    --*writesLeft_;
    return true;
}

std::unique_ptr<StoreKey> MemoryStore::Create(const std::string& path) {
    if (!CallSucceeds() || path.empty() || failingCreates_.contains(path)) return nullptr;
    if (!HasKey(path) && !WriteSurvives()) return nullptr;
    AddKey(path);
    return std::make_unique<Key>(*this, path, true);
}

bool MemoryStore::DeleteKey(const std::string& path) {
    if (!CallSucceeds() || failingCreates_.contains(path)) return false;
    if (!HasKey(path)) return true;
    if (!WriteSurvives()) return false;
    RemoveKey(path);
    journal_.push_back({Operation::Kind::Delete, path, {}});
    return true;
}

void MemoryStore::AddKey(const std::string& path) {
    for (const std::string& key : PathAndParents(path)) keys_.try_emplace(key);
}

void MemoryStore::RemoveKey(const std::string& path) {
    const std::string childPrefix = path + "\\";
    std::erase_if(keys_, [&](const auto& entry) {
        return EqualsIgnoringCase(entry.first, path) || StartsWithIgnoringCase(entry.first, childPrefix);
    });
}

void MemoryStore::Put(const std::string& path, const std::string& name, StoredValue value) {
    AddKey(path);
    if (Values* values = FindValues(path)) (*values)[name] = std::move(value);
}

void MemoryStore::PutDword(const std::string& path, const std::string& name, std::int32_t value) {
    auto bytes = EncodeDword(value);
    Put(path, name, {ValueType::Dword, {bytes.begin(), bytes.end()}});
}

void MemoryStore::PutString(const std::string& path, const std::string& name, const std::string& text) {
    Put(path, name, {ValueType::String, EncodeString(text)});
}

void MemoryStore::PutDouble(const std::string& path, const std::string& name, double value) {
    auto bytes = EncodeDouble(value);
    Put(path, name, {ValueType::Binary, {bytes.begin(), bytes.end()}});
}

void MemoryStore::Remove(const std::string& path, const std::string& name) {
    if (Values* values = FindValues(path)) values->erase(name);
}

bool MemoryStore::HasKey(const std::string& path) const { return keys_.contains(path); }

std::optional<StoredValue> MemoryStore::Get(const std::string& path, const std::string& name) const {
    auto key = keys_.find(path);
    if (key == keys_.end()) return std::nullopt;
    auto value = key->second.find(name);
    if (value == key->second.end()) return std::nullopt;
    return value->second;
}

std::vector<std::string> MemoryStore::ValueNames(const std::string& path) const {
    std::vector<std::string> names;
    auto key = keys_.find(path);
    if (key == keys_.end()) return names;
    for (const auto& [name, value] : key->second) names.push_back(name);
    return names;
}

std::size_t MemoryStore::WriteCount() const {
    return static_cast<std::size_t>(std::count_if(journal_.begin(), journal_.end(),
                                                  [](const Operation& op) { return op.kind == Operation::Kind::Set; }));
}

}  // namespace zentrova
