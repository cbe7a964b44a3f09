# Every *.cpp of src/cli is part of korvalt-cli; commands register themselves.
file(GLOB KORVALT_CLI_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
target_sources(korvalt-cli PRIVATE ${KORVALT_CLI_SOURCES})
