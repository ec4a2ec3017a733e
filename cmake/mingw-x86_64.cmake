# Cross-compiles the Windows program with Debian's 64-bit MinGW-w64 toolchain.
# The shipped program is 32-bit; this build serves the end-to-end tests on
# machines whose kernel cannot execute 32-bit code (and so cannot run the
# 32-bit Wine), where the same sources run as a 64-bit program instead.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZENTROVA_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
