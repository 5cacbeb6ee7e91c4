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
# The product's own options belong to the Windows binaries.
set(MIREL_PRODUCT_OPTIONS "")
set(MIREL_PROGRAM_OPTIONS "")
