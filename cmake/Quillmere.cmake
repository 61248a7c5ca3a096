# Helpers shared by the program folders: warnings, programs, unit tests and golden-output tests.

set(QUILLMERE_SAMPLE_TEXT ${CMAKE_CURRENT_LIST_DIR}/../data/Quillmere01.Start.cpp)
set(QUILLMERE_GOLDEN_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/golden.cmake)
set(QUILLMERE_RUN_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/run_programs.cmake)

include(CheckCXXSourceCompiles)

# How the programs are linked. Optimised builds link them fully static: a dynamically linked C++ program
# spends most of its start-up in the loader, relocating the C++ runtime, before main runs; a static one
# starts about as fast as a process can. Not position independent: a static PIE relocates itself at start,
# which costs a program with many virtual tables a tenth of its start-up. The programs use nothing of the
# C library that needs loading at run time (no name services, no character set conversion, only the "C"
# locale). Debug builds stay dynamic for the debugging tools (a memory checker cannot follow malloc in a
# static program), and so does every build with sanitizers, whose run-time libraries cannot be linked
# statically.
set(QUILLMERE_STATIC_LINK AUTO CACHE STRING
    "Link the programs statically: AUTO (optimised builds without sanitizers), ON (every build) or OFF")
set_property(CACHE QUILLMERE_STATIC_LINK PROPERTY STRINGS AUTO ON OFF)

# Sets QUILLMERE_STATIC_LINK_OPTION to the link option for the programs (empty: link them dynamically)
# and QUILLMERE_STATIC_LINK_CONFIGS to the configurations it applies to (empty: all).
function(quillmere_choose_link)
  if(QUILLMERE_STATIC_LINK STREQUAL "ON")
    set(configs "")
  else()
    set(configs Release MinSizeRel RelWithDebInfo)
  endif()
  set(flags "${CMAKE_CXX_FLAGS} ${CMAKE_EXE_LINKER_FLAGS}")
  foreach(config IN ITEMS Debug ${configs} ${CMAKE_BUILD_TYPE})
    string(TOUPPER "${config}" config)
    string(APPEND flags " ${CMAKE_CXX_FLAGS_${config}} ${CMAKE_EXE_LINKER_FLAGS_${config}}")
  endforeach()
  get_property(multi_config GLOBAL PROPERTY GENERATOR_IS_MULTI_CONFIG)

  set(option "")
  if(QUILLMERE_STATIC_LINK STREQUAL "OFF")
    set(reason "QUILLMERE_STATIC_LINK is OFF")
  elseif(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    set(reason "-static is an option of GCC and Clang")
  elseif(flags MATCHES "-fsanitize")
    set(reason "sanitizer run-time libraries need dynamic linking")
  elseif(configs AND NOT multi_config AND NOT CMAKE_BUILD_TYPE IN_LIST configs)
    set(reason "not an optimised build")
  else()
    set(CMAKE_REQUIRED_QUIET ON)
    set(CMAKE_REQUIRED_LINK_OPTIONS -static)
    check_cxx_source_compiles([[
#include <cstdio>
#include <string>
int main() { return std::puts(std::string("x").c_str()) < 0; }
]] QUILLMERE_LINKS_STATIC)
    if(QUILLMERE_LINKS_STATIC)
      set(option -static)
    else()
      set(reason "the toolchain links no static C++ program")
    endif()
  endif()

  if(option)
    message(STATUS "Quillmere: the programs link with ${option}")
  elseif(QUILLMERE_STATIC_LINK STREQUAL "ON")
    message(WARNING "Quillmere: the programs link dynamically: ${reason}")
  else()
    message(STATUS "Quillmere: the programs link dynamically: ${reason}")
  endif()
  set(QUILLMERE_STATIC_LINK_OPTION "${option}" PARENT_SCOPE)
  set(QUILLMERE_STATIC_LINK_CONFIGS "${configs}" PARENT_SCOPE)
endfunction()

# Debug builds link with the fastest linker the compiler can use, lld or else gold: after a one-section edit,
# relinking the program is a large share of what the learner waits for (Quillmere13: 0.56 s with the default
# linker, 0.31 s with gold, 0.22 s with lld). Optimised builds keep the default linker, with which their
# figures were measured.
set(QUILLMERE_FAST_LINKER AUTO CACHE STRING
    "The linker of Debug builds: AUTO (lld, else gold, else the compiler's default) or OFF")
set_property(CACHE QUILLMERE_FAST_LINKER PROPERTY STRINGS AUTO OFF)

# Sets QUILLMERE_FAST_LINK_OPTION to the option that picks that linker (empty: the default).
function(quillmere_choose_fast_linker)
  set(option "")
  if(NOT QUILLMERE_FAST_LINKER STREQUAL "OFF" AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    set(CMAKE_REQUIRED_QUIET ON)
    foreach(linker IN ITEMS lld gold)
      set(CMAKE_REQUIRED_LINK_OPTIONS -fuse-ld=${linker})
      check_cxx_source_compiles("int main() { return 0; }" QUILLMERE_LINKS_WITH_${linker})
      if(QUILLMERE_LINKS_WITH_${linker})
        set(option -fuse-ld=${linker})
        message(STATUS "Quillmere: Debug builds link with ${linker}")
        break()
      endif()
    endforeach()
  endif()
  set(QUILLMERE_FAST_LINK_OPTION "${option}" PARENT_SCOPE)
endfunction()

# Links a Debug executable with that linker.
function(quillmere_fast_link target)
  if(QUILLMERE_FAST_LINK_OPTION)
    target_link_options(${target} PRIVATE "$<$<CONFIG:Debug>:${QUILLMERE_FAST_LINK_OPTION}>")
  endif()
endfunction()

# Links an executable the way the programs are linked (benchmark baselines use it too, so that they are
# measured on the same footing).
function(quillmere_link_like_programs target)
  if(NOT QUILLMERE_STATIC_LINK_OPTION)
    return()
  endif()
  if(QUILLMERE_STATIC_LINK_CONFIGS)
    list(JOIN QUILLMERE_STATIC_LINK_CONFIGS "," configs)
    target_link_options(${target} PRIVATE "$<$<CONFIG:${configs}>:${QUILLMERE_STATIC_LINK_OPTION}>")
  else()
    target_link_options(${target} PRIVATE ${QUILLMERE_STATIC_LINK_OPTION})
  endif()
endfunction()

# Warning flags for every target of the project.
function(quillmere_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /permissive- /utf-8)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  endif()
  set_target_properties(${target} PROPERTIES COMPILE_WARNING_AS_ERROR ${QUILLMERE_WERROR})
endfunction()

# quillmere_include_root(<target> <INTERFACE|PUBLIC|PRIVATE> <folder> [HEADERS <headers...>])
# Gives the target an include root that holds the folder's headers (those named, or every *.h there) and
# nothing else, so that "<folder>/x.h" is reachable and what lies beside the folder in the sources is not. A
# target has one root for each scope.
# The root is in the build tree: one header per header, which includes the source, so that messages and
# editors still lead to the source.
function(quillmere_include_root target scope folder)
  cmake_parse_arguments(ARG "" "" "HEADERS" ${ARGN})
  set(source ${PROJECT_SOURCE_DIR}/${folder})
  if(NOT ARG_HEADERS)
    file(GLOB ARG_HEADERS CONFIGURE_DEPENDS RELATIVE ${source} ${source}/*.h)
  endif()
  string(TOLOWER ${scope} kind)
  set(root ${PROJECT_BINARY_DIR}/include_roots/${target}/${kind})
  foreach(header IN LISTS ARG_HEADERS)
    file(CONFIGURE OUTPUT ${root}/${folder}/${header} CONTENT "#include \"${source}/${header}\"\n" @ONLY)
  endforeach()
  target_include_directories(${target} ${scope} $<BUILD_INTERFACE:${root}>)
endfunction()

# quillmere_program(<Name> <main.cpp> [LIBS <libs...>])
# The executable is named exactly like the program and joins the run target.
function(quillmere_program name main)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${main})
  target_link_libraries(${name} PRIVATE Quillmere::console ${ARG_LIBS})
  quillmere_warnings(${name})
  quillmere_link_like_programs(${name})
  quillmere_fast_link(${name})
  set_property(GLOBAL APPEND PROPERTY QUILLMERE_PROGRAMS ${name})
  set_property(DIRECTORY PROPERTY QUILLMERE_PROGRAM ${name})
  if(QUILLMERE_TESTS)
    # A failed write to stdout must not look like success: non-zero status and one line on stderr.
    add_test(NAME ${name}.stdout_full
      COMMAND sh -c "cd '${CMAKE_CURRENT_BINARY_DIR}' && if '$<TARGET_FILE:${name}>' >/dev/full 2>stdout_full.err; \
then echo 'exit status 0 although stdout failed'; exit 1; fi; \
grep -q '^${name}: error writing to standard output' stdout_full.err || { cat stdout_full.err; exit 1; }")
    set_tests_properties(${name}.stdout_full PROPERTIES LABELS program)
  endif()
endfunction()

# quillmere_unit_tests(<target> <sources...> [LIBS <libs...>])
# Test names start with the name of the folder's program (or the folder's own name), so that `ctest -R`
# selects one program's tests even where two programs share a suite name.
function(quillmere_unit_tests target)
  if(NOT QUILLMERE_UNIT_TESTS)
    return()
  endif()
  get_property(prefix DIRECTORY PROPERTY QUILLMERE_PROGRAM)
  if(NOT prefix)
    get_filename_component(prefix ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  endif()
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${target} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${target} PRIVATE Quillmere::console quillmere_testing ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  quillmere_warnings(${target})
  quillmere_fast_link(${target})
  gtest_discover_tests(${target} TEST_PREFIX ${prefix}. WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
                       DISCOVERY_TIMEOUT 60)
endfunction()

# quillmere_golden_test(NAME <name> PROGRAM <target> EXPECTED <file>
#                       [INPUT <file> | INPUT_DIR | NO_INPUT] [EXIT_CODE <n>] [STDERR_REGEX <regex>])
# Runs the program in a fresh working directory and compares its stdout byte for byte, with stdout a pipe, a
# regular file and a terminal. Without INPUT, INPUT_DIR or NO_INPUT the bundled sample text is used.
function(quillmere_golden_test)
  cmake_parse_arguments(ARG "INPUT_DIR;NO_INPUT" "NAME;PROGRAM;EXPECTED;INPUT;EXIT_CODE;STDERR_REGEX" "" ${ARGN})
  if(NOT ARG_EXIT_CODE)
    set(ARG_EXIT_CODE 0)
  endif()
  get_filename_component(expected ${ARG_EXPECTED} ABSOLUTE)
  # The run targets check a program's output on the sample text against this: a clean run on the sample text,
  # or else one without input (a program that reads no file prints the same either way).
  if(NOT ARG_INPUT AND NOT ARG_INPUT_DIR AND ARG_EXIT_CODE EQUAL 0 AND "${ARG_STDERR_REGEX}" STREQUAL "")
    if(ARG_NO_INPUT)
      set_property(TARGET ${ARG_PROGRAM} PROPERTY QUILLMERE_EXPECTED_WITHOUT_INPUT ${expected})
    else()
      set_property(TARGET ${ARG_PROGRAM} PROPERTY QUILLMERE_EXPECTED_ON_SAMPLE ${expected})
    endif()
  endif()
  if(NOT QUILLMERE_TESTS)
    return()
  endif()
  if(ARG_INPUT_DIR)
    set(input_mode dir)
    set(input_file "")
  elseif(ARG_NO_INPUT)
    set(input_mode none)
    set(input_file "")
  else()
    set(input_mode file)
    if(ARG_INPUT)
      get_filename_component(input_file ${ARG_INPUT} ABSOLUTE)
    else()
      set(input_file ${QUILLMERE_SAMPLE_TEXT})
    endif()
  endif()
  foreach(mode IN ITEMS pipe file terminal)
    add_test(NAME ${ARG_NAME}.${mode}
      COMMAND ${CMAKE_COMMAND}
        -DPROGRAM=$<TARGET_FILE:${ARG_PROGRAM}>
        -DRUNNER=$<TARGET_FILE:quillmere_run_with_stdout>
        -DEXPECTED=${expected}
        -DINPUT_MODE=${input_mode}
        -DINPUT_FILE=${input_file}
        -DEXIT_CODE=${ARG_EXIT_CODE}
        "-DSTDERR_REGEX=${ARG_STDERR_REGEX}"
        -DSTDOUT_MODE=${mode}
        -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/golden/${ARG_NAME}.${mode}
        -P ${QUILLMERE_GOLDEN_SCRIPT})
    set_tests_properties(${ARG_NAME}.${mode} PROPERTIES LABELS program)
  endforeach()
endfunction()

# The run targets: `run` behind the run workflow runs every registered program, `run_<Program>` one of them;
# each program runs in its own working directory inside the build tree that holds the sample text, and its
# output is compared with the expected output its golden tests registered.
function(quillmere_add_run_target)
  get_property(programs GLOBAL PROPERTY QUILLMERE_PROGRAMS)
  set(all_calls "")
  foreach(program IN LISTS programs)
    get_property(expected TARGET ${program} PROPERTY QUILLMERE_EXPECTED_ON_SAMPLE)
    if(NOT expected)
      get_property(expected TARGET ${program} PROPERTY QUILLMERE_EXPECTED_WITHOUT_INPUT)
    endif()
    set(call "run_program(${program} \"$<TARGET_FILE:${program}>\" \"${expected}\")\n")
    string(APPEND all_calls "${call}")
    quillmere_run_target(run_${program} "Running ${program} on the sample text" "${call}" ${program})
  endforeach()
  quillmere_run_target(run "Running the programs on the sample text" "${all_calls}" ${programs})

  if(QUILLMERE_TESTS AND programs)
    # The run script itself, with the first program against its own and a different expected output.
    list(GET programs 0 program)
    get_property(expected TARGET ${program} PROPERTY QUILLMERE_EXPECTED_WITHOUT_INPUT)
    if(expected)
      add_test(NAME run.summary
        COMMAND ${CMAKE_COMMAND} -DRUN_SCRIPT=${QUILLMERE_RUN_SCRIPT} -DPROGRAM=$<TARGET_FILE:${program}>
                -DEXPECTED=${expected} -DSAMPLE=${QUILLMERE_SAMPLE_TEXT} -DWORK_DIR=${PROJECT_BINARY_DIR}/run_summary_test
                -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/run_programs_test.cmake)
      set_tests_properties(run.summary PROPERTIES LABELS program)
    endif()
  endif()
endfunction()

# quillmere_run_target(<target> <comment> <run_program calls> <programs...>)
function(quillmere_run_target target comment calls)
  set(list ${PROJECT_BINARY_DIR}/run/${target}-$<CONFIG>.cmake)
  file(GENERATE OUTPUT ${list} CONTENT "${calls}")
  add_custom_target(${target}
    COMMAND ${CMAKE_COMMAND} -DLIST=${list} -DSAMPLE=${QUILLMERE_SAMPLE_TEXT} -DWORK_DIR=${PROJECT_BINARY_DIR}/run
            -P ${QUILLMERE_RUN_SCRIPT}
    DEPENDS ${ARGN} COMMENT "${comment}" USES_TERMINAL VERBATIM)
endfunction()
