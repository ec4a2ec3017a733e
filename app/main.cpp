// Program entry: everything Windows-specific lives behind RunProgram.

#include "platform/program_runner.h"

int main() { return zentrova::platform::RunProgram(); }
