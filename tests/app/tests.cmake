target_sources(korvalt_core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/catalogue_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/folders_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/proposals_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_test.cpp)
