#pragma once
// Runs the program: guard, GDI+, the settings window whose creation starts
// everything, the message loop, and the way out. Returns the exit code.
// (No Windows header here, so the entry can include it.)

namespace zentrova::platform {

int RunProgram();

}  // namespace zentrova::platform
