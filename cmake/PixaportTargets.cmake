# Helpers that keep the per-folder CMake files to one line each.

# A static library of every .cpp below the given folders. It sees only the folders
# named in VIEW (its own and those of the layers below it): the build gives it an
# include folder of links to just those, so an include of a higher layer does not
# compile. Its users see the same folders; without VIEW it sees the whole tree.
function(pixa_library name)
  cmake_parse_arguments(ARG "" "" "DIRS;VIEW;LINKS" ${ARGN})
  set(view ${CMAKE_BINARY_DIR}/layers/${name})
  foreach(dir IN LISTS ARG_VIEW)
    get_filename_component(parent ${view}/${dir} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${dir} ${view}/${dir} SYMBOLIC)
  endforeach()
  set(sources)
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  add_library(${name} STATIC ${sources})
  if(ARG_VIEW)
    target_include_directories(${name} PUBLIC ${view})
  else()
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})  # outside the layers: sees all
  endif()
  target_link_libraries(${name} PUBLIC pixa_options ${ARG_LINKS})
endfunction()

# One GoogleTest executable (one ctest entry) of every .cpp in tests/<area>.
function(pixa_test area)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${area}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(name test_${area})
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE pixa_options ${ARG_LINKS} pixa_testsupport GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  add_test(NAME ${area} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${area} PROPERTIES TIMEOUT 300)
endfunction()
