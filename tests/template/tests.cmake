target_sources(korvalt_core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/reader_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/params_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/expand_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lint_test.cpp)
