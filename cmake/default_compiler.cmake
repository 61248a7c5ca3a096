# The presets' toolchain file: a preset names its compiler in QUILLMERE_DEFAULT_CXX, and a compiler you name
# (CXX, or -DCMAKE_CXX_COMPILER) takes its place. The project itself never chooses one.
if(QUILLMERE_DEFAULT_CXX AND NOT CMAKE_CXX_COMPILER AND "$ENV{CXX}" STREQUAL "")
  set(CMAKE_CXX_COMPILER ${QUILLMERE_DEFAULT_CXX})
endif()
