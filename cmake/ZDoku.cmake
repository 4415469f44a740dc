# zDoku is compiled from the documentation include that a development run writes from the
# program's own source header, so version and history have one source.
add_executable(pendrel_zdoku_gen
  ${PROJECT_SOURCE_DIR}/cmake/zdoku_gen.cpp
  ${PROJECT_SOURCE_DIR}/src/docgen/doku_include_reader.cpp
  ${PROJECT_SOURCE_DIR}/src/docgen/utf8_code_points.cpp
  ${PROJECT_SOURCE_DIR}/src/docgen/zdoku_source.cpp)
target_include_directories(pendrel_zdoku_gen PRIVATE ${PROJECT_SOURCE_DIR}/src)

# Adds the zDoku generated from `include` to `target`; a malformed include fails the build.
function(pendrel_add_zdoku target include)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_zdoku.cpp)
  add_custom_command(OUTPUT ${output}
    COMMAND pendrel_zdoku_gen ${include} ${output}
    DEPENDS pendrel_zdoku_gen ${include}
    COMMENT "Compiling the documentation include ${include} into zDoku"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
