target_sources(korvalt_core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/entity_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/testbench_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/insert_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/highlight_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/keywords_test.cpp)
