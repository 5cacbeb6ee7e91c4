# Code that needs no window: built by both configurations, tested natively.
add_library(mirel_core STATIC
  framework/DialogInitData.cpp
  framework/Mbcs.cpp
  framework/PathText.cpp
  framework/String.cpp
  setup/SetupPaths.cpp
  sheet/HighLightText.cpp
  sheet/NumberField.cpp
  support/InstallDir.cpp
  support/RecordFields.cpp
)
target_include_directories(mirel_core PUBLIC framework app support sheet setup)
target_link_libraries(mirel_core PUBLIC mirel_product_info)
