#pragma once
// The application's own hidden top-level window. Every other window of the
// program is owned by it, so none of them gets a task-bar button.

#include "platform/window_base.h"

namespace zentrova::platform {

class ApplicationWindow final : public WindowBase {
public:
    ApplicationWindow();
};

}  // namespace zentrova::platform
