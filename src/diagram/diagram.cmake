# korvalt_diagram: the state diagram, laid out and rendered by Graphviz
# (cgraph, gvc). Window-free; used by the editor and by korvalt-cli.
find_package(PkgConfig REQUIRED)
pkg_check_modules(GRAPHVIZ REQUIRED IMPORTED_TARGET libgvc libcgraph)
add_library(korvalt_diagram STATIC
  ${CMAKE_CURRENT_LIST_DIR}/stategraph.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layout.cpp)
target_link_libraries(korvalt_diagram PUBLIC korvalt_core PRIVATE PkgConfig::GRAPHVIZ)
