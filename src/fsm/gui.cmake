# Windows of src/fsm.
target_sources(korvalt_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/u_automat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/u_fehler.cpp)
