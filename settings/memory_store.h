#pragma once
// A key/value store held in memory, for tests and fuzzing: keys by path,
// values by name, both compared without regard to ASCII case as in the
// registry. Keys opened by Open are read-only, as the registry's
// are. Failures can be injected, and every write is journalled.
// Keys opened from it must not outlive it.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "settings/key_value_store.h"

namespace zentrova {

struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

class MemoryStore : public KeyValueStore {
public:
    struct Operation {
        enum class Kind { Set, Delete } kind;
        std::string path;
        std::string name;
    };

    OpenedKey Open(const std::string& path) override;
    std::unique_ptr<StoreKey> Create(const std::string& path) override;
    // Journalled as a Delete with no value name.
    bool DeleteKey(const std::string& path) override;

    // Set-up, without journalling. Put creates the key when missing.
    void AddKey(const std::string& path);
    void RemoveKey(const std::string& path);  // with its subkeys
    void Put(const std::string& path, const std::string& name, StoredValue value);
    void PutDword(const std::string& path, const std::string& name, std::int32_t value);
    void PutString(const std::string& path, const std::string& name, const std::string& text);
    void PutDouble(const std::string& path, const std::string& name, double value);
    void Remove(const std::string& path, const std::string& name);

    // Failure injection: Open and Create of these paths, DeleteKey of these
    // paths, Set, Delete and Query of these value names (in any key) fail.
    void FailOpen(const std::string& path) { failingOpens_.insert(path); }
    void FailCreate(const std::string& path) { failingCreates_.insert(path); }
    void FailSet(const std::string& name) { failingSets_.insert(name); }
    void FailQuery(const std::string& name) { failingQueries_.insert(name); }
    void FailDelete(const std::string& name) { failingDeletes_.insert(name); }
    // The `n`-th call from now (1 for the next) of Open, Create, Query, Set
    // or Delete fails, whatever it names.
    void FailCall(std::size_t n) { failingCall_ = calls_ + n; }
    // After `n` more writes (Set, Delete or the creation of a key that did
    // not exist) every later write is lost, as if the program had ended.
    void StopAfterWrites(std::size_t n) { writesLeft_ = n; }
    bool Stopped() const { return writesLeft_ == 0; }
    void ClearFailures() {
        failingOpens_.clear();
        failingCreates_.clear();
        failingSets_.clear();
        failingQueries_.clear();
        failingDeletes_.clear();
        failingCall_.reset();
        writesLeft_.reset();
    }

    // Inspection.
    bool HasKey(const std::string& path) const;
    std::optional<StoredValue> Get(const std::string& path, const std::string& name) const;
    std::vector<std::string> ValueNames(const std::string& path) const;  // sorted
    std::size_t WriteCount() const;  // successful Set calls
    const std::vector<Operation>& Journal() const { return journal_; }
    void ClearJournal() { journal_.clear(); }

private:
    class Key;
    using Values = std::map<std::string, StoredValue, CaseInsensitiveLess>;
    using NameSet = std::set<std::string, CaseInsensitiveLess>;

    Values* FindValues(const std::string& path);
    // Counts a call; false when it is the one chosen to fail.
    bool CallSucceeds();
    // Takes one write of those left; false once the program has "ended".
    bool WriteSurvives();

    std::map<std::string, Values, CaseInsensitiveLess> keys_;
    NameSet failingOpens_;
    NameSet failingCreates_;
    NameSet failingSets_;
    NameSet failingQueries_;
    NameSet failingDeletes_;
    std::vector<Operation> journal_;
    std::size_t calls_ = 0;
    std::optional<std::size_t> failingCall_;
    std::optional<std::size_t> writesLeft_;
};

}  // namespace zentrova
