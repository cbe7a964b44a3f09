target_sources(korvalt_gui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/componentwindow_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/diagramview_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editor_files_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/errorwindow_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fsmeditor_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/preview_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/simulationwindow_test.cpp)
# Every window test once more under the users' German locale: Qt hands the
# locale to the C library (decimal comma for Graphviz's numbers, German system
# messages), and Qt's own texts must stay German there too.
add_test(NAME GuiTests.UnderGermanLocale COMMAND korvalt_gui_tests)
set_tests_properties(GuiTests.UnderGermanLocale PROPERTIES LABELS gui
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=de_DE.UTF-8;LC_ALL=de_DE.UTF-8")
