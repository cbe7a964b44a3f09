target_sources(korvalt_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/clockreset.cpp
  ${CMAKE_CURRENT_LIST_DIR}/emitters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/entity.cpp
  ${CMAKE_CURRENT_LIST_DIR}/highlight.cpp
  ${CMAKE_CURRENT_LIST_DIR}/insert.cpp
  ${CMAKE_CURRENT_LIST_DIR}/keywords.cpp
  ${CMAKE_CURRENT_LIST_DIR}/testbench.cpp)
