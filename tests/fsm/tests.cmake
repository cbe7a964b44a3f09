target_sources(korvalt_core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/automat_tb_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/automat_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/checks_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cube_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editor_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/kiss2_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/machine_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/synthesis_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/workspace_test.cpp)
