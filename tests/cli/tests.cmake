target_sources(korvalt_cli_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/diagram_cmds_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/errors_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fsm_cmds_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fsm_sim_cmds_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/kiss2_cmds_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lint_cmd_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/template_cmds_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vhdl_cmds_test.cpp)
add_test(NAME CliInsert.ReadOnlyTargetIsRefusedAndKept
  COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/readonly_target.sh $<TARGET_FILE:korvalt-cli>
          ${CMAKE_CURRENT_LIST_DIR}/../data/vhdl/zaehler.vhd)
set_tests_properties(CliInsert.ReadOnlyTargetIsRefusedAndKept PROPERTIES LABELS cli)
