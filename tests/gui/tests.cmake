target_sources(korvalt_gui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/u_korvalt_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_test.cpp)
