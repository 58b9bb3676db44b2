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

# A DLL deliverable made of an object library (which its tests link too, to
# reach the internals), and `api`: what the program links against, the
# folder's public headers under include/ and the import library.
function(nimbrel_dll name objects resource api)
  add_library(${name} SHARED $<TARGET_OBJECTS:${objects}> ${resource})
  target_link_libraries(${name} PRIVATE ${objects})
  nimbrel_deliverable(${name})
  add_library(${api} INTERFACE)
  target_include_directories(${api} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR}/include)
  target_link_libraries(${api} INTERFACE ${name})
endfunction()
