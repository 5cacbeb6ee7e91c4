# The build users receive: 32-bit Windows.
set(MIREL_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-posix.cmake)
