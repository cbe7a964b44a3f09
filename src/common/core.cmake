target_sources(korvalt_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ascii.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cp1252.cpp
  ${CMAKE_CURRENT_LIST_DIR}/intread.cpp
  ${CMAKE_CURRENT_LIST_DIR}/paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/process.cpp
  ${CMAKE_CURRENT_LIST_DIR}/textfile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vhdlname.cpp)
