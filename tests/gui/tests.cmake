# Every *_test.cpp of this folder belongs to korvalt_gui_tests.
file(GLOB TESTS_HERE CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_test.cpp)
target_sources(korvalt_gui_tests PRIVATE ${TESTS_HERE})
