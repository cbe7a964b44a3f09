# Every *_test.cpp of this folder belongs to korvalt_e2e_tests.
file(GLOB TESTS_HERE CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_test.cpp)
target_sources(korvalt_e2e_tests PRIVATE ${TESTS_HERE})
target_sources(korvalt_e2e_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ghdl.cpp)
