target_sources(korvalt_gui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/diagramview_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editor_files_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/preview_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/u_automat_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/u_fehler_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/u_komponente_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/u_korvalt_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/u_simulation_test.cpp)
