#include "platform/application_window.h"

#include "app/program_names.h"

namespace zentrova::platform {

ApplicationWindow::ApplicationWindow() {
    WindowOptions entry;
    entry.className = "ZentrovaApplication";
    entry.caption = kApplicationTitle;
    entry.style = WS_POPUP;
    entry.exStyle = WS_EX_TOOLWINDOW;
    CreateWindowFrom(entry);
}

}  // namespace zentrova::platform
