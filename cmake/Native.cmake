# The native build: platform-free code and its unit tests, with address and undefined-behaviour
# sanitizers; without them (MIREL_SANITIZERS=OFF) for a run under valgrind, which cannot run
# sanitized programs.
option(MIREL_SANITIZERS "Build with address and undefined-behaviour sanitizers" ON)
if(MIREL_SANITIZERS)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all -g)
  add_link_options(-fsanitize=address,undefined)
else()
  add_compile_options(-g)
endif()

set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

include(cmake/PlatformFree.cmake)
add_subdirectory(tests/native)
