target_sources(korvalt_core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/textfile_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cp1252_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_test.cpp)
