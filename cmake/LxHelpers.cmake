# One way to declare a library and one way to declare a test, so every layer is built alike.
include(GoogleTest)

# lx_add_library(NAME SOURCES ... [DEPS ...])
function(lx_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# lx_add_test(NAME SOURCES ... [DEPS ...]): a GoogleTest program whose cases ctest sees one by one.
function(lx_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    find_package(GTest REQUIRED)
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "LX_TEST_TMP=${CMAKE_CURRENT_BINARY_DIR}/tmp")
endfunction()
