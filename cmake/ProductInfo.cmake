# The product's version, and who publishes this build and where its home page is. The version is
# the product's own and changes only here; the rest are build settings, so that a release names a
# publisher and an address it really holds. Until one is given, the address is in example.com, a
# domain reserved for examples that nobody can register and receive our users' clicks.
#   cmake -DMIREL_HOME_URL=https://... -DMIREL_PUBLISHER=... -DMIREL_COPYRIGHT=...
# Everything that shows them (the About box, the version record, the system's list of installed
# programs) takes them from one generated header, res/ProductInfo.h; the scripts (the release
# archive's name, the bench's peers) take them from the build folder's cache.
set(MIREL_VERSION "5.00" CACHE INTERNAL "the product's version, as the About box shows it" FORCE)
set(MIREL_HOME_URL "https://www.example.com/mirel/" CACHE STRING
  "Home page of the product: the About box's link")
set(MIREL_PUBLISHER "Mirel" CACHE STRING
  "Publisher: the version record's company and the installed program's publisher")
set(MIREL_COPYRIGHT "Copyright (C) 2026 Mirel" CACHE STRING
  "Copyright notice of the About box and the version record")

# The values become C and resource-script string literals, whose escapes differ: a quote, a
# backslash or a line break could not mean the same in both, so they are refused here.
foreach(setting IN ITEMS MIREL_HOME_URL MIREL_PUBLISHER MIREL_COPYRIGHT)
  if("${${setting}}" STREQUAL "" OR "${${setting}}" MATCHES "[\"\\\\\n\r]")
    message(FATAL_ERROR "${setting} must be non-empty text without quotes, backslashes or line breaks")
  endif()
endforeach()

configure_file(${CMAKE_SOURCE_DIR}/res/ProductInfo.h.in ${MIREL_GENERATED_DIR}/res/ProductInfo.h
  @ONLY)
