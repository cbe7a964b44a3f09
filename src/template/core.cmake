target_sources(korvalt_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/expand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/params.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reader.cpp)
