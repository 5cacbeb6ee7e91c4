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
