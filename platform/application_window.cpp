#include "platform/application_window.h"

#include "app/program_names.h"

namespace zentrova::platform {

ApplicationWindow::ApplicationWindow() {
    WindowSpec spec;
    spec.className = "ZentrovaApplication";
    spec.caption = kApplicationTitle;
    spec.style = WS_POPUP;
    spec.exStyle = WS_EX_TOOLWINDOW;
    CreateWindowFrom(spec);
}

}  // namespace zentrova::platform
