# The core: everything that decides what the saver does. It links the standard
# library only; the platform layers under platform/ and the Qt front ends live
# in sub-folders and are built elsewhere.
set(GLINTFALL_CORE_DIRS startup saver scene settings music)

set(core_sources)
set(core_headers)
foreach(dir IN LISTS GLINTFALL_CORE_DIRS)
  file(GLOB dir_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  file(GLOB dir_headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.h)
  list(APPEND core_sources ${dir_sources})
  list(APPEND core_headers ${dir_headers})
endforeach()

add_library(glintfall_core STATIC ${core_sources} ${core_headers})
target_include_directories(glintfall_core PUBLIC ${CMAKE_SOURCE_DIR})

# A core file that reaches for Qt, X11 or FluidSynth fails the build, even if
# the header happens to be on the default include path.
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/core-includes.ok
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
          -DSTAMP=${CMAKE_BINARY_DIR}/core-includes.ok
          -P ${CMAKE_SOURCE_DIR}/cmake/CheckCoreIncludes.cmake
  DEPENDS ${core_sources} ${core_headers} ${CMAKE_SOURCE_DIR}/cmake/CheckCoreIncludes.cmake
  COMMENT "Checking that the core includes only the standard library")
add_custom_target(core_include_check DEPENDS ${CMAKE_BINARY_DIR}/core-includes.ok)
add_dependencies(glintfall_core core_include_check)
