# Window code: every window, the grids, dialogs, help and the text conversion
# for widgets. Nothing in the core includes these files.
target_sources(korvalt_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/aboutwindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/codestil.cpp
  ${CMAKE_CURRENT_LIST_DIR}/componentwindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/diagramview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/errorwindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/filenamedialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/folders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fsmdocument.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fsmeditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fsmeditor_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fsmeditor_kiss2.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fsmeditor_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fsmeditor_reports.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fsmgrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help.cpp
  ${CMAKE_CURRENT_LIST_DIR}/language.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paramgrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recentfiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/startview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/statusline.cpp
  ${CMAKE_CURRENT_LIST_DIR}/runform.cpp
  ${CMAKE_CURRENT_LIST_DIR}/simulationwindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/synthesiswindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vhdlhighlighter.cpp)

# Help topics and the icon are compiled into the program.
file(GLOB KORVALT_HELP_TOPICS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/help/*.html)
qt_add_resources(korvalt_gui "korvalt_help" PREFIX "/help" BASE ${CMAKE_SOURCE_DIR}/resources/help
  FILES ${KORVALT_HELP_TOPICS})
qt_add_resources(korvalt_gui "korvalt_icons" PREFIX "/icons" BASE ${CMAKE_SOURCE_DIR}/resources/icons
  FILES ${CMAKE_SOURCE_DIR}/resources/icons/korvalt.png)
