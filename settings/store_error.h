#pragma once
// The outcome of a settings-store operation: nothing when it went well, or
// the text the caller shows the user in an error box.

#include <optional>
#include <string>

namespace zentrova {

using StoreError = std::optional<std::string>;

}  // namespace zentrova
