# Fuzz targets (libFuzzer, so Clang only), built when QUILLMERE_FUZZ is on. A target <stem>_fuzz.cpp sits
# beside the code it checks, with its seed inputs in fuzz_seeds/<stem>/ there. As a test, named like the
# unit tests of its folder, it runs for QUILLMERE_FUZZ_SECONDS from its seeds; what it finds stays in the
# build tree (fuzz/<stem>/corpus and, for a failure, fuzz/<stem>/artifacts).

set(QUILLMERE_FUZZ_SECONDS 20 CACHE STRING "How long each fuzz test runs, in seconds")
if(QUILLMERE_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "The fuzz targets need Clang's libFuzzer: name Clang (CXX=clang++-19), or none with the fuzz preset.")
endif()

# quillmere_fuzz_target(<stem>_fuzz.cpp [LIBS <libs...>])
function(quillmere_fuzz_target source)
  if(NOT QUILLMERE_FUZZ)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  get_filename_component(name ${source} NAME_WE)
  string(REGEX REPLACE "_fuzz$" "" stem ${name})
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  get_property(prefix DIRECTORY PROPERTY QUILLMERE_PROGRAM)
  if(NOT prefix)
    set(prefix ${folder})
  endif()

  set(target ${folder}_${name})
  add_executable(${target} ${source})
  target_link_libraries(${target} PRIVATE Quillmere::console quillmere_testing ${ARG_LIBS})
  target_compile_options(${target} PRIVATE -fsanitize=fuzzer)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  quillmere_warnings(${target})
  set_property(GLOBAL APPEND PROPERTY QUILLMERE_FUZZ_TARGETS ${target})

  # New inputs go to the first corpus folder, so that the committed seeds stay as they are.
  set(work ${CMAKE_CURRENT_BINARY_DIR}/fuzz/${stem})
  file(MAKE_DIRECTORY ${work}/corpus ${work}/artifacts)
  add_test(NAME ${prefix}.${name}
    COMMAND ${target} -max_total_time=${QUILLMERE_FUZZ_SECONDS} -timeout=10 -print_final_stats=1
            -artifact_prefix=${work}/artifacts/ ${work}/corpus ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_seeds/${stem}
    WORKING_DIRECTORY ${work})
  set_tests_properties(${prefix}.${name} PROPERTIES LABELS fuzz ENVIRONMENT "UBSAN_OPTIONS=print_stacktrace=1")
endfunction()

# fuzz_targets builds every fuzz target and nothing else.
function(quillmere_add_fuzz_target)
  if(NOT QUILLMERE_FUZZ)
    return()
  endif()
  get_property(targets GLOBAL PROPERTY QUILLMERE_FUZZ_TARGETS)
  add_custom_target(fuzz_targets DEPENDS ${targets})
endfunction()
