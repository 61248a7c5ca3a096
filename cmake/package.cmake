# Installing the console library as the CMake package QuillmereConsole: find_package(QuillmereConsole) gives
# the target Quillmere::console, its public headers under include/quillmere/console/ and its static library.

include(CMakePackageConfigHelpers)
set(QUILLMERE_PUBLIC_HEADERS_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/public_headers.cmake)

# quillmere_install_console(<target> HEADERS <headers...>)
# Installs the library target with the headers named, which must be all that its users include: a test
# checks that no listed header includes one of the library's headers that is not listed.
function(quillmere_install_console target)
  cmake_parse_arguments(ARG "" "" "HEADERS" ${ARGN})
  if(QUILLMERE_TESTS)
    add_test(NAME console.public_headers_stand_alone
      COMMAND ${CMAKE_COMMAND} -DFOLDER=${CMAKE_CURRENT_SOURCE_DIR} "-DHEADERS=${ARG_HEADERS}"
              -P ${QUILLMERE_PUBLIC_HEADERS_SCRIPT})
  endif()
  if(NOT QUILLMERE_INSTALL)
    return()
  endif()

  set(package QuillmereConsole)
  set(config_dir ${CMAKE_INSTALL_LIBDIR}/cmake/${package})
  set(include_root ${CMAKE_INSTALL_INCLUDEDIR}/quillmere)

  # Users' code includes "console/render.h" as this tree's does.
  target_include_directories(${target} PUBLIC $<INSTALL_INTERFACE:${include_root}>)

  install(TARGETS ${target} EXPORT ${package}Targets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT console)
  install(FILES ${ARG_HEADERS} DESTINATION ${include_root}/console COMPONENT console)
  install(EXPORT ${package}Targets NAMESPACE Quillmere:: DESTINATION ${config_dir} COMPONENT console)

  configure_package_config_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${package}Config.cmake.in
                                ${PROJECT_BINARY_DIR}/${package}Config.cmake INSTALL_DESTINATION ${config_dir})
  write_basic_package_version_file(${PROJECT_BINARY_DIR}/${package}ConfigVersion.cmake
                                   VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
  install(FILES ${PROJECT_BINARY_DIR}/${package}Config.cmake ${PROJECT_BINARY_DIR}/${package}ConfigVersion.cmake
          DESTINATION ${config_dir} COMPONENT console)
endfunction()
