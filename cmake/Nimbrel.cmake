# Shared helpers for the project's targets.

# Warnings and the static runtime for one of our own targets.
function(nimbrel_target target)
  target_compile_options(${target} PRIVATE ${NIMBREL_WARNINGS})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE" OR type STREQUAL "SHARED_LIBRARY")
    target_link_options(${target} PRIVATE ${NIMBREL_STATIC_LINK})
  endif()
endfunction()

# A deliverable in the program folder.
function(nimbrel_deliverable target)
  nimbrel_target(${target})
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${NIMBREL_BIN_DIR}
    LIBRARY_OUTPUT_DIRECTORY ${NIMBREL_BIN_DIR}
    PREFIX "")
endfunction()

# A GoogleTest program run under Wine by ctest. One ctest entry per program:
# a Wine process start costs more than most tests do.
#   nimbrel_test(NAME name SOURCES ... LIBS ... [TIMEOUT s] [LABELS ...])
function(nimbrel_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  nimbrel_target(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} nimbrel_test_harness nimbrel_test_main GTest::gtest)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${NIMBREL_TEST_DIR})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} --gtest_color=no
           WORKING_DIRECTORY ${NIMBREL_TEST_DIR})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 600)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}")
endfunction()

# A DLL deliverable made of every source below the current folder:
#   nimbrel_dll(<name> RESOURCE <rc> DEFINE <macro> LIBS <libraries...>)
# makes the object library <name>_objects (the DLL is made of it; its own
# folders are a private include path), the DLL, and two ways to use it:
#   <name>_api        what the program links: include/ and the import library
#   <name>_internals  for the library's own tests and benchmarks: its objects
#                     with its private folders, to reach the internals
# (lower-case names: scrubcore_api, updrift_internals...).
function(nimbrel_dll name)
  cmake_parse_arguments(D "" "RESOURCE;DEFINE" "LIBS" ${ARGN})
  string(TOLOWER ${name} lower)
  set(objects ${lower}_objects)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${objects} OBJECT ${sources})
  nimbrel_target(${objects})
  target_include_directories(${objects} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
                                        PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include)
  target_compile_definitions(${objects} PUBLIC ${D_DEFINE})
  target_link_libraries(${objects} PUBLIC ${D_LIBS})

  add_library(${name} SHARED $<TARGET_OBJECTS:${objects}> ${D_RESOURCE})
  target_link_libraries(${name} PRIVATE ${objects})
  nimbrel_deliverable(${name})

  add_library(${lower}_api INTERFACE)
  target_include_directories(${lower}_api INTERFACE ${CMAKE_CURRENT_SOURCE_DIR}/include)
  target_link_libraries(${lower}_api INTERFACE ${name})

  add_library(${lower}_internals INTERFACE)
  target_sources(${lower}_internals INTERFACE $<TARGET_OBJECTS:${objects}>)
  target_include_directories(${lower}_internals INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${lower}_internals INTERFACE ${objects})
endfunction()
