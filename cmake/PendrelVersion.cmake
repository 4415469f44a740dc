# The program's version has one source, its documentation include (what zDoku("V")
# answers); the project, the packages and the CMake package take it from there.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../src/app/Pendrel_doku.pbi pendrel_version_line
     REGEX "\"  V [0-9]+\\.[0-9]+\"")
if(NOT pendrel_version_line MATCHES "V ([0-9]+\\.[0-9]+)")
  message(FATAL_ERROR "No version \"  V n.nn\" in src/app/Pendrel_doku.pbi")
endif()
set(PENDREL_VERSION ${CMAKE_MATCH_1})
