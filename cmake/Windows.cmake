# The Windows build: Mirel.DLL, the program, the distribution folder and the tests under Wine.
add_compile_definitions(
  WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0600
  # The C runtime's own printf family (msvcrt), as both binaries share it.
  __USE_MINGW_ANSI_STDIO=0
)
# No C++ library DLLs at run time; only the system's own DLLs.
add_link_options(-static)
include(cmake/Reproducible.cmake)

include(cmake/PlatformFree.cmake)
include(cmake/Resources.cmake)

# Product code has no C++ exceptions: none can cross a window procedure or an export, and the
# binaries stay free of the exception machinery, including the unwind tables nothing would read
# (a sixth of the program's size). One GUI thread: function-local statics need no lock (which
# would bring the C++ library's guards with it). Nothing asks a type at run time (no
# dynamic_cast, no typeid), so no type information either. Every function and datum in a
# section of its own, so that the linker drops what nothing calls; and the smallest code: the
# program must stay under 64 KiB with its icons. Tests build as usual.
set(MIREL_PRODUCT_OPTIONS -fno-exceptions -fno-asynchronous-unwind-tables -fno-threadsafe-statics
    -fno-rtti -ffunction-sections -fdata-sections -Oz)
target_compile_options(mirel_core PRIVATE ${MIREL_PRODUCT_OPTIONS})

add_library(mirel_framework STATIC
  framework/Dialog.cpp
  framework/DllSearch.cpp
  framework/PropertyPage.cpp
  framework/PropertySheet.cpp
  framework/RuntimeClass.cpp
  framework/WinApp.cpp
  framework/Wnd.cpp
)
target_compile_options(mirel_framework PRIVATE ${MIREL_PRODUCT_OPTIONS})
target_link_libraries(mirel_framework PUBLIC mirel_core user32 gdi32 kernel32)

# Pieces linked into the product binaries only: the entry point, and new/delete over the C
# runtime's heap (instead of the C++ library's, which would bring the exception machinery).
add_library(mirel_heap OBJECT framework/HeapOperators.cpp)
target_compile_options(mirel_heap PRIVATE ${MIREL_PRODUCT_OPTIONS})

# Mirel.DLL: the add-in's module and the program's support library.
add_library(Mirel SHARED
  support/AddInFactory.cpp
  support/ComServer.cpp
  support/Exports.cpp
  support/MirelAddIn.cpp
  support/ModuleUsage.cpp
  support/Registration.cpp
  support/SettingsStore.cpp
  support/Mirel.def
  $<TARGET_OBJECTS:mirel_heap>
)
set_target_properties(Mirel PROPERTIES PREFIX "" OUTPUT_NAME "Mirel" SUFFIX ".DLL")
target_compile_definitions(Mirel PRIVATE MIREL_BUILDING_DLL)
target_compile_options(Mirel PRIVATE ${MIREL_PRODUCT_OPTIONS})
target_link_libraries(Mirel PRIVATE mirel_core advapi32 shell32 uuid)
target_link_options(Mirel PRIVATE -s -Wl,--gc-sections)

# The program's logic as a library, so that tests link the same pages, sheet and setup code.
add_library(mirel_app STATIC
  app/MirelSetupApp.cpp
  setup/AddInRegistration.cpp
  setup/ExactNames.cpp
  setup/InstalledFiles.cpp
  setup/Installer.cpp
  setup/NameReport.cpp
  setup/Shortcuts.cpp
  setup/UninstallEntry.cpp
  setup/Uninstaller.cpp
  sheet/AboutDlg.cpp
  sheet/DesktopShell.cpp
  sheet/ItemAccess.cpp
  sheet/LinkLabel.cpp
  sheet/MirelSetupPS.cpp
  sheet/PPFilter1.cpp
  sheet/PPFilter2.cpp
  sheet/PPHighLight.cpp
  sheet/PPMain.cpp
)
target_include_directories(mirel_app PUBLIC res)
target_compile_options(mirel_app PRIVATE ${MIREL_PRODUCT_OPTIONS})
target_link_libraries(mirel_app PUBLIC mirel_framework Mirel shell32 ole32 oleaut32 uuid advapi32)

# The items of the pages' drop-down lists, as initialisation data of their templates.
set(MIREL_LISTS_DIR ${CMAKE_BINARY_DIR}/res)
file(MAKE_DIRECTORY ${MIREL_LISTS_DIR})
set(MIREL_PAGE_LISTS ${MIREL_LISTS_DIR}/Filter1.dlginit ${MIREL_LISTS_DIR}/Filter2.dlginit
  ${MIREL_LISTS_DIR}/MirelSetup.min.manifest)
mirel_add_manifest(${CMAKE_SOURCE_DIR}/res/MirelSetup.manifest ${MIREL_LISTS_DIR}/MirelSetup.min.manifest)
mirel_add_dlginit(${CMAKE_SOURCE_DIR}/res/lists/Filter1.items ${MIREL_LISTS_DIR}/Filter1.dlginit)
mirel_add_dlginit(${CMAKE_SOURCE_DIR}/res/lists/Filter2.items ${MIREL_LISTS_DIR}/Filter2.dlginit)
# Every resource script that includes res/MirelSetup.rc depends on this target and the files.
add_custom_target(mirel_page_lists DEPENDS ${MIREL_PAGE_LISTS})

add_executable(MirelSetup WIN32
  app/TheApp.cpp
  framework/WinMain.cpp
  res/MirelSetup.rc
  $<TARGET_OBJECTS:mirel_heap>
)
target_compile_options(MirelSetup PRIVATE ${MIREL_PRODUCT_OPTIONS})
target_link_libraries(MirelSetup PRIVATE mirel_app)
target_link_options(MirelSetup PRIVATE -s -Wl,--gc-sections)
set_property(SOURCE res/MirelSetup.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_SOURCE_DIR}/res/MirelSetup.manifest ${CMAKE_SOURCE_DIR}/res/Mirel.ico
  ${CMAKE_SOURCE_DIR}/res/hand.cur ${MIREL_GENERATED_DIR}/ProductInfo.h ${MIREL_PAGE_LISTS})
target_include_directories(MirelSetup PRIVATE ${MIREL_LISTS_DIR})
add_dependencies(MirelSetup mirel_page_lists)

# The distribution folder as users receive it: the program as installer.exe beside Mirel.DLL,
# and a readme.
set(MIREL_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
add_custom_target(dist ALL
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${MIREL_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MIREL_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:MirelSetup> ${MIREL_DIST_DIR}/installer.exe
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Mirel> ${MIREL_DIST_DIR}/Mirel.DLL
  # The readme for the people who install the add-in: code page 932 with CR LF, for Notepad.
  COMMAND sh -c "iconv -f UTF-8 -t CP932 \"$0\" > \"$1.tmp\" && sed 's/$/\\r/' \"$1.tmp\" > \"$1\" && rm \"$1.tmp\""
          ${CMAKE_SOURCE_DIR}/res/readme.txt ${MIREL_DIST_DIR}/readme.txt
  DEPENDS MirelSetup Mirel ${CMAKE_SOURCE_DIR}/res/readme.txt
  COMMENT "Laying out the distribution folder ${MIREL_DIST_DIR}"
  VERBATIM)

set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
add_subdirectory(tests/win)
add_subdirectory(tests/e2e)
add_subdirectory(bench)
