# sm_library(NAME SOURCES... DEPENDS libs...): one library per src/ folder,
# its headers reached as "<folder>/<file>.h" from the src/ root.
function(sm_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# sm_test(NAME SOURCES... DEPENDS libs...): one GoogleTest program, each test
# registered with CTest on its own.
function(sm_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} sm_test_support GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}")
endfunction()
