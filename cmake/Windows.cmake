# The Windows build: Mirel.DLL, the program, the distribution folder and the tests under Wine.
add_compile_definitions(
  WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0600
  # The C runtime's own printf family (msvcrt), as both binaries share it.
  __USE_MINGW_ANSI_STDIO=0
)
# No C++ library DLLs at run time; only the system's own DLLs.
add_link_options(-static)
include(cmake/Reproducible.cmake)
include(cmake/Resources.cmake)

# Product code has no C++ exceptions: none can cross a window procedure or an export, and the
# binaries stay free of the exception machinery, including the unwind tables nothing would read
# (a sixth of the program's size). Nothing asks a type at run time (no dynamic_cast, no typeid),
# so no type information either. Every function and datum in a section of its own, so that the
# linker drops what nothing calls; and the smallest code: the program must stay under 64 KiB
# with its icons. Tests build as usual.
set(MIREL_PRODUCT_OPTIONS -fno-exceptions -fno-asynchronous-unwind-tables -fno-rtti
    -ffunction-sections -fdata-sections -Oz)
# The program has one GUI thread: its function-local statics need no lock (which would bring
# the C++ library's guards with it). Mirel.DLL runs on the browser's threads and keeps them.
set(MIREL_PROGRAM_OPTIONS ${MIREL_PRODUCT_OPTIONS} -fno-threadsafe-statics)
# The product binaries: stripped, unused sections dropped, and a link map for the footprint
# report of tools/bench.
function(mirel_product_binary target)
  target_link_options(${target} PRIVATE -s -Wl,--gc-sections
    -Wl,-Map=${CMAKE_BINARY_DIR}/${target}.map)
endfunction()
