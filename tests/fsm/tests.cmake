# Tests of src/fsm are added here with target_sources(korvalt_core_tests ...).
target_sources(korvalt_core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/automat_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/workspace_test.cpp)
target_sources(korvalt_core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/checks_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/synthesis_test.cpp)
target_sources(korvalt_core_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/automat_tb_test.cpp)
target_sources(korvalt_core_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/editor_test.cpp)
