target_sources(korvalt_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/automat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/automat_tb.cpp
  ${CMAKE_CURRENT_LIST_DIR}/checks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cube.cpp
  ${CMAKE_CURRENT_LIST_DIR}/errorreport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ghdl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/kiss2.cpp
  ${CMAKE_CURRENT_LIST_DIR}/machine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/nameclash.cpp
  ${CMAKE_CURRENT_LIST_DIR}/options.cpp
  ${CMAKE_CURRENT_LIST_DIR}/simulation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/synthcheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/synthesis.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tour.cpp
  ${CMAKE_CURRENT_LIST_DIR}/workspace.cpp)
