# Cross-compiles the Windows program with Debian's 32-bit MinGW-w64 toolchain.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZENTROVA_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
