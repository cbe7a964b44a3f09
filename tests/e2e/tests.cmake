target_sources(korvalt_e2e_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/fsm_options_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fsm_property_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fsm_sim_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fsm_testbench_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ghdl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/kiss2_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/templates_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vhdl_corpus_test.cpp)

# korvalt-cli lint --ghdl over every shipped template: no finding at all.
file(GLOB SHIPPED_TEMPLATES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/Template/*.vhd)
foreach(template ${SHIPPED_TEMPLATES})
  get_filename_component(name ${template} NAME_WE)
  add_test(NAME ShippedTemplates.LintFindsNothingIn_${name}
           COMMAND korvalt-cli lint --ghdl ${template})
  set_tests_properties(ShippedTemplates.LintFindsNothingIn_${name} PROPERTIES LABELS e2e)
endforeach()
