# Every *_test.cpp of this folder belongs to korvalt_e2e_tests.
file(GLOB TESTS_HERE CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_test.cpp)
target_sources(korvalt_e2e_tests PRIVATE ${TESTS_HERE})
target_sources(korvalt_e2e_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ghdl.cpp)

# korvalt-cli lint --ghdl over every shipped template: no finding at all.
file(GLOB SHIPPED_TEMPLATES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/Template/*.vhd)
foreach(template ${SHIPPED_TEMPLATES})
  get_filename_component(name ${template} NAME_WE)
  add_test(NAME ShippedTemplates.LintFindsNothingIn_${name}
           COMMAND korvalt-cli lint --ghdl ${template})
  set_tests_properties(ShippedTemplates.LintFindsNothingIn_${name} PROPERTIES LABELS e2e)
endforeach()
