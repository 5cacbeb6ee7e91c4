# Fails when product code includes a header of a layer it must not know: each folder may include
# only from itself and the folders below it, and every project include names its folder
# ("framework/Dialog.h"), so that the crossing shows at the top of the file. The test folders
# are held to their own lines.
#   cmake -DSOURCE_DIR=<repository root> -P CheckLayers.cmake
# The layers, lowest first; res (resource IDs and product settings) is shared by the top three.
cmake_policy(SET CMP0057 NEW)
set(allowed_base base)
set(allowed_framework base framework)
set(allowed_support base framework support)
set(allowed_setup base framework support res setup)
set(allowed_sheet base framework support res setup sheet)
set(allowed_app base framework support res setup sheet app)
set(allowed_res res)
# The tests may include every layer; the Windows tests and the end-to-end tests share only what
# tests/common and tools/driver hold (the kit starts programs through the driver), and never
# include each other.
set(product base framework support setup sheet app res)
set(allowed_tests/common ${product} tools/driver tests/common)
set(allowed_tools/driver tools/driver)
set(allowed_tests/win ${product} tests/common tools/driver tests/win)
set(allowed_tests/e2e ${product} tests/common tools/driver tests/e2e)
set(allowed_tests/fuzz ${product} tests/fuzz)
set(allowed_tests/native ${product} tests/fuzz tests/native)

set(violations "")
foreach(layer IN ITEMS ${product} tests/common tools/driver tests/win tests/e2e tests/fuzz
    tests/native)
  file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp ${SOURCE_DIR}/${layer}/*.rc)
  foreach(source IN LISTS sources)
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
      string(REGEX MATCH "^(tests/|tools/)?[^/]+" folder "${header}")
      if(NOT header MATCHES "/" OR NOT folder IN_LIST allowed_${layer})
        list(APPEND violations "${source} includes \"${header}\"")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "includes against the layers (each folder includes only itself and the "
    "folders below it, named from the repository root):\n  ${text}")
endif()
message(STATUS "every include of the product and its tests follows the layers")
