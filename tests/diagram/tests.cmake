# Tests of src/diagram: korvalt_core_tests links the diagram library too.
target_sources(korvalt_core_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/diagram_test.cpp)
target_link_libraries(korvalt_core_tests PRIVATE korvalt_diagram)
