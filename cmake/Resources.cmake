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

# The manifest as the program carries it: without its comments and indentation, which Windows
# does not read and which would take a kilobyte of the program.
#   mirel_add_manifest(<manifest> <output file>)
function(mirel_add_manifest manifest output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND python3 -c "import re, sys; text = open(sys.argv[1], encoding='utf-8').read(); text = re.sub(r'<!--.*?-->', '', text, flags=re.S); open(sys.argv[2], 'w', encoding='utf-8', newline='').write(re.sub(r'>\\s+<', '><', text).strip())" ${manifest} ${output}
    DEPENDS ${manifest}
    COMMENT "Manifest ${manifest}"
    VERBATIM)
endfunction()
