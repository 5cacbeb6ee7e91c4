# Two builds of the same sources give the same bytes, wherever they are built and whenever:
#  - the time stamps in the PE headers are the commit's date (SOURCE_DATE_EPOCH when it is set,
#    as in a build from a copy of the sources; otherwise the last commit's; otherwise zero);
#  - no path of the source or build folder reaches an object file;
#  - static libraries carry no time stamps, owners or modes of their members.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(MIREL_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git -C ${CMAKE_SOURCE_DIR} log -1 --format=%ct
    OUTPUT_VARIABLE MIREL_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE status ERROR_QUIET)
  if(NOT status EQUAL 0 OR MIREL_SOURCE_DATE_EPOCH STREQUAL "")
    set(MIREL_SOURCE_DATE_EPOCH 0)
  endif()
endif()
# Derived here only: tools/build dates the release archive with it, and tools/check-reproducible
# gives it to the second build, both from this cache.
set(MIREL_SOURCE_DATE_EPOCH ${MIREL_SOURCE_DATE_EPOCH} CACHE INTERNAL "the build's date" FORCE)
# The linker stamps the PE header and the export directory with this date instead of the clock.
foreach(lang C CXX)
  set(CMAKE_${lang}_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${MIREL_SOURCE_DATE_EPOCH})
  set(CMAKE_${lang}_ARCHIVE_CREATE "<CMAKE_AR> qcD <TARGET> <LINK_FLAGS> <OBJECTS>")
  set(CMAKE_${lang}_ARCHIVE_APPEND "<CMAKE_AR> qD <TARGET> <LINK_FLAGS> <OBJECTS>")
  set(CMAKE_${lang}_ARCHIVE_FINISH "<CMAKE_RANLIB> -D <TARGET>")
endforeach()
# The build folder last: it may lie inside the source folder, and the last matching map wins.
add_compile_options(
  "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.>"
  "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}=build>")
