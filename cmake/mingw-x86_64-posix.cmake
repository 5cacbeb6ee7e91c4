# A test build, never shipped: the same sources for 64-bit Windows, so that the Windows suites
# run under 64-bit Wine on machines whose kernel refuses 32-bit programs.
set(MIREL_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-posix.cmake)
