target_sources(korvalt_cli_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/template_cmds_test.cpp)
