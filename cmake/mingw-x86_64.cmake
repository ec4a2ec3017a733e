# Cross-compiles the Windows program with Debian's 64-bit MinGW-w64 toolchain.
# The shipped program is 32-bit; this build serves the end-to-end tests on
# machines whose kernel cannot execute 32-bit code (and so cannot run the
# 32-bit Wine), where the same sources run as a 64-bit program instead.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZENTROVA_TRIPLE x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${ZENTROVA_TRIPLE}-gcc-win32 ${ZENTROVA_TRIPLE}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${ZENTROVA_TRIPLE}-g++-win32 ${ZENTROVA_TRIPLE}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${ZENTROVA_TRIPLE}-windres REQUIRED)
set(CMAKE_FIND_ROOT_PATH /usr/${ZENTROVA_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
