# Combo-box items of a dialog template, converted at build time to its initialisation data.
#   mirel_add_dlginit(<items file> <output file>)
# The output is a file the resource script names with "<template-id> 240 <file>".
function(mirel_add_dlginit items output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_SOURCE_DIR}/tools/make-dlginit.sh ${items} ${output}
    DEPENDS ${items} ${CMAKE_SOURCE_DIR}/tools/make-dlginit.sh
    COMMENT "Dialog list items ${items}"
    VERBATIM)
endfunction()

# The manifest as the program carries it, for the build's processor (tools/minify-manifest.py).
#   mirel_add_manifest(<manifest> <output file>)
function(mirel_add_manifest manifest output)
  set(minifier ${CMAKE_SOURCE_DIR}/tools/minify-manifest.py)
  add_custom_command(
    OUTPUT ${output}
    COMMAND python3 ${minifier} ${manifest} ${output} ${CMAKE_SYSTEM_PROCESSOR}
    DEPENDS ${manifest} ${minifier}
    COMMENT "Manifest ${manifest}"
    VERBATIM)
endfunction()
