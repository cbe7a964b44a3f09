target_sources(korvalt_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/u_komponente.cpp)
