#pragma once
// The settings store's keys and values in the current user's registry.

#include "settings/key_value_store.h"

namespace zentrova::platform {

class RegistryStore final : public KeyValueStore {
public:
    OpenedKey Open(const std::string& path) override;
    std::unique_ptr<StoreKey> Create(const std::string& path) override;
    bool DeleteKey(const std::string& path) override;
};

}  // namespace zentrova::platform
