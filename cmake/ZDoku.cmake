# zDoku is compiled from the documentation include that a development run writes from the
# program's own source header, so version and history have one source. The generator runs
# on the build machine, so a cross build compiles it with the host's compiler.
if(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  set(zdoku_host_dir ${CMAKE_BINARY_DIR}/zdoku_host)
  ExternalProject_Add(pendrel_zdoku_gen_host
    SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/zdoku
    BINARY_DIR ${zdoku_host_dir}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${zdoku_host_dir}/pendrel_zdoku_gen)
  set(PENDREL_ZDOKU_GEN ${zdoku_host_dir}/pendrel_zdoku_gen)
  set(PENDREL_ZDOKU_GEN_TARGET pendrel_zdoku_gen_host)
else()
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/zdoku ${CMAKE_BINARY_DIR}/zdoku)
  # Beside the program it builds, where the build step's tests look for it.
  set_target_properties(pendrel_zdoku_gen PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set(PENDREL_ZDOKU_GEN pendrel_zdoku_gen)
  set(PENDREL_ZDOKU_GEN_TARGET pendrel_zdoku_gen)
endif()

# Adds the zDoku generated from `include` to `target`; a malformed include fails the build.
function(pendrel_add_zdoku target include)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_zdoku.cpp)
  add_custom_command(OUTPUT ${output}
    COMMAND ${PENDREL_ZDOKU_GEN} ${include} ${output}
    DEPENDS ${PENDREL_ZDOKU_GEN_TARGET} ${include}
    COMMENT "Compiling the documentation include ${include} into zDoku"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
