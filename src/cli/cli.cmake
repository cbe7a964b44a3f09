# korvalt-cli: commands register themselves from their own files.
target_sources(korvalt-cli PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/diagram_cmds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fsm_cmds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fsm_sim_cmds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fsm_synth_cmd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/kiss2_cmds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lint_cmd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/template_cmds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vhdl_cmds.cpp)
